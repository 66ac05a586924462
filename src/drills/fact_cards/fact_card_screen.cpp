// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fact_cards/fact_card_screen.h"

#include <QKeyEvent>

#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/picture.h"

namespace {

const QColor questionColour(0xffffff);
const QColor answerColour(0xffff00);

}  // namespace

FactCardScreen::FactCardScreen(ScreenHost& host, FactKind kind)
    // The picture stands a little above the window and leaves a pixel of the
    // window's own colour at the bottom.
    : DrillScreen(kind == FactKind::Division ? ScreenId::Form9 : ScreenId::Form10, host,
                  {.background = twips(0, -120, 12105, 8700),
                   .windowColour = menuBackground,
                   .scorePanel = false,
                   .widthTwips = 11880,
                   .heightTwips = 8595}),
      m_cards(kind, random())
{
    // At 150 pt the widest cards ("100 ÷ 10=") are wider than the window:
    // the caption then shrinks their type just enough to show them whole.
    m_card = new Caption(this, QStringLiteral("Label1"), twips(1568, 2160, 8745, 3525),
                         CaptionLook{150, true, questionColour, CaptionLook::Align::Centre});
    new Caption(
        this, QStringLiteral("Label2"), twips(3780, 6720, 5505, 285),
        CaptionLook{12, true, answerColour, CaptionLook::Align::Centre, QStringLiteral("Arial")},
        QStringLiteral("اضغط ادخال او Enter لتغيير السؤال و اضغط المسافة لتعرف الاجابة "));
    addHomeLabel(QStringLiteral("Label7"), 1920, 7560, ScreenId::Form7);
}

FactCardScreen::~FactCardScreen() = default;

void FactCardScreen::load()
{
    setKeyPreview(true);
    act([this] { m_cards.drawFact(); });
}

bool FactCardScreen::screenKey(QKeyEvent* event)
{
    // Keys that type nothing carry no text. A key that types several
    // characters at once counts as that many key presses.
    const QList<uint> typed = event->text().toUcs4();
    if (typed.isEmpty())
        return false;
    act([this, &typed] {
        for (const uint code : typed)
            m_cards.characterTyped(char32_t(code));
    });
    return true;
}

void FactCardScreen::render()
{
    QPalette colours = m_card->palette();
    colours.setColor(QPalette::WindowText, m_cards.showingAnswer() ? answerColour : questionColour);
    m_card->setPalette(colours);
    m_card->setCaption(fromUtf8(m_cards.cardText()));
}

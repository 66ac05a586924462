// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/form4.h"

#include <QPushButton>

#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/push_button.h"
#include "ui/screen_host.h"
#include "ui/type_face.h"

namespace {

const QColor paleYellow(0xffffc0);
const QColor lightOrange(0xffc080);

struct OptionDesign {
    const char* name;
    QRect box;
    const char* spoken;
};

// Read from the right: Command1, Command2, then Command3 a little lower.
const OptionDesign optionDesigns[QuotientChoiceDrill::optionCount] = {
    {"Command1", twips(7800, 4320, 2295, 1335), "الخيار الأول"},
    {"Command2", twips(5160, 4320, 2295, 1335), "الخيار الثاني"},
    {"Command3", twips(2033, 4680, 2295, 1335), "الخيار الثالث"},
};

}  // namespace

Form4::Form4(ScreenHost& host)
    : JudgingScreen(ScreenId::Form4, host, {.background = twips(0, 720, 12105, 8220)})
{
    const CaptionLook large{27.75, true, Qt::white, CaptionLook::Align::Centre};
    new Caption(this, QStringLiteral("Label8"), twips(3105, 1440, 5715, 645), large,
                QStringLiteral("اختر الاجابة الصحيحة مما يلي:"));
    m_question = new Caption(this, QStringLiteral("Label2"), twips(2153, 2400, 7695, 1125),
                             CaptionLook{48, true, paleYellow, CaptionLook::Align::Centre});

    const QFont optionType = typeface::arabic(26.25);
    for (int i = 0; i < QuotientChoiceDrill::optionCount; ++i) {
        const OptionDesign& design = optionDesigns[i];
        QPushButton* button =
            makeButton(this, QString::fromLatin1(design.name), design.box, QString(), optionType);
        // The orange face stays during the pause; the digits grey out then,
        // as on any switched-off button.
        QPalette face = button->palette();
        face.setColor(QPalette::Button, lightOrange);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            face.setColor(group, QPalette::ButtonText, Qt::black);
        button->setPalette(face);
        button->setAccessibleDescription(QString::fromUtf8(design.spoken));
        onClick(button, [this, i, button] {
            if (focusWidget() == button)
                m_focusedOption = button;
            m_drill.choose(i);
        });
        m_options[std::size_t(i)] = button;
    }

    addMessageLabel(twips(5190, 6600, 1635, 645), Qt::white);
    addHomeLabel(QStringLiteral("Label7"), 1920, 8040, ScreenId::Form5);
    addPauseTimer([this] { m_drill.nextQuestion(); });
}

void Form4::render()
{
    m_question->setCaption(fromUtf8(m_drill.questionText()));
    for (int i = 0; i < QuotientChoiceDrill::optionCount; ++i) {
        QPushButton* button = m_options[std::size_t(i)];
        setButtonCaption(button, fromUtf8(m_drill.optionText(i)));
        button->setEnabled(m_drill.optionsEnabled());
    }
    if (m_drill.optionsEnabled() && m_focusedOption) {
        if (!focusWidget())
            m_focusedOption->setFocus();
        m_focusedOption = nullptr;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/reciprocal_menu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>

#include "app/navigator.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/shapes.h"

QColor ReciprocalMenu::normalColour()
{
    // The window-background colour of the desktop is the palette's base
    // colour. Qt offers no inactive-title-bar colour, so that one is a
    // fixed light blue-grey.
    return QApplication::palette().color(QPalette::Base);
}

QColor ReciprocalMenu::highlightColour() { return QColor(0xbfcddb); }

ReciprocalMenu::ReciprocalMenu(Navigator& navigator)
    : ScreenWindow(ScreenId::Form5, 12000, 9000, QStringLiteral("Form5"), menuBackground),
      m_navigator(navigator)
{
    auto* background = new Picture(this, QStringLiteral("Image1"), twips(0, 0, 12105, 8940),
                                   pictures::background, QStringLiteral("صورة الخلفية"));
    auto* title = new Caption(this, QStringLiteral("Label1"), twips(3233, 840, 5535, 855),
                              CaptionLook{36, true, QColor(0xffffc0), CaptionLook::Align::Right},
                              QStringLiteral("قسمة الكسور الاعتيادية"));

    const QColor border(0xffc080);
    auto* frame1 = new FilledShape(this, QStringLiteral("Shape1"), twips(6120, 2400, 4335, 2415),
                                   normalColour(), border);
    auto* frame2 = new FilledShape(this, QStringLiteral("Shape2"), twips(1493, 2280, 4335, 2415),
                                   normalColour(), border);
    auto* frame3 = new FilledShape(this, QStringLiteral("Shape3"), twips(3660, 5040, 4335, 2415),
                                   highlightColour(), border);
    frame3->hide();
    // The frames take no pointer events: the part an option does not cover
    // counts as background.
    for (FilledShape* frame : {frame1, frame2, frame3}) {
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->setAccessibleName(QStringLiteral("إطار الخيار"));
    }

    const CaptionLook large{27.75, true, Qt::black, CaptionLook::Align::Centre};
    const CaptionLook small{18, true, Qt::black, CaptionLook::Align::Centre};
    auto* write = new Caption(this, QStringLiteral("Label2"), twips(7275, 3240, 2025, 645), large,
                              QStringLiteral("اكتب الناتج"));
    auto* mark = new Caption(this, QStringLiteral("Label4"), twips(1853, 3240, 3645, 420), small,
                             QStringLiteral("اختر علامة صح و علامة خطأ"));
    auto* choose = new Caption(this, QStringLiteral("Label3"), twips(4980, 5880, 1995, 645), large,
                               QStringLiteral("اختر الناتج"));
    choose->hide();
    auto* home = new Caption(this, QStringLiteral("Label5"), twips(1920, 7680, 945, 420), small,
                             QStringLiteral("الواجهة"));
    auto* exit = new Caption(this, QStringLiteral("Label7"), twips(2040, 8280, 735, 420),
                             CaptionLook{18, true, Qt::white, CaptionLook::Align::Centre},
                             QStringLiteral("خروج"));

    for (QWidget* tracked : std::initializer_list<QWidget*>{background, title, write, mark, choose})
        tracked->setMouseTracking(true);
    auto light = [](FilledShape* frame) { return [frame] { frame->setFill(highlightColour()); }; };
    connect(title, &Caption::pointerMoved, this, light(frame1));
    connect(write, &Caption::pointerMoved, this, light(frame1));
    connect(choose, &Caption::pointerMoved, this, light(frame3));
    connect(mark, &Caption::pointerMoved, this, light(frame2));
    connect(background, &Picture::pointerMoved, this, [frame1, frame2, frame3] {
        for (FilledShape* frame : {frame1, frame2, frame3})
            frame->setFill(normalColour());
    });

    auto goTo = [this](ScreenId target) {
        return [this, target] { m_navigator.goTo(ScreenId::Form5, target); };
    };
    connect(write, &Caption::clicked, this, goTo(ScreenId::Form6));
    connect(choose, &Caption::clicked, this, goTo(ScreenId::Form4));
    connect(mark, &Caption::clicked, this, goTo(ScreenId::Form3));
    connect(home, &Caption::clicked, this, goTo(ScreenId::Form7));
    connect(exit, &Caption::clicked, this, [this] { m_navigator.endProgram(); });
}

bool ReciprocalMenu::screenKey(QKeyEvent* event)
{
    // No control here takes the focus, so the menu receives every key.
    // Escape ends the program; other keys do nothing and the menu stays.
    if (event->key() == Qt::Key_Escape) {
        m_navigator.endProgram();
        return true;
    }
    return false;
}

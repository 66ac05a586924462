// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exercise_menu.h"

#include <QCoreApplication>
#include <QPushButton>

#include "app/navigator.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/push_button.h"
#include "ui/shapes.h"
#include "ui/type_face.h"

ExerciseMenu::ExerciseMenu(Navigator& navigator)
    : ScreenWindow(ScreenId::Form7, 12000, 9000, QStringLiteral("Form5"), menuBackground),
      m_navigator(navigator)
{
    new Picture(this, QStringLiteral("Image1"), twips(0, 0, 12105, 8940), pictures::background,
                QStringLiteral("صورة الخلفية"));
    new Caption(this, QStringLiteral("Label1"), twips(4380, 840, 2805, 645),
                CaptionLook{27.75, true, Qt::white, CaptionLook::Align::Centre},
                QStringLiteral("واجهة التمارين"));
    // The frame is green, with its caption in the default black.
    makeFrame(this, QStringLiteral("Frame1"), twips(3473, 1560, 5055, 4215),
              QStringLiteral("اختر التمرين المناسب "), typeface::arabic(13.5, false), Qt::black,
              QColor(0x00c000));

    const QFont entryType = typeface::named(QStringLiteral("Arial"), 15.75, true);
    struct Entry {
        const char* name;
        QRect box;
        const char* caption;
        bool shown;
    };
    const Entry entries[] = {
        {"Command1", twips(3953, 2040, 4095, 615), "قسمة الكسور", true},
        {"Command2", twips(3953, 2760, 4095, 615), "مقلوب الكسر", true},
        {"Command3", twips(3953, 3480, 4095, 615), "مقلوب الاعداد الصحيحة", false},
        {"Command4", twips(3953, 4200, 4095, 615), "بطاقات حقائق القسمة", true},
        {"Command5", twips(3953, 4920, 4095, 615), "بطاقات حقائق الضرب", true},
        {"Command6", twips(3960, 6480, 4095, 615), "تمارين على القسمة الرأسية", false},
        {"Command7", twips(3960, 5760, 4095, 615), "تمارين على القسمة الرأسية", false},
    };
    QWidget* previous = nullptr;
    auto inTabOrder = [&previous](QWidget* control) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    };
    for (const Entry& entry : entries) {
        QPushButton* button = makeButton(this, QString::fromLatin1(entry.name), entry.box,
                                         QString::fromUtf8(entry.caption), entryType);
        // Hidden entries are never shown, so neither a click nor Tab reaches them.
        button->setVisible(entry.shown);
        inTabOrder(button);
    }
    QPushButton* about = makeButton(this, QStringLiteral("Command8"), twips(1680, 7560, 1455, 495),
                                    QStringLiteral("عن البرنامج"), typeface::controlDefault());
    inTabOrder(about);
    auto* exit = new Caption(this, QStringLiteral("Label7"), twips(2040, 8280, 735, 420),
                             CaptionLook{18, true, Qt::white, CaptionLook::Align::Centre},
                             QStringLiteral("خروج"));

    auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    auto goTo = [this](ScreenId target) {
        return [this, target] { m_navigator.goTo(ScreenId::Form7, target); };
    };
    connect(button("Command1"), &QPushButton::clicked, this, goTo(ScreenId::Form2));
    connect(button("Command2"), &QPushButton::clicked, this, goTo(ScreenId::Form5));
    connect(button("Command3"), &QPushButton::clicked, this, goTo(ScreenId::Form8));
    connect(button("Command4"), &QPushButton::clicked, this, goTo(ScreenId::Form9));
    connect(button("Command5"), &QPushButton::clicked, this, goTo(ScreenId::Form10));
    connect(button("Command6"), &QPushButton::clicked, this, [this] {
        m_navigator.launchSibling(m_launchFolder, QStringLiteral("brogram/velmora.exe"));
    });
    connect(button("Command7"), &QPushButton::clicked, this, [this] {
        m_navigator.launchSibling(m_launchFolder, QStringLiteral("brogram/quindel.exe"));
    });
    connect(about, &QPushButton::clicked, this,
            [this] { m_navigator.showScreen(ScreenId::Form12); });
    connect(exit, &Caption::clicked, this, [this] { m_navigator.endProgram(); });

    button("Command1")->setFocus();
}

void ExerciseMenu::load()
{
    m_launchFolder = withTrailingSeparator(QCoreApplication::applicationDirPath());
}

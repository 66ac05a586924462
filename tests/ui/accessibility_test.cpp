// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader or a switch device finds on every screen: each shown control,
// pictures and marks included, has a role and a name it can speak, and every caption that
// reacts to a click is a button whose press does what the click does.
#include <QAccessible>

#include "ui_test_support.h"

namespace {

using S = ScreenId;

// Brings each screen to where most of its controls show: Form2 with marks and help, Form8
// at its last step with its hints, the others as a pupil finds them.
void bringUp(Program& p, S screen)
{
    p.open(screen);
    if (screen == S::Form2)
        for (const char* control : {"Comhelp", "step1", "step1"})
            p.click(S::Form2, control);
    if (screen != S::Form8)
        return;
    for (const auto& [box, typed, button] :
         {std::tuple{"Txtnatj1", "8", "enter1"}, {"Txtnatj2", "40", "enter2"}})
        p.type(S::Form8, box, typed), p.click(S::Form8, button);
    p.click(S::Form8, "Comhelp");
}

TEST(Accessibility, EveryShownControlHasARoleAndAName)
{
    for (S screen : everyScreen) {
        Program p;
        bringUp(p, screen);
        for (QWidget* widget : p.navigator.screen(screen)->findChildren<QWidget*>()) {
            // Parts Qt builds inside a control (a text box's viewport) are spoken as the control.
            if (!widget->isVisible() || widget->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(control, nullptr);
            // Only what the screen reader can reach: Qt leaves some parts of controls out.
            QAccessibleInterface* parent = control->parent();
            if (!parent || parent->indexOfChild(control) < 0)
                continue;
            EXPECT_TRUE(control->role() != QAccessible::NoRole &&
                        control->role() != QAccessible::Client &&
                        !control->text(QAccessible::Name).trimmed().isEmpty())
                << screenName(screen).toStdString() << " " << widget->objectName().toStdString()
                << ": role " << control->role();
        }
    }
}

// What the pupil would notice after an action: the screens shown, the sounds, the program
// ended, and every caption the screen shows.
QStringList outcome(Program& p, S screen)
{
    QStringList seen;
    for (S other : everyScreen)
        seen << QString::number(p.shown(other));
    seen << QString::number(p.fakes.sounds.size()) << QString::number(p.navigator.programEnded());
    for (Caption* caption : p.navigator.screen(screen)->findChildren<Caption*>())
        seen << (caption->isVisible() ? caption->caption() : QString());
    return seen;
}

TEST(Accessibility, EveryClickableCaptionIsAButtonWhosePressDoesWhatAClickDoes)
{
    int pressable = 0;
    for (S screen : everyScreen) {
        Program probe;
        bringUp(probe, screen);
        for (Caption* caption : probe.navigator.screen(screen)->findChildren<Caption*>()) {
            if (!caption->isVisible() || !caption->clickable())
                continue;
            SCOPED_TRACE(testing::Message() << screenName(screen).toStdString() << " "
                                            << caption->objectName().toStdString());
            ++pressable;
            const QByteArray name = caption->objectName().toLatin1();
            Program clicked, pressed;
            bringUp(clicked, screen);
            bringUp(pressed, screen);
            clicked.click(screen, name.constData());
            QAccessibleInterface* button =
                QAccessible::queryAccessibleInterface(pressed.control(screen, name.constData()));
            EXPECT_EQ(button->role(), QAccessible::Button);
            ASSERT_EQ(button->actionInterface()->actionNames(),
                      QStringList{QAccessibleActionInterface::pressAction()});
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            EXPECT_EQ(outcome(pressed, screen), outcome(clicked, screen));
        }
    }
    // الواجهة and خروج on the menus and drills, the two options of the reciprocal menu and
    // the two marks of the right-or-wrong screen.
    EXPECT_EQ(pressable, 14);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds on every screen: each shown control, pictures and marks
// included, has a role and a name it can speak.
#include <QAccessible>
#include <QLineEdit>

#include "drills/fraction_division/form2.h"
#include "drills/whole_division/form8.h"
#include "ui_test_support.h"

namespace {

using S = ScreenId;

TEST(Accessibility, EveryShownControlHasARoleAndAName)
{
    // Each screen, brought to where most of its controls show: Form2 with marks and help,
    // Form8 at its last step with its hints, the others as they load.
    const std::pair<S, std::function<void(Program&)>> screens[] = {
        {S::Form1, {}}, {S::Form7, {}}, {S::Form5, {}}, {S::Form12, {}}, {S::Form3, {}}, {S::Form4, {}},
        {S::Form6, {}}, {S::Form9, {}}, {S::Form10, {}},
        {S::Form2, [](Program& p) {
             p.tick(S::Form2, "Timer1");
             for (const char* control : {"Comhelp", "step1", "step1"})
                 p.click(S::Form2, control);
         }},
        {S::Form8, [](Program& p) {
             p.click(S::Form8, "Comq");
             p.tick(S::Form8, "Timer1");
             for (const auto& [box, typed, button] : {std::tuple{"Txtnatj1", "9", "enter1"}, {"Txtnatj2", "45", "enter2"}}) {
                 p.control<QLineEdit>(S::Form8, box)->setText(typed);
                 p.click(S::Form8, button);
             }
             p.click(S::Form8, "Comhelp");
         }},
    };
    for (const auto& [screen, bringUp] : screens) {
        Program program;
        if (screen == S::Form8)
            program.fakes.draws = {0.475, 0.55};  // 47 ÷ 5
        program.navigator.showScreen(screen);
        if (bringUp)
            bringUp(program);
        QWidget* window = program.navigator.screen(screen);
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            // Parts Qt builds inside a control (a text box's viewport) are spoken as the control.
            if (!widget->isVisible() || widget->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(control, nullptr);
            // Only what the screen reader can reach: Qt leaves some parts of controls out.
            QAccessibleInterface* parent = control->parent();
            if (!parent || parent->indexOfChild(control) < 0)
                continue;
            EXPECT_TRUE(control->role() != QAccessible::NoRole && control->role() != QAccessible::Client &&
                        !control->text(QAccessible::Name).trimmed().isEmpty())
                << screenName(screen).toStdString() << " " << widget->metaObject()->className() << " "
                << widget->objectName().toStdString() << ": role " << control->role() << ", name \""
                << control->text(QAccessible::Name).toStdString() << '"';
        }
    }
}

}  // namespace

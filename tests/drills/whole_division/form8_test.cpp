// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "../../ui/ui_test_support.h"
#include "drills/whole_division/form8.h"
#include "ui/caption.h"

namespace {

using Timer = DivisionDrill::Timer;
constexpr ScreenId S8 = ScreenId::Form8;

// Every test works 47 ÷ 5 on the screen opened through the exercise menu's hidden entry.
class Form8Test : public ScreenTest {
protected:
    Form8Test() { fakes.draws = {0.475, 0.55}; }

    void open()
    {
        navigator.showScreen(ScreenId::Form7);
        control<QPushButton>(ScreenId::Form7, "Command3")->click();  // hidden, but wired
        form = static_cast<Form8*>(navigator.screen(S8));
    }
    void draw()
    {
        click(S8, "Comq");
        tick(S8, "Timer1");
    }
    QString text(const char* name)
    {
        auto* caption = control<Caption>(S8, name);
        return caption ? caption->caption() : control<QLineEdit>(S8, name)->text();
    }
    bool visible(const char* name) { return control(S8, name)->isVisible(); }
    void answer(const char* box, const char* typed, const char* button)
    {
        control<QLineEdit>(S8, box)->clear();
        QTest::keyClicks(control(S8, box), QString::fromUtf8(typed));
        click(S8, button);
    }
    // Clicks the button; gives the title and text of the notice it opened, if any.
    QStringList clickForNotice(const char* button)
    {
        fakes.notices.clear();
        click(S8, button);
        return QStringList(fakes.notices.begin(), fakes.notices.end());
    }

    Form8* form = nullptr;
};

TEST_F(Form8Test, APupilWorksAProblemStepByStepAndEscapeCountsOnlyOnceOneIsDrawn)
{
    open();
    EXPECT_EQ(QStringList({text("lamaksoom"), text("lamaksoomalih")}), QStringList({"??", "?"}));
    for (const char* hidden : {"Txtnatj1", "enter1", "Comhelp", "help", "naqs", "Label3"})
        EXPECT_FALSE(visible(hidden)) << hidden;
    key(S8, Qt::Key_Escape);
    EXPECT_FALSE(navigator.programEnded());
    draw();
    EXPECT_EQ(QStringList({text("lamaksoom"), text("lamaksoomalih"), text("Label6")}),
              QStringList({"47", "5", "عدد الأسئلة :  1"}));

    answer("Txtnatj1", "8", "enter1");
    EXPECT_EQ(QStringList({text("Label3"), text("Txtnatj1"), form->focusWidget()->objectName()}),
              QStringList({"أخطأت حاول مرة أخرى", "", "Txtnatj1"}));
    answer("Txtnatj1", "9", "enter1");
    EXPECT_TRUE(control<QLineEdit>(S8, "Txtnatj1")->isReadOnly() && !visible("enter1"));
    EXPECT_EQ(form->focusWidget()->objectName(), "Txtnatj2");
    answer("Txtnatj2", "45", "enter2");
    EXPECT_TRUE(visible("naqs") && visible("Line4") && !control(S8, "Comq")->isEnabled());
    answer("Txtnatj3", "2", "enter3");
    EXPECT_TRUE(control(S8, "Comq")->isEnabled() && !visible("enter3"));
    EXPECT_EQ(text("Label9"), "جيد");  // 3 right of 4 attempts, whatever the 1 question
    click(S8, "Comhelp");
    EXPECT_EQ(control<QPlainTextEdit>(S8, "Txthelp")->document()->toRawText(), "اطرح  47\u00A0-\u2060\u00A045");

    tick(S8, "Timerhidenatija");
    EXPECT_FALSE(visible("Label3"));
    key(S8, Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

TEST_F(Form8Test, AnEmptyBoxBringsANoticeAndNothingElseAndTheScreenIsKeptWhenLeft)
{
    open();
    draw();
    EXPECT_EQ(clickForNotice("enter1"), QStringList({"رسالة البرنامج", "عفواً لم تضع رقما"}));
    EXPECT_TRUE(fakes.sounds.empty() && !visible("Label3"));
    QTest::keyClicks(control(S8, "Txtnatj1"), "  ");  // blanks read 0
    EXPECT_TRUE(clickForNotice("enter1").isEmpty());
    answer("Txtnatj1", "9", "enter1");
    const QString longAnswer(40000, u'4');  // no length limit
    control<QLineEdit>(S8, "Txtnatj2")->setText(longAnswer);

    click(S8, "Label7");
    EXPECT_TRUE(shown(ScreenId::Form7) && !form->isVisible());
    control<QPushButton>(ScreenId::Form7, "Command3")->click();
    EXPECT_EQ(navigator.screen(S8), form);
    EXPECT_EQ(QStringList({text("lamaksoom"), text("Txtnatj2"), text("Label4"), text("Label5")}),
              QStringList({"47", longAnswer, "عدد الاجابات الصحيحة :  1", "عدد الاجابات الخاطئة :  1"}));
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../ui/ui_test_support.h"

namespace {

constexpr ScreenId S8 = ScreenId::Form8;

// Every test works 44 ÷ 5 on the screen opened through the exercise menu's hidden entry.
class Form8Test : public ScreenTest {
protected:
    void answer(const char* box, const char* typed, const char* button)
    {
        control<QLineEdit>(S8, box)->setText(QString::fromUtf8(typed));
        click(S8, button);
    }
};

TEST_F(Form8Test, APupilWorksAProblemStepByStepAndEscapeCountsOnlyOnceOneIsDrawn)
{
    navigator.showScreen(ScreenId::Form7);
    control<QPushButton>(ScreenId::Form7, "Command3")->click();  // hidden, but wired
    EXPECT_EQ(texts(S8, {"lamaksoom", "lamaksoomalih"}), QStringList({"??", "?"}));
    EXPECT_FALSE(visible(S8, "Txtnatj1") || visible(S8, "Comhelp") || visible(S8, "Label3"));
    key(S8, Qt::Key_Escape);
    EXPECT_FALSE(navigator.programEnded());
    click(S8, "Comq");
    EXPECT_EQ(timer(S8, "Timer1")->interval(), 100);
    tick(S8, "Timer1");
    EXPECT_EQ(texts(S8, {"lamaksoom", "lamaksoomalih", "Label6"}),
              QStringList({"44", "5", "عدد الأسئلة :  1"}));

    answer("Txtnatj1", "7", "enter1");
    EXPECT_EQ(texts(S8, {"Label3", "Txtnatj1"}) << focused(S8),
              QStringList({"أخطأت حاول مرة أخرى", "", "Txtnatj1"}));
    EXPECT_EQ(timer(S8, "Timerhidenatija")->interval(), 3000);
    answer("Txtnatj1", "8", "enter1");
    EXPECT_TRUE(control<QLineEdit>(S8, "Txtnatj1")->isReadOnly() && !visible(S8, "enter1"));
    EXPECT_EQ(focused(S8), "Txtnatj2");
    answer("Txtnatj2", "40", "enter2");
    EXPECT_TRUE(visible(S8, "naqs") && visible(S8, "Line4") && !control(S8, "Comq")->isEnabled());
    answer("Txtnatj3", "4", "enter3");
    EXPECT_TRUE(control(S8, "Comq")->isEnabled() && !visible(S8, "enter3"));
    EXPECT_EQ(text(S8, "Label9"), "جيد");  // 3 right of 4 attempts, whatever the 1 question
    tick(S8, "Timerhidenatija");
    EXPECT_FALSE(visible(S8, "Label3"));
    key(S8, Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

TEST_F(Form8Test, ThePupilMayTypeInTheHintBoxUntilTheNextHintIsWritten)
{
    open(S8);
    click(S8, "Comhelp");
    auto* hint = control<QPlainTextEdit>(S8, "Txthelp");
    EXPECT_TRUE(hint->toPlainText().startsWith("كم 5 في العدد 44 ؟\n\nأو ما هو"));
    hint->setFocus();
    QTest::keyClicks(hint, "abc");
    EXPECT_TRUE(hint->toPlainText().contains("abc"));
    answer("Txtnatj1", "8", "enter1");  // the product's hint replaces what was typed
    EXPECT_EQ(hint->toPlainText().toStdString(), "اضرب الناتج في المقسوم عليه \n\nأو اضرب  8 × 5");
    answer("Txtnatj2", "40", "enter2");
    EXPECT_EQ(hint->toPlainText().remove(QChar(0x2060)).toStdString(), "اطرح  44 - 40");
    // The panel's caption keeps its designed type.
    EXPECT_EQ(control(S8, "help")->font().pixelSize(), 21);
}

TEST_F(Form8Test, AnEmptyBoxBringsANoticeAndNothingElseAndTheScreenIsKeptWhenLeft)
{
    open(S8);
    fakes.noticeExpected = true;
    click(S8, "enter1");
    EXPECT_EQ(fakes.notices, std::vector<QString>({"رسالة البرنامج", "عفواً لم تضع رقما"}));
    EXPECT_TRUE(fakes.sounds.empty() && !visible(S8, "Label3"));
    answer("Txtnatj1", "  ", "enter1");  // blanks read 0: judged, no notice
    EXPECT_EQ(fakes.notices.size(), 2u);
    answer("Txtnatj1", "8", "enter1");
    control<QLineEdit>(S8, "Txtnatj2")->setText("4");

    click(S8, "Label7");
    EXPECT_TRUE(shown(ScreenId::Form7) && !shown(S8));
    control<QPushButton>(ScreenId::Form7, "Command3")->click();
    EXPECT_EQ(texts(S8, {"lamaksoom", "Txtnatj2", "Label4", "Label5"}),
              QStringList({"44", "4", "عدد الاجابات الصحيحة :  1", "عدد الاجابات الخاطئة :  1"}));
}

}  // namespace

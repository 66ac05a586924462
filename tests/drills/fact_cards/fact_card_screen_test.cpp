// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../ui/ui_test_support.h"

namespace {

using FactCardScreenTest = ScreenTest;

TEST_F(FactCardScreenTest, KeysThatTypeACharacterRevealEnterDrawsAndAReturnFindsTheSameCard)
{
    auto card = [this](ScreenId screen) {  // the card's text, and "yellow" after an answer
        auto* label = control<Caption>(screen, "Label1");
        const bool yellow = label->palette().color(QPalette::WindowText) == QColor(0xffff00);
        return label->caption() + (yellow ? " yellow" : "");
    };
    fakes.draws = {drawOf(10), drawOf(10), drawOf(4), drawOf(3), drawOf(0), drawOf(1)};
    navigator.showScreen(ScreenId::Form7);
    navigator.showScreen(ScreenId::Form10);
    EXPECT_EQ(card(ScreenId::Form10), "10 × 10=");
    key(ScreenId::Form10, Qt::Key_Space);
    EXPECT_EQ(card(ScreenId::Form10), "100 yellow");
    click(ScreenId::Form7, "Command4");
    const std::pair<Qt::Key, const char*> presses[] = {
        {Qt::Key_Left, "100 ÷ 10="},      {Qt::Key_F1, "100 ÷ 10="},
        {Qt::Key_Shift, "100 ÷ 10="},     {Qt::Key_Space, "10 yellow"},
        {Qt::Key_Backspace, "10 yellow"}, {Qt::Key_Return, "12 ÷ 3="},
        {Qt::Key_A, "4 yellow"},          {Qt::Key_Return, "0 ÷ 1="},
        {Qt::Key_Escape, "0 yellow"},
    };
    for (const auto& [which, expected] : presses) {
        key(ScreenId::Form9, which);
        EXPECT_EQ(card(ScreenId::Form9), expected) << QTest::toString(which);
    }
    click(ScreenId::Form9, "Label7");    // shown still: Escape has not ended the program
    click(ScreenId::Form7, "Command4");  // and in again, the card is as it was left
    EXPECT_EQ(card(ScreenId::Form9), "0 yellow");
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The answer box: what the keyboard gets into it, how much it holds, how its text is drawn.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <vector>

#include "ui/answer_box.h"
#include "ui/type_face.h"

namespace {

// A key press and the text it types; X11 gives Ctrl+V as "\x16", Delete as "\x7f".
struct Press { Qt::Key key; Qt::KeyboardModifiers modifiers; const char* text; };

void press(QWidget& box, const Press& key)
{
    QKeyEvent event(QEvent::KeyPress, key.key, key.modifiers, QString::fromUtf8(key.text));
    QApplication::sendEvent(&box, &event);
}

// Where two pictures of a box differ: the ink of its text.
QRect inkBounds(const QImage& image, const QImage& blank)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != blank.pixel(x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class AnswerBoxTest : public ::testing::Test {
protected:
    QWidget window;
    AnswerBox digits{&window, "digits", QRect(0, 0, 121, 83), {48, true, Qt::red, 3, true},
                     "digits"};
    AnswerBox sign{&window, "sign", QRect(0, 90, 65, 83), {72, true, Qt::red, 1, false}, "sign"};
};

TEST_F(AnswerBoxTest, OnlyDigitsAreTypedWhileEditingKeysAndShortcutsWork)
{
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier;
    const Press nine{Qt::Key_9, none, "9"};
    const struct {
        const char* what; const char* start; int cursor; std::vector<Press> keys;
        const char* expected;
    } cases[] = {
        {"letters, signs, Tab, Enter, Escape", "", 0,
         {{Qt::Key_A, none, "a"}, nine, {Qt::Key_Minus, none, "-"}, {Qt::Key_Tab, none, "\t"},
          {Qt::Key_Return, none, "\r"}, {Qt::Key_Escape, none, "\x1b"}}, "9"},
        {"an emoji, which must leave room for digits", "", 0,
         {{Qt::Key_unknown, none, "😀"}, nine, nine, nine}, "999"},
        {"keys typing two characters, an Arabic-Indic digit", "", 0,
         {{Qt::Key_B, none, "لا"}, {Qt::Key_unknown, none, "5a"}, {Qt::Key_unknown, none, "٣"}},
         ""},
        {"Alt, Meta and AltGr letters", "", 0,
         {{Qt::Key_A, Qt::AltModifier, "a"}, {Qt::Key_A, Qt::MetaModifier, "a"},
          {Qt::Key_E, ctrl | Qt::AltModifier, "€"}}, ""},
        {"Backspace, Delete, End, Home and an arrow", "123", 1,
         {{Qt::Key_Backspace, none, "\b"}, {Qt::Key_Delete, none, "\x7f"}, {Qt::Key_End, none, ""},
          nine, {Qt::Key_Home, none, ""}, {Qt::Key_Right, none, ""}, {Qt::Key_8, none, "8"}}, "389"},
        {"Ctrl+A, Ctrl+C, Delete, Ctrl+V", "123", 0,
         {{Qt::Key_A, ctrl, "\x01"}, {Qt::Key_C, ctrl, "\x03"}, {Qt::Key_Delete, none, "\x7f"},
          {Qt::Key_V, ctrl, "\x16"}}, "123"},
        {"Ctrl+V pastes unfiltered, even carrying its letter", "", 0, {{Qt::Key_V, ctrl, "v"}},
         "a-9"},
        {"Ctrl+Z", "12", 2, {nine, {Qt::Key_Z, ctrl, "\x1a"}}, "12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QApplication::clipboard()->setText(QStringLiteral("a-9z"));
        digits.setText(QString::fromUtf8(c.start));
        digits.setCursorPosition(c.cursor);
        for (const Press& key : c.keys)
            press(digits, key);
        EXPECT_EQ(digits.text().toStdString(), c.expected);
    }
}

TEST_F(AnswerBoxTest, TheSignBoxTakesAnyCharacter)
{
    press(sign, {Qt::Key_unknown, Qt::NoModifier, "×"});
    EXPECT_EQ(sign.text().toStdString(), "×");
    EXPECT_TRUE(sign.testAttribute(Qt::WA_InputMethodEnabled));
    // Composed input would get past the key filter.
    EXPECT_FALSE(digits.testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(AnswerBoxTest, HoldsWholeCharactersUpToItsLimitAndCutsOnlyWhatIsInserted)
{
    const struct {
        const char* what; AnswerBox* box; const char* start; int cursor; const char* inserted;
        const char* expected; int cursorAfter;
    } cases[] = {
        {"an emoji counts as one", &digits, "", 0, "80😀", "80😀", 4},
        {"the fourth character goes whole", &digits, "", 0, "80😀9", "80😀", 4},
        {"held text stays", &digits, "12", 0, "987", "912", 1},
        {"a vowel mark joins the held letter", &digits, "1ب", 2, "َxy", "1بَx", 4},
        {"setText is held too", &digits, "12345", 3, "", "123", 3},
        {"a letter with its vowel mark", &sign, "", 0, "بَ", "بَ", 2},
        {"a flag", &sign, "", 0, "🇸🇦🇪🇬", "🇸🇦", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.box->setText(QString::fromUtf8(c.start));
        c.box->setCursorPosition(c.cursor);
        c.box->insert(QString::fromUtf8(c.inserted));  // what pasting and dropping do
        EXPECT_EQ(c.box->text().toStdString(), c.expected);
        EXPECT_EQ(c.box->cursorPosition(), c.cursorAfter);
    }
}

TEST_F(AnswerBoxTest, TypeShrinksUntilNoInkIsCutAndComesBackWhenEmptied)
{
    const struct {
        const char* what; QSize size; double points; const char* text; bool shrinks;
    } cases[] = {
        {"the sign box's ×", {65, 83}, 72, "×", true},
        {"two digits", {105, 83}, 48, "88", false},
        {"three digits", {121, 83}, 48, "100", false},
        {"an emoji among digits", {105, 83}, 48, "80😀", true},
        {"a box lower than the type", {100, 40}, 48, "12", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AnswerBox box(&window, "box", QRect(QPoint(0, 0), c.size),
                      {c.points, true, Qt::red, 3, false}, "box");
        const QImage blank = box.grab().toImage();
        box.setText(QString::fromUtf8(c.text));
        const QRect ink = inkBounds(box.grab().toImage(), blank);
        // Text cut by the box reaches the edge it is cut at, inside the frame.
        EXPECT_TRUE(QRect(QPoint(0, 0), c.size).adjusted(2, 2, -2, -2).contains(ink));
        EXPECT_NEAR(ink.center().x(), c.size.width() / 2, 2);
        EXPECT_NEAR(ink.center().y(), c.size.height() / 2, 2);
        const int designed = typeface::pixelsForPoints(c.points);
        EXPECT_EQ(box.font().pixelSize() < designed, c.shrinks);
        box.clear();
        EXPECT_EQ(box.font().pixelSize(), designed);
    }
}

}  // namespace

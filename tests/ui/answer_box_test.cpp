// SPDX-License-Identifier: GPL-3.0-or-later
// The answer box: what the keyboard gets into it, how much it holds, how its text is drawn.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "ui/answer_box.h"
#include "ui/type_face.h"

namespace {

// A key, its modifiers and the text it types; X11 gives Ctrl+V as "\x16", Delete as "\x7f".
struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

TEST(AnswerBox, OnlyDigitsAreTypedWhileEditingKeysAndShortcutsWork)
{
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier;
    // Each row: the text before, the cursor, the keys, the text after. The clipboard holds "a-9z".
    const std::tuple<const char*, int, std::vector<Press>, const char*> cases[] = {
        {"", 0, {{Qt::Key_A, none, "a"}, {Qt::Key_Minus, none, "-"}}, ""},
        {"", 0, {{Qt::Key_unknown, none, "😀"}, {Qt::Key_unknown, none, "5a"}}, ""},
        {"", 0, {{Qt::Key_Return, none, "\r"}, {Qt::Key_unknown, none, "٣"}}, ""},
        {"", 0, {{Qt::Key_A, Qt::AltModifier, "a"}, {Qt::Key_E, ctrl | Qt::AltModifier, "€"}}, ""},
        {"123", 1, {{Qt::Key_Backspace, none, "\b"}, {Qt::Key_Delete, none, "\x7f"}}, "3"},
        {"3", 0, {{Qt::Key_End, none, ""}, {Qt::Key_9, none, "9"}, {Qt::Key_9, none, "9"}}, "399"},
        {"123", 0, {{Qt::Key_A, ctrl, "\x01"}, {Qt::Key_Delete, none, "\x7f"}}, ""},
        {"", 0, {{Qt::Key_V, ctrl, "v"}}, "a-9"},  // pasting is not filtered, but held to 3
        {"12", 2, {{Qt::Key_9, none, "9"}, {Qt::Key_Z, ctrl, "\x1a"}}, "12"},
    };
    QWidget window;
    AnswerBox digits(&window, "digits", QRect(0, 0, 121, 83), {48, true, Qt::red, 3, true}, "");
    QApplication::clipboard()->setText(QStringLiteral("a-9z"));
    for (const auto& [start, cursor, keys, expected] : cases) {
        digits.setText(QString::fromUtf8(start));
        digits.setCursorPosition(cursor);
        for (const Press& key : keys) {
            QKeyEvent event(QEvent::KeyPress, key.key, key.modifiers, QString::fromUtf8(key.text));
            QApplication::sendEvent(&digits, &event);
        }
        EXPECT_EQ(digits.text().toStdString(), expected) << start << cursor;
    }
    // Composed input would get past the key filter.
    EXPECT_FALSE(digits.testAttribute(Qt::WA_InputMethodEnabled));
}

TEST(AnswerBox, HoldsWholeCharactersUpToItsLimitAndCutsOnlyWhatIsInserted)
{
    // The limit, the text before, the cursor, what is inserted, the text and cursor after.
    const std::tuple<int, const char*, int, const char*, const char*, int> cases[] = {
        {3, "", 0, "80😀9", "80😀", 4},   // an emoji counts as one
        {3, "12", 0, "987", "912", 1},  // what was held stays
        {3, "1ب", 2, "َxy", "1بَx", 4},   // a vowel mark joins the held letter
        {3, "12345", 3, "", "123", 3},  // setText is held too
        {1, "", 0, "🇸🇦🇪🇬", "🇸🇦", 4},    // a flag is one character
    };
    QWidget window;
    for (const auto& [limit, start, cursor, inserted, expected, after] : cases) {
        AnswerBox box(&window, "box", QRect(0, 0, 121, 83), {48, true, Qt::red, limit, false}, "");
        box.setText(QString::fromUtf8(start));
        box.setCursorPosition(cursor);
        box.insert(QString::fromUtf8(inserted));  // what pasting and dropping do
        EXPECT_EQ(box.text().toStdString(), expected);
        EXPECT_EQ(box.cursorPosition(), after) << expected;
    }
}

TEST(AnswerBox, TypeShrinksUntilNoInkIsCutAndComesBackWhenEmptied)
{
    // The box's size, its type in points, the text, whether the type must shrink.
    const std::tuple<QSize, double, const char*, bool> cases[] = {
        {{65, 83}, 72, "×", true},     // the sign box
        {{105, 83}, 48, "88", false},  // two digits
        {{105, 83}, 48, "80😀", true},
        {{100, 40}, 48, "12", true},  // a box lower than its type
    };
    QWidget window;
    for (const auto& [size, points, text, shrinks] : cases) {
        SCOPED_TRACE(text);
        AnswerBox box(&window, "box", QRect(QPoint(0, 0), size), {points, true, Qt::red, 3, false},
                      "");
        const QImage blank = box.grab().toImage();
        box.setText(QString::fromUtf8(text));
        const QImage shown = box.grab().toImage();
        QRect ink;  // where the two pictures differ
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != blank.pixel(x, y))
                    ink |= QRect(x, y, 1, 1);
        // Text cut by the box reaches the edge it is cut at, inside the frame.
        EXPECT_TRUE(QRect(QPoint(0, 0), size).adjusted(2, 2, -2, -2).contains(ink));
        EXPECT_NEAR(ink.center().x(), size.width() / 2, 2);
        EXPECT_NEAR(ink.center().y(), size.height() / 2, 2);
        EXPECT_EQ(box.font().pixelSize() < typeface::pixelsForPoints(points), shrinks);
        box.clear();
        EXPECT_EQ(box.font().pixelSize(), typeface::pixelsForPoints(points));
    }
}

}  // namespace

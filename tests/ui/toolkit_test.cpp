// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/caption.h"
#include "ui/geometry.h"

namespace {

TEST(Geometry, TwipsRoundToTheNearestPixelAtFifteenToOne)
{
    // Designed boxes: edges round to the nearest pixel (8 twips are 0.53 px, 1 px), sizes
    // follow the rounded edges, so boxes that touch in the design touch on screen.
    const std::pair<QRect, QRect> boxes[] = {
        {twips(8760, 360, 2970, 375), QRect(584, 24, 198, 25)},
        {twips(5213, 4200, 1455, 1365), QRect(348, 280, 97, 91)},
        {twips(2033, 4680, 2295, 1335), QRect(136, 312, 153, 89)},
        {twips(8, 22, 7, 23), QRect(1, 1, 0, 2)},
        {twips(-120, 1200, 12345, 8220), QRect(-8, 80, 823, 548)},
        {twips(-8, -7, 1007, 1000), QRect(-1, 0, 68, 66)},
    };
    for (const auto& [made, expected] : boxes)
        EXPECT_EQ(made, expected);
    const QRect left = twips(0, 0, 1007, 10), right = twips(1007, 0, 1000, 10);
    EXPECT_EQ(left.right() + 1, right.left());
}

TEST(Caption, WidensInsteadOfCuttingAndShrinksOnlyPastItsRoom)
{
    QWidget window;
    window.resize(400, 100);
    using Align = CaptionLook::Align;
    const QString longText = QStringLiteral("عدد الاجابات الصحيحة :  99999"), shortText = "0";
    // The designed box, the alignment, the room (empty: the window), the text; the left edge
    // it ends at, or which of its designed edges it keeps, and whether it keeps its 21 px type.
    constexpr int centre = -1, rightEdge = -2;
    const std::tuple<QRect, Align, QRect, QString, int, bool> cases[] = {
        {{300, 10, 60, 25}, Align::Right, {}, longText, rightEdge, true},  // widens leftwards
        {{170, 50, 60, 25}, Align::Centre, {}, longText, centre, true},  // widens about its centre
        {{10, 70, 60, 25}, Align::Right, {}, longText, 0, true},         // slides along the edge
        {{300, 10, 60, 25}, Align::Right, {}, shortText, 300, true},     // the designed box
        {{300, 10, 60, 25}, Align::Right, {250, 0, 150, 100}, longText, 250, false},
    };
    for (const auto& [box, align, room, text, left, designedType] : cases) {
        SCOPED_TRACE(testing::Message() << box.x() << " " << text.size());
        Caption caption(&window, "caption", box, CaptionLook{15.75, true, Qt::black, align}, text);
        caption.setRoom(room);
        const QFontMetrics metrics(caption.font());
        EXPECT_GE(caption.width(), metrics.horizontalAdvance(caption.text()));
        EXPECT_GE(caption.height(), metrics.height());
        EXPECT_TRUE((room.isEmpty() ? window.rect() : room).contains(caption.geometry()));
        EXPECT_NEAR(caption.geometry().center().y(), box.center().y(), 1);
        if (left == centre)
            EXPECT_NEAR(caption.geometry().center().x(), box.center().x(), 1);
        else if (left == rightEdge)
            EXPECT_EQ(caption.geometry().right(), box.right());
        else
            EXPECT_EQ(caption.geometry().left(), left);
        EXPECT_EQ(caption.font().pixelSize() == 21, designedType);
    }
}

TEST(RightToLeft, IsolatesRunsOfDigitsAndLatinThatBlanksJoin)
{
    const QString rlm(QChar(0x200F)), lri(QChar(0x2066)), pdi(QChar(0x2069));
    const std::pair<QString, QString> cases[] = {
        {"الهاتف : 0100 555 000", rlm + "الهاتف : " + lri + "0100 555 000" + pdi},
        {"Noto Naskh ", rlm + lri + "Noto Naskh" + pdi + " "},
        // Single numbers and words need nothing; signs end a run.
        {"جميع الحقوق محفوظة 2026", rlm + "جميع الحقوق محفوظة 2026"},
        {"", ""},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(rightToLeft(text), shown) << text.toStdString();
}

}  // namespace

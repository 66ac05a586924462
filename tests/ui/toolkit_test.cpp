#include <QFontMetrics>
#include <gtest/gtest.h>

#include "ui/caption.h"
#include "ui/geometry.h"

namespace {

TEST(Geometry, TwipsBecomePixelsAtFifteenToOne)
{
    EXPECT_EQ(twips(8760, 360, 2970, 375), QRect(584, 24, 198, 25));
    EXPECT_EQ(twips(0, 0, 12000, 9000).size(), QSize(800, 600));
    // Edges are rounded, so boxes that touch in the design still touch.
    const QRect left = twips(0, 0, 1007, 10), right = twips(1007, 0, 1000, 10);
    EXPECT_EQ(left.right() + 1, right.left());
    EXPECT_EQ(twips(-120, 1200, 12345, 8220).left(), -8);
}

TEST(Caption, WidensInsteadOfCuttingAndShrinksOnlyPastItsRoom)
{
    QWidget window;
    window.resize(400, 100);
    const QString longText = QStringLiteral("عدد الاجابات الصحيحة :  99999");
    Caption right(&window, "right", QRect(300, 10, 60, 25),
                  CaptionLook{15.75, true, Qt::black, CaptionLook::Align::Right}, longText);
    Caption centred(&window, "centred", QRect(170, 50, 60, 25),
                    CaptionLook{15.75, true, Qt::black, CaptionLook::Align::Centre}, longText);
    for (Caption* caption : {&right, &centred}) {
        SCOPED_TRACE(caption->objectName().toStdString());
        EXPECT_GE(caption->width(), QFontMetrics(caption->font()).horizontalAdvance(caption->text()));
        EXPECT_GE(caption->height(), QFontMetrics(caption->font()).height());
        EXPECT_TRUE(window.rect().contains(caption->geometry()));
    }
    EXPECT_EQ(right.geometry().right(), QRect(300, 10, 60, 25).right());
    EXPECT_NEAR(centred.geometry().center().x(), QRect(170, 50, 60, 25).center().x(), 1);
    // Both still use the designed type: the text fits the window.
    EXPECT_EQ(right.font().pixelSize(), 21);

    // Back to a short text, the caption goes back to its designed width; its
    // height stays that of a line of its type, about the designed middle.
    right.setCaption(QStringLiteral("0"));
    EXPECT_EQ(right.geometry().left(), 300);
    EXPECT_EQ(right.geometry().width(), 60);
    EXPECT_NEAR(right.geometry().center().y(), QRect(300, 10, 60, 25).center().y(), 1);

    // Pushed against the window's edge, a caption slides along rather than
    // leave the window.
    Caption edge(&window, "edge", QRect(10, 70, 60, 25),
                 CaptionLook{15.75, true, Qt::black, CaptionLook::Align::Right}, longText);
    EXPECT_EQ(edge.geometry().left(), 0);

    // A room narrower than the text makes the type smaller, never cuts it.
    right.setCaption(longText);
    right.setRoom(QRect(250, 0, 150, 100));
    EXPECT_LT(right.font().pixelSize(), 21);
    EXPECT_TRUE(QRect(250, 0, 150, 100).contains(right.geometry()));
    EXPECT_GE(right.width(), QFontMetrics(right.font()).horizontalAdvance(right.text()));
}

}  // namespace

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QElapsedTimer>

#include "window_test.h"

namespace fendrel {
namespace {

using MouseTest = WindowTest;

TEST_F(MouseTest, LeftDragMovesTheTipOfAAndEverythingFollows) {
    const QImage before = paintedCanvas();
    const QString setR = caption("SetR");
    mouse(canvas(), QEvent::MouseButtonPress, QPointF(100, 400), Qt::LeftButton, Qt::LeftButton);
    moveWith(Qt::LeftButton, QPointF(400, 100));

    const Line& a = window.state().line(Vec::A);
    EXPECT_FLOAT_EQ(a.x2, 6000);
    EXPECT_FLOAT_EQ(a.y2, 1500);
    EXPECT_EQ(caption("Ax"), QStringLiteral("Ax= 2280"));
    EXPECT_EQ(caption("Ay"), QStringLiteral("Ay= 3540"));
    EXPECT_TRUE(caption("SetA").startsWith(QStringLiteral("A= 4210.")));
    EXPECT_NE(caption("SetR"), setR);
    EXPECT_EQ(label("LabelA").pos(), QPoint(400, 100));
    EXPECT_EQ(label("LabelR").pos(), px(window.state().line(Vec::R).x2, window.state().line(Vec::R).y2).toPoint());

    const QImage after = paintedCanvas();
    EXPECT_TRUE(colourNear(before, px(3720, 2940), kColourA));
    EXPECT_FALSE(colourNear(after, px(3720, 2940), kColourA));
    EXPECT_TRUE(colourNear(after, QPointF(324, 218), kColourA));  // half-way from the origin to the pointer

    mouse(canvas(), QEvent::MouseButtonRelease, QPointF(400, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_FLOAT_EQ(window.state().line(Vec::A).x2, 6000);
}

TEST_F(MouseTest, ButtonsAreSummedAndOnlyLeftOrRightAloneDrag) {
    const FormState start = window.state();
    moveWith(Qt::LeftButton | Qt::RightButton, QPointF(300, 300));
    moveWith(Qt::MiddleButton, QPointF(300, 300));
    moveWith(Qt::LeftButton | Qt::MiddleButton, QPointF(300, 300));
    moveWith(Qt::RightButton | Qt::MiddleButton, QPointF(300, 300));
    moveWith(Qt::NoButton, QPointF(300, 300));
    EXPECT_EQ(window.state(), start);

    // The right button moves the whole figure; captions stay.
    moveWith(Qt::RightButton, QPointF(300, 300));
    const Line& a = window.state().line(Vec::A);
    EXPECT_FLOAT_EQ(a.x1, 4500);
    EXPECT_FLOAT_EQ(a.y1, 4500);
    EXPECT_EQ(label("LabelA").pos(), QPoint(300, 20));
    EXPECT_EQ(caption("SetA"), QStringLiteral("A= 4200, 90°"));

    // Shift does not stop a tip drag.
    moveWith(Qt::LeftButton, QPointF(150, 150), Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(window.state().line(Vec::A).x2, 2250);
}

TEST_F(MouseTest, DragStartedOnTheCanvasGoesOnOverALabel) {
    QWindow& handle = *window.windowHandle();
    const QPoint start = canvas().mapTo(&window, QPoint(100, 400));
    const QPoint overB = label("LabelB").mapTo(&window, label("LabelB").rect().center());
    QTest::mousePress(&handle, Qt::LeftButton, {}, start);
    QTest::mouseMove(&handle, overB);
    QTest::mouseRelease(&handle, Qt::LeftButton, {}, overB);

    const QPointF tip = WindowTest::px(window.state().line(Vec::A).x2, window.state().line(Vec::A).y2);
    EXPECT_EQ(canvas().mapTo(&window, tip.toPoint()), overB);
    EXPECT_EQ(window.state().vars.selected, Vec::A);  // the release over LabelB is no click on it
}

TEST_F(MouseTest, ClickOnALabelSelectsItsVectorAndNeverDrags) {
    QLabel& b = label("LabelB");
    const Line startA = window.state().line(Vec::A);
    mouse(b, QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton);
    mouse(b, QEvent::MouseMove, QPointF(40, 40), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.state().line(Vec::A), startA);
    mouse(b, QEvent::MouseButtonRelease, QPointF(2, 2), Qt::LeftButton, Qt::NoButton);

    EXPECT_EQ(window.state().vars.selected, Vec::B);
    EXPECT_TRUE(b.font().bold());
    EXPECT_DOUBLE_EQ(b.font().pointSizeF(), 15);
    EXPECT_FALSE(label("LabelA").font().bold());
    EXPECT_DOUBLE_EQ(label("LabelA").font().pointSizeF(), 10);
    EXPECT_EQ(b.size(), b.sizeHint());

    // R is locked: its label ignores the click.
    QTest::mouseClick(&label("LabelR"), Qt::LeftButton);
    EXPECT_EQ(window.state().vars.selected, Vec::B);

    // A release outside the label is no click.
    QLabel& a = label("LabelA");
    mouse(a, QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton);
    mouse(a, QEvent::MouseButtonRelease, QPointF(-30, 2), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window.state().vars.selected, Vec::B);
}

TEST_F(MouseTest, FarAwayTipIsPaintedQuicklyAlongItsDirection) {
    mouse(canvas(), QEvent::MouseButtonPress, QPointF(100, 400), Qt::LeftButton, Qt::LeftButton);
    // (9,000,000, -9,000,000) window units: far up and to the right.
    moveWith(Qt::LeftButton, QPointF(600000, -600000));
    ASSERT_FLOAT_EQ(window.state().line(Vec::A).x2, 9'000'000);

    QElapsedTimer clock;
    clock.start();
    const QImage image = paintedCanvas();
    EXPECT_LT(clock.elapsed(), 1000);
    // A and R leave the origin (248, 336) at 45 degrees, R painted over A.
    EXPECT_TRUE(colourNear(image, QPointF(248 + 30, 336 - 30), kColourR));
    EXPECT_TRUE(colourNear(image, QPointF(248 + 300, 336 - 300), kColourR));
    EXPECT_TRUE(colourNear(image, px(5340, 5040), kColourB));
}

}  // namespace
}  // namespace fendrel

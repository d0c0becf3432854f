// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ui/figure/segment_clip.h"

namespace fendrel {
namespace {

const QRectF kView(0, 0, 800, 600);

void expectNear(QPointF actual, QPointF expected) {
    EXPECT_NEAR(actual.x(), expected.x(), 1e-6);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-6);
}

TEST(SegmentClipTest, KeepsInsidePartsAndDropsOutsideOnes) {
    const QLineF inside(10, 20, 300, 400);
    EXPECT_EQ(clipSegment(inside, kView), inside);

    EXPECT_FALSE(clipSegment(QLineF(-50, 10, -10, 500), kView));        // wholly left
    EXPECT_FALSE(clipSegment(QLineF(900, 700, 5000, 20000), kView));    // wholly below right
    EXPECT_FALSE(clipSegment(QLineF(780, -30, 830, 20), kView));        // passes the corner outside

    const auto tip = clipSegment(QLineF(100, 100, 1100, 100), kView);   // horizontal, leaves right
    ASSERT_TRUE(tip);
    expectNear(tip->p1(), {100, 100});
    expectNear(tip->p2(), {800, 100});
}

TEST(SegmentClipTest, FarEndsAreCutOnTheBoundaryKeepingTheDirection) {
    // An end point ten million units away, as a pixel position: about 667,000 pixels.
    const QLineF far(248, 336, 666'667, -666'667);
    const auto shown = clipSegment(far, kView);
    ASSERT_TRUE(shown);
    expectNear(shown->p1(), far.p1());
    EXPECT_NEAR(shown->p2().y(), 0, 1e-6);
    EXPECT_NEAR(shown->angle(), far.angle(), 1e-9);

    // Both ends far away on opposite sides: the view's width is what remains.
    const auto through = clipSegment(QLineF(-1e7, 300, 1e7, 300), kView);
    ASSERT_TRUE(through);
    expectNear(through->p1(), {0, 300});
    expectNear(through->p2(), {800, 300});
}

}  // namespace
}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "ui/figure/arrow_head.h"
#include "ui/figure/figure_view.h"

namespace fendrel {
namespace {

TEST(ZoomSteps, OneAndAQuarterApartBetweenHalfAndFour) {
    double zoom = 1;
    int steps = 0;
    for (; zoom < kMaxZoom && steps < 20; ++steps) {
        const double next = zoomedIn(zoom);
        EXPECT_TRUE(std::abs(next / zoom - kZoomStep) < 1e-12 || next == kMaxZoom) << zoom;
        zoom = next;
    }
    EXPECT_EQ(steps, 7);
    EXPECT_EQ(zoomedIn(kMaxZoom), kMaxZoom);
    for (steps = 0; zoom > kMinZoom && steps < 20; ++steps) zoom = zoomedOut(zoom);
    EXPECT_EQ(steps, 11);  // down the same rungs, then to the bottom
    EXPECT_EQ(zoomedOut(kMinZoom), kMinZoom);
    // Back and forth returns exactly to the actual size.
    EXPECT_EQ(zoomedOut(zoomedIn(1)), 1.0);
    EXPECT_EQ(zoomedIn(zoomedOut(1)), 1.0);
}

TEST(ZoomSteps, FromBetweenRungsToTheNextRungEachWay) {
    EXPECT_EQ(zoomedIn(1.1), 1.25);
    EXPECT_EQ(zoomedOut(1.1), 1.0);
    EXPECT_EQ(zoomedIn(std::numeric_limits<double>::quiet_NaN()), 1.25);  // never NaN
}

TEST(FittingZoom, TheSmallerRatioWithinTheZoomRange) {
    EXPECT_EQ(fittingZoom(1512, 1088, 756, 544), 2.0);
    EXPECT_EQ(fittingZoom(1512, 544, 756, 544), 1.0);
    EXPECT_EQ(fittingZoom(10000, 10000, 756, 544), kMaxZoom);
    EXPECT_EQ(fittingZoom(100, 100, 756, 544), kMinZoom);
    EXPECT_EQ(fittingZoom(0, 0, 756, 544), kMinZoom);
    EXPECT_EQ(fittingZoom(756, 544, 0, 0), kMinZoom);
}

TEST(ArrowHead, PointOnTheTipSizedFromTheWidth) {
    const auto head = arrowHead(QPointF(0, 100), QPointF(0, 0), 3);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->triangle.at(0), QPointF(0, 0));
    EXPECT_EQ(head->base, QPointF(0, 15));
    EXPECT_EQ(head->triangle.boundingRect(), QRectF(-6, 0, 12, 15));
    const auto wide = arrowHead(QPointF(0, 0), QPointF(100, 0), 6);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->triangle.boundingRect(), QRectF(70, -12, 30, 24));
}

TEST(ArrowHead, NoneWithoutLengthAndAShortLineStopsAtItsTail) {
    EXPECT_FALSE(arrowHead(QPointF(5, 5), QPointF(5, 5), 3));
    const auto shortLine = arrowHead(QPointF(0, 0), QPointF(4, 0), 3);
    ASSERT_TRUE(shortLine);
    EXPECT_EQ(shortLine->base, QPointF(0, 0));
}

}  // namespace
}  // namespace fendrel

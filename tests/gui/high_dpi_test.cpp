// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

namespace fendrel {
namespace {

// Run with QT_SCALE_FACTOR=2: every logical pixel is two device pixels.
using HighDpiTest = WindowTest;

TEST_F(HighDpiTest, LinesAreThreeLogicalPixelsWideAndLabelsOnTheTips) {
    ASSERT_DOUBLE_EQ(window.devicePixelRatio(), 2.0);
    EXPECT_EQ(canvas().size(), QSize(756, 544));

    const QImage image = paintedCanvas();
    ASSERT_EQ(image.size(), QSize(1512, 1088));
    // Across A's line, x = 248 logical, in the device pixel row through its middle.
    const int row = 196 * 2;
    const QColor background = image.pixelColor(20, row);
    int covered = 0, exact = 0;
    for (int x = 2 * 248 - 12; x <= 2 * 248 + 12; ++x) {
        const QColor c = image.pixelColor(x, row);
        covered += c != background;
        exact += c == kColourA;
    }
    EXPECT_GE(exact, 5);
    EXPECT_LE(covered, 8);
    EXPECT_TRUE(colourNear(image, px(5340, 5040), kColourB));
    EXPECT_TRUE(colourNear(image, px(5340, 2940), kColourR));

    EXPECT_EQ(label("LabelA").pos(), QPoint(248, 56));
    EXPECT_EQ(label("LabelB").pos(), QPoint(464, 336));
    EXPECT_EQ(label("LabelR").pos(), QPoint(464, 56));
}

}  // namespace
}  // namespace fendrel

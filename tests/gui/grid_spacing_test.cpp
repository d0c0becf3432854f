// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "model/refresh.h"
#include "ui/figure/grid_painter.h"
#include "ui/figure/grid_spacing.h"

namespace fendrel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The spacing in caption units as a power of ten times this mantissa.
double mantissa(double spacing, double captionScale) {
    const double log = std::log10(spacing) + std::log10(std::abs(captionScale));
    return std::pow(10.0, log - std::floor(log + 1e-9));
}

struct Case {
    const char* what;
    double unitsPerPixel, captionScale;
    double expected;  // window units
};

TEST(GridSpacing, StepsOfOneTwoFiveCaptionUnitsTwentyFourToEightyPixelsApart) {
    const Case cases[] = {
        {"window units at 96 dpi", 15, 1, 500},
        {"zoom 4", 15.0 / 4, 1, 100},
        {"zoom 0.5", 30, 1, 1000},
        {"exactly 24 pixels", 100.0 / 24, 1, 100},
        {"reference 5 for 4200 units", 15, 5.0 / 4200, 420},
        {"negative reference constant", 15, -5.0 / 4200, 420},
        {"huge reference", 15, 4e300, 500},
        {"tiny reference", 15, 3e-300, 2000.0 / 3},
        {"scale below the smallest normal", 15, 1e-310, 500},
        {"zero scale counts as window units", 15, 0, 500},
        {"infinite scale counts as window units", 15, kInf, 500},
        {"NaN scale counts as window units", 15, kNaN, 500},
    };
    for (const Case& c : cases) {
        const auto spacing = gridSpacing(c.unitsPerPixel, c.captionScale);
        ASSERT_TRUE(spacing) << c.what;
        EXPECT_NEAR(*spacing, c.expected, c.expected * 1e-9) << c.what;
        const double pixels = *spacing / c.unitsPerPixel;
        EXPECT_GE(pixels, kMinGridPixels * (1 - 1e-9)) << c.what;
        EXPECT_LE(pixels, 80) << c.what;
    }
}

TEST(GridSpacing, AnyMagnitudeGivesAFiniteOneTwoFiveStep) {
    for (double scale = 1e-300; scale < 1e300; scale *= 7.3) {
        for (double unitsPerPixel : {0.05, 3.75, 15.0, 30.0}) {
            const auto spacing = gridSpacing(unitsPerPixel, scale);
            ASSERT_TRUE(spacing && std::isfinite(*spacing)) << scale;
            const double pixels = *spacing / unitsPerPixel;
            ASSERT_TRUE(pixels >= kMinGridPixels * (1 - 1e-9) && pixels <= 2.5 * kMinGridPixels * (1 + 1e-9)) << scale;
            const double m = mantissa(*spacing, scale);
            ASSERT_TRUE(std::abs(m - 1) < 1e-6 || std::abs(m - 2) < 1e-6 || std::abs(m - 5) < 1e-6 ||
                        std::abs(m - 10) < 1e-5)
                << scale << " " << m;
        }
    }
}

TEST(GridSpacing, NoSpacingWithoutAUsablePixelSize) {
    for (double unitsPerPixel : {0.0, -15.0, kInf, kNaN}) EXPECT_FALSE(gridSpacing(unitsPerPixel, 1)) << unitsPerPixel;
}

TEST(GridSpacing, CaptionsUnitFollowsTheMarkedConstant) {
    FormState s;
    s.vars.referenceConstant = Number::dbl(5);
    s.vars.magnitude = {Number::single(4200), Number::single(0), Number::single(2100)};
    EXPECT_EQ(captionUnitsPerWindowUnit(s), 1.0);
    s.menu(Menu::ca).checked = true;
    EXPECT_DOUBLE_EQ(captionUnitsPerWindowUnit(s), 5.0 / 4200);
    s.menu(Menu::ca).checked = false;
    s.menu(Menu::cr).checked = true;
    EXPECT_DOUBLE_EQ(captionUnitsPerWindowUnit(s), 5.0 / 2100);
    // A reference of no length leaves the captions in window units.
    s.menu(Menu::cr).checked = false;
    s.menu(Menu::cb).checked = true;
    EXPECT_EQ(captionUnitsPerWindowUnit(s), 1.0);
}

TEST(GridPositions, LinesThroughTheOriginAcrossTheRange) {
    const auto positions = gridPositions(248, 100, 0, 756);
    EXPECT_EQ(positions, std::vector<double>({48, 148, 248, 348, 448, 548, 648, 748}));
    EXPECT_EQ(gridPositions(-1e8, 30, 0, 60), std::vector<double>({20, 50}));  // origin far outside
    EXPECT_EQ(gridPositions(1e8 + 5, 50, 0, 60), std::vector<double>({5, 55}));
}

TEST(GridPositions, NoLinesForUnusableSpacingOrOrigin) {
    EXPECT_TRUE(gridPositions(0, 0, 0, 100).empty());
    EXPECT_TRUE(gridPositions(0, -10, 0, 100).empty());
    EXPECT_TRUE(gridPositions(0, 1e-9, 0, 100).empty());  // more lines than pixels
    EXPECT_TRUE(gridPositions(kNaN, 10, 0, 100).empty());
    EXPECT_TRUE(gridPositions(kInf, 10, 0, 100).empty());
    EXPECT_TRUE(gridPositions(0, kNaN, 0, 100).empty());
}

}  // namespace
}  // namespace fendrel

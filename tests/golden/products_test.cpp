// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scalar products report: three lines written out factor by factor, in window units.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

namespace {

const std::string kWarning =
    "\r\rWARNING :\rResults may slightly vary due to precision settings or angle mode (radians/degrees)";

std::string report(const std::string& l1, const std::string& l2, const std::string& l3) {
    return "\r" + l1 + "\r\r" + l2 + "\r\r" + l3 + kWarning;
}

// The text of the only message box of the last dump, after checking its frame.
std::string productsText(const Json& d) {
    const auto& shown = dialogs(d).items();
    if (shown.empty() || shown.back()["kind"].string() != "message") return "(no message box)";
    EXPECT_EQ(shown.back()["buttons"].number(), 0);
    EXPECT_EQ(shown.back()["title"].string(), "PRODUCTS");
    return shown.back()["text"].string();
}

}  // namespace

const std::string kStartUpReport =
    report("A x B x Cos(AB)=  4200 x  3240 x Cos( 90°)=  0",
           "A x R x Cos(AR)=  4200 x  5304.49 x Cos( 37.65°)=  17640000",
           "B x R x Cos(BR)=  3240 x  5304.49 x Cos( 52.35°)=  10497600");

// Each product is Ax·Bx + Ay·By of the measured components, whatever the angle unit.
TEST(Products, TheStartUpFigureReadsCharacterForCharacterInEitherUnit) {
    EXPECT_EQ(productsText(lastDump(fresh("click Products\ndump\n"))), kStartUpReport);
    EXPECT_EQ(productsText(lastDump(fresh("click AngleMode\nclick Products\ndump\n"))),
              report("A x B x Cos(AB)=  4200 x  3240 x Cos( 1.57r)=  0",
                     "A x R x Cos(AR)=  4200 x  5304.49 x Cos( .66r)=  17640000",
                     "B x R x Cos(BR)=  3240 x  5304.49 x Cos( .91r)=  10497600"));
}

TEST(Products, ObtuseAngleGivesANegativeProductWithoutBlank) {
    const Json d = lastDump(fresh("reply 225\nclick AngleB\nclick Products\ndump\n"));
    EXPECT_EQ(productsText(d),
              report("A x B x Cos(AB)=  4200 x  3240 x Cos( 135°)= -9622308.69",
                     "A x R x Cos(AR)=  4200 x  2982.11 x Cos( 50.2°)=  8017691.31",
                     "B x R x Cos(BR)=  3240 x  2982.11 x Cos( 84.8°)=  875290.46"));
}

TEST(Products, ZeroMagnitudeGivesZeroProducts) {
    const Json d = lastDump(fresh("reply 0\nclick SizeA\nclick Products\ndump\n"));
    EXPECT_EQ(productsText(d),
              report("A x B x Cos(AB)=  0 x  3240 x Cos( 90°)=  0",
                     "A x R x Cos(AR)=  0 x  3240 x Cos( 90°)=  0",
                     "B x R x Cos(BR)=  3240 x  3240 x Cos( 0°)=  10497600"));
}

TEST(Products, ANegativeProductThatRoundsToZeroHasNoSign) {
    // Ax = -0.000001 from the origin at the corner: A·B = -0.00324.
    const Json d = lastDump(fresh("move 2 0 0\nreply -0.000001\nclick Ax\nclick Products\ndump\n"));
    EXPECT_EQ(productsText(d), kStartUpReport);
}

TEST(Products, DescribeTheFigureAsTheCaptionsMeasuredIt) {
    // Far out a single cannot hold B's .5, so the figure drag draws B as a point; the
    // captions, and the products, still describe the B of .5 the last refresh measured.
    const Json d = lastDump(fresh("reply 0.5\nclick Bx\nmove 2 9000000 5040\nclick Products\ndump\n"));
    EXPECT_EQ(tip(d, "LineB"), tail(d, "LineB"));
    EXPECT_EQ(productsText(d),
              report("A x B x Cos(AB)=  4200 x  .5 x Cos( 90°)=  0",
                     "A x R x Cos(AR)=  4200 x  4200 x Cos( .01°)=  17640000",
                     "B x R x Cos(BR)=  .5 x  4200 x Cos( 89.99°)=  .25"));
}

TEST(Products, StayInWindowUnitsWhileAReferenceIsMarked) {
    EXPECT_EQ(productsText(lastDump(fresh("reply 5\nclick ca\nclick Products\ndump\n"))), kStartUpReport);
}

TEST(Products, ChangeNothing) {
    const Json d = expectNoTrace("click ModeB\n", "click Products\n");
    EXPECT_EQ(dialogs(d).items().size(), 1u);
}

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

TEST(Products, AUpAtNinetyDegreesReadsCharacterForCharacter) {
    const Json d = lastDump(fresh("reply 90\nclick AngleA\nclick Products\ndump\n"));
    EXPECT_EQ(var(d, "modR"), 5304.4886652720825);
    EXPECT_EQ(productsText(d),
              report("A x B x Cos(AB)=  4200 x  3240 x Cos( 90°)=  .18",
                     "A x R x Cos(AR)=  4200 x  5304.49 x Cos( 37.65°)=  17639439.39",
                     "B x R x Cos(BR)=  3240 x  5304.49 x Cos( 52.35°)=  10498167.85"));
}

TEST(Products, TheSameArrowsInRadiansUseTheRoundedAngle) {
    const Json d = lastDump(fresh("reply 90\nclick AngleA\nclick AngleMode\nclick Products\ndump\n"));
    EXPECT_EQ(productsText(d),
              report("A x B x Cos(AB)=  4200 x  3240 x Cos( 1.57r)=  10836.41",
                     "A x R x Cos(AR)=  4200 x  5304.49 x Cos( .66r)=  17600124.75",
                     "B x R x Cos(BR)=  3240 x  5304.49 x Cos( .91r)=  10548170.54"));
}

TEST(Products, ObtuseAngleGivesANegativeProductWithoutBlank) {
    const Json d = lastDump(fresh("reply 225\nclick AngleB\nclick Products\ndump\n"));
    EXPECT_EQ(productsText(d),
              report("A x B x Cos(AB)=  4200 x  3240 x Cos( 135°)= -9622308.89",
                     "A x R x Cos(AR)=  4200 x  2982.11 x Cos( 50.2°)=  8017285.72",
                     "B x R x Cos(BR)=  3240 x  2982.11 x Cos( 84.8°)=  875695.41"));
}

TEST(Products, ZeroMagnitudeGivesZeroProducts) {
    const Json d = lastDump(fresh("reply 0\nclick SizeA\nclick Products\ndump\n"));
    EXPECT_EQ(productsText(d),
              report("A x B x Cos(AB)=  0 x  3240 x Cos( 90°)=  0",
                     "A x R x Cos(AR)=  0 x  3240 x Cos( 90°)=  0",
                     "B x R x Cos(BR)=  3240 x  3240 x Cos( 0°)=  10497600"));
}

TEST(Products, StayInWindowUnitsWhileAReferenceIsMarked) {
    const Json d = lastDump(fresh("reply 5\nclick ca\nclick Products\ndump\n"));
    EXPECT_EQ(productsText(d),
              report("A x B x Cos(AB)=  4200 x  3240 x Cos( 90°)=  .18",
                     "A x R x Cos(AR)=  4200 x  5426.6 x Cos( 35.1°)=  18647039.35",
                     "B x R x Cos(BR)=  3240 x  5426.6 x Cos( 54.9°)=  10109848.26"));
}

TEST(Products, ChangeNothing) {
    const Json d = expectNoTrace("click ModeB\n", "click Products\n");
    EXPECT_EQ(dialogs(d).items().size(), 1u);
}

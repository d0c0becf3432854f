// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules as they reach the screen: 2-decimal rounding, the display format of
// singles and doubles (exponent form from 10^15 up), the plain text of a single and the
// reader of typed replies.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

namespace {

// The caption of Ax after A's tip is dragged to (x, 840) on a fresh window (tail at 3720).
std::string axCaptionAt(const std::string& x) {
    return caption(lastDump(fresh("move 1 " + x + " 840\ndump\n")), "Ax");
}

// A's tip x after the reply `text` to the Ax prompt on a fresh window (tail at 3720).
double tipXAfterAxReply(const std::string& text) {
    return tip(lastDump(fresh("reply " + text + "\nclick Ax\ndump\n")), "LineA").x;
}

// The window with A marked as reference vector and declared to be `constant` long.
Json withConstant(const std::string& constant) { return lastDump(fresh("reply " + constant + "\nclick ca\ndump\n")); }

}  // namespace

TEST(DisplayFormat, BlankForNonNegativeNoZeroBeforeTheSeparator) {
    EXPECT_EQ(axCaptionAt("3720.07"), "Ax= .07");
    EXPECT_EQ(axCaptionAt("3719.75"), "Ax=-.25");
    EXPECT_EQ(axCaptionAt("3732.5"), "Ax= 12.5");
    EXPECT_EQ(axCaptionAt("3717"), "Ax=-3");
    EXPECT_EQ(axCaptionAt("3720"), "Ax= 0");
    // A horizontal line's y is 0 x -1, a negated zero, still shown as " 0".
    EXPECT_EQ(caption(lastDump(fresh("dump\n")), "By"), "By= 0");
}

TEST(TwoDecimalRounding, ExactTiesGoToTheEvenNeighbour) {
    EXPECT_EQ(axCaptionAt("3720.125"), "Ax= .12");
    EXPECT_EQ(axCaptionAt("3719.875"), "Ax=-.12");
    EXPECT_EQ(axCaptionAt("3720.375"), "Ax= .38");
    EXPECT_EQ(axCaptionAt("3722.5"), "Ax= 2.5");
    EXPECT_EQ(var(lastDump(fresh("move 1 3720.125 840\ndump\n")), "compAx"), single(0.12));
}

TEST(TwoDecimalRounding, IsJudgedOnTheStoredSingle) {
    // With the origin at 0, the x of A is the single nearest 12.345, which lies above it.
    const Json above = lastDump(fresh("move 2 0 0\nmove 1 12.345 -4200\ndump\n"));
    EXPECT_EQ(caption(above, "Ax"), "Ax= 12.35");
    EXPECT_EQ(var(above, "compAx"), single(12.35));
    // From the tail at 3720 the difference is 12.344970703125, below the half.
    EXPECT_EQ(axCaptionAt("3732.345"), "Ax= 12.34");
}

TEST(DisplayFormat, ComponentsAreSinglesShownWithSevenDigits) {
    const Json d = lastDump(fresh("move 2 0 0\nmove 1 1234.567 -4200\ndump\n"));
    EXPECT_EQ(var(d, "compAx"), single(1234.57));
    EXPECT_EQ(caption(d, "Ax"), "Ax= 1234.57");
    const Json big = lastDump(fresh("move 1 1238287.8 840\ndump\n"));
    EXPECT_EQ(var(big, "compAx"), 1234567.75);
    EXPECT_EQ(caption(big, "Ax"), "Ax= 1234568");
    EXPECT_EQ(caption(big, "Rx"), "Rx= 1237808");
    EXPECT_EQ(caption(big, "SetA"), "A= 1234574.89, .19°");  // a double keeps its decimals
}

TEST(DisplayFormat, ExponentFormFromTenToTheFifteenthUp) {
    const Json d = withConstant("1e20");
    EXPECT_EQ(labelCaption(d, "LabelA"), "1E+20");
    EXPECT_EQ(caption(d, "SetA"), "A= 1E+20, 90°");
    EXPECT_EQ(caption(d, "SetB"), "B= 7.71428571428572E+19, 0°");
    EXPECT_EQ(caption(d, "Rx"), "Rx= 7.71428571428572E+19");
    EXPECT_EQ(caption(d, "Ry"), "Ry= 1E+20");
    EXPECT_EQ(var(d, "compBx"), 7.714285714285715e19);

    EXPECT_EQ(caption(withConstant("1.5e20"), "SetA"), "A= 1.5E+20, 90°");

    const Json negative = withConstant("-2.5e16");
    EXPECT_EQ(labelCaption(negative, "LabelA"), "-2.5E+16");
    EXPECT_EQ(caption(negative, "SetA"), "A=-2.5E+16, 90°");
    EXPECT_EQ(caption(negative, "SetB"), "B=-1.92857142857143E+16, 0°");
}

TEST(DisplayFormat, PlainDecimalJustBelowTenToTheFifteenth) {
    const Json at = withConstant("1e15");
    EXPECT_EQ(labelCaption(at, "LabelA"), "1E+15");
    EXPECT_EQ(caption(at, "SetB"), "B= 771428571428571, 0°");
    EXPECT_EQ(caption(at, "Ry"), "Ry= 1E+15");

    const Json below = withConstant("999999999999999");
    EXPECT_EQ(labelCaption(below, "LabelA"), "999999999999999");
    EXPECT_EQ(caption(below, "SetA"), "A= 999999999999999, 90°");
    EXPECT_EQ(caption(below, "Ry"), "Ry= 999999999999999");
}

TEST(PlainText, SingleComponentReachesTheAngleAsItsSevenDigitText) {
    // y is the single nearest 0.1; the angle is computed from the double 0.1.
    const Json d = lastDump(fresh("move 2 0 0\nmove 1 1000 -0.1\ndump\n"));
    EXPECT_EQ(var(d, "compAy"), single(0.1));
    EXPECT_EQ(caption(d, "Ay"), "Ay= .1");
    EXPECT_EQ(var(d, "angA"), 0.0057295779809014066);
    EXPECT_EQ(caption(d, "SetA"), "A= 1000, .01°");
}

TEST(NumberReader, ReadsTheLeadingNumberSkippingBlanksAndTabs) {
    EXPECT_EQ(tipXAfterAxReply(" 1 2.5"), 3732.5);
    EXPECT_EQ(tipXAfterAxReply("\t3"), 3723);
    EXPECT_EQ(tipXAfterAxReply("- 5"), 3715);
    EXPECT_EQ(tipXAfterAxReply("+7"), 3727);
    EXPECT_EQ(tipXAfterAxReply(".5"), 3720.5);
    EXPECT_EQ(tipXAfterAxReply("1e3"), 4720);
    EXPECT_EQ(tipXAfterAxReply("1 e 3"), 4720);
    EXPECT_EQ(tipXAfterAxReply("2E2"), 3920);
    EXPECT_EQ(tipXAfterAxReply("1e+2"), 3820);
    EXPECT_EQ(tipXAfterAxReply("5e-1"), 3720.5);
}

TEST(NumberReader, AReplyThatIsNotOneNumberIsRefusedAndChangesNothing) {
    for (const char* reply : {"3,5", "1.2.3", "1e", "12abc", "", "abc", "-", "--1", "x1", "1e400"})
        expectNoTrace("", "reply " + std::string(reply) + "\nclick Ax\n");
}

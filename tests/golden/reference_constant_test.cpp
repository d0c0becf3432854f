// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The constant items (reference vector and its declared magnitude) and the captions shown in
// reference units.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

namespace {

constexpr double kWhite = 0xFFFFFF;
constexpr double kColourA = 0x8080FF;
constexpr double kColourB = 0x00FF00;
constexpr double kColourR = 0x00FFFF;

bool checked(const Json& d, const char* menu) { return d["menus"][menu]["checked"].boolean(); }
double lineColour(const Json& d, const char* line) { return d["lines"][line]["color"].number(); }
double labelColour(const Json& d, const char* label) { return d["labels"][label]["foreColor"].number(); }

void expectConstantPrompts(const Json& d, std::size_t count, const std::string& title) {
    ASSERT_EQ(dialogs(d).items().size(), count);
    for (const Json& p : dialogs(d).items()) expectPrompt(p, "Constant value <>0", title);
}

}  // namespace

TEST(ReferenceConstant, AConstantFiveScalesEverythingAndWhitensA) {
    const Json d = lastDump(fresh("reply 5\nclick ca\ndump\n"));
    expectConstantPrompts(d, 1, "Vector A");
    EXPECT_TRUE(checked(d, "ca"));
    EXPECT_FALSE(checked(d, "cb"));
    EXPECT_FALSE(checked(d, "cr"));
    EXPECT_EQ(var(d, "kConst"), 5);
    EXPECT_EQ(lineColour(d, "LineA"), kWhite);
    EXPECT_EQ(labelColour(d, "LabelA"), kWhite);
    EXPECT_EQ(lineColour(d, "LineB"), kColourB);
    EXPECT_EQ(lineColour(d, "LineR"), kColourR);
    EXPECT_EQ(labelCaption(d, "LabelA"), "5");
    EXPECT_EQ(labelCaption(d, "LabelB"), "B");
    EXPECT_EQ(labelCaption(d, "LabelR"), "R ");
    EXPECT_EQ(caption(d, "SetA"), "A= 5, 90°");
    EXPECT_EQ(caption(d, "Ax"), "Ax= 0");
    EXPECT_EQ(caption(d, "Ay"), "Ay= 5");
    EXPECT_EQ(caption(d, "SetB"), "B= 3.86, 0°");
    EXPECT_EQ(caption(d, "Bx"), "Bx= 3.86");
    EXPECT_EQ(caption(d, "By"), "By= 0");
    EXPECT_EQ(caption(d, "SetR"), "R= 6.31, 52.35°");
    EXPECT_EQ(caption(d, "Rx"), "Rx= 3.86");
    EXPECT_EQ(caption(d, "Ry"), "Ry= 5");
    // Scaled components are 2-decimal rounded doubles; magnitudes and angles stay as measured.
    EXPECT_EQ(var(d, "compBx"), 3.86);
    EXPECT_EQ(var(d, "compRx"), 3.86);
    EXPECT_EQ(var(d, "compRy"), 5);
    EXPECT_EQ(var(d, "modB"), 3240);
    EXPECT_EQ(var(d, "angR"), 52.35237980479946);
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
}

TEST(ReferenceConstant, ReplyIsRoundedToTwoDecimalsAndZeroLikeRepliesAskAgain) {
    const Json d = lastDump(fresh("reply 0.004\nreply 0\nreply -0.001\nreply 2.3456\nclick ca\ndump\n"));
    expectConstantPrompts(d, 4, "Vector A");
    EXPECT_EQ(var(d, "kConst"), 2.35);
    EXPECT_EQ(labelCaption(d, "LabelA"), "2.35");
    EXPECT_EQ(caption(d, "SetB"), "B= 1.81, 0°");
}

// An empty reply ends the command as Cancel does; one that is no number, or too large,
// does so after a message box titled as the prompt: the marks and the constant stay.
TEST(ReferenceConstant, RefusedRepliesPutTheMarksBackAndSayWhy) {
    const struct {
        const char* reply;
        const char* message;  // none for an empty reply
    } cases[] = {{"", nullptr}, {"abc", "\"abc\" is not a number."}, {"1e400", "\"1e400\" is too large."}};
    for (const auto& c : cases) {
        const Json d = expectNoTrace("reply 5\nclick ca\ndump\n", std::string("reply 0\nreply ") + c.reply + "\nclick cb\n");
        ASSERT_EQ(dialogs(d).items().size(), c.message ? 3u : 2u) << c.reply;
        EXPECT_TRUE(checked(d, "ca"));
        EXPECT_EQ(var(d, "kConst"), 5);
        if (c.message) expectMessage(dialogs(d)[2], c.message, "Vector B", 48);
    }
}

TEST(ReferenceConstant, NegativeConstantFlipsShownSignsButNotAngles) {
    const Json d = lastDump(fresh("reply -2\nclick ca\ndump\n"));
    EXPECT_EQ(var(d, "kConst"), -2);
    EXPECT_EQ(labelCaption(d, "LabelA"), "-2");
    EXPECT_EQ(caption(d, "SetA"), "A=-2, 90°");
    EXPECT_EQ(caption(d, "Ax"), "Ax= 0");  // a negated zero still reads " 0"
    EXPECT_EQ(caption(d, "Ay"), "Ay=-2");
    EXPECT_EQ(caption(d, "SetB"), "B=-1.54, 0°");
    EXPECT_EQ(caption(d, "Bx"), "Bx=-1.54");
    EXPECT_EQ(caption(d, "By"), "By= 0");
    EXPECT_EQ(caption(d, "SetR"), "R=-2.53, 52.35°");
    EXPECT_EQ(caption(d, "Rx"), "Rx=-1.54");
    EXPECT_EQ(caption(d, "Ry"), "Ry=-2");
}

TEST(ReferenceConstant, CancelAtTheFirstPromptHasNoEffect) {
    const Json d = expectNoTrace("click ModeB\n", "cancel\nclick ca\n");
    expectConstantPrompts(d, 1, "Vector A");
    EXPECT_TRUE(d["vars"]["kConst"].isNull());
    EXPECT_FALSE(checked(d, "ca"));
}

TEST(ReferenceConstant, CancelAfterRepeatsRestoresTheMarksAndTheConstant) {
    const Json d = expectNoTrace("reply 5\nclick ca\ndump\n", "reply 0\nreply 0.001\ncancel\nclick cb\n");
    expectConstantPrompts(d, 3, "Vector B");
    EXPECT_TRUE(checked(d, "ca"));
    EXPECT_FALSE(checked(d, "cb"));
    EXPECT_EQ(var(d, "kConst"), 5);
    EXPECT_EQ(lineColour(d, "LineA"), kWhite);
    EXPECT_EQ(lineColour(d, "LineB"), kColourB);
}

TEST(ReferenceConstant, MarkingBWhileAIsMarkedMovesTheMarkAndTheWhite) {
    const Json d = lastDump(fresh("reply 5\nclick ca\nreply 3\nclick cb\ndump\n"));
    EXPECT_FALSE(checked(d, "ca"));
    EXPECT_TRUE(checked(d, "cb"));
    EXPECT_EQ(var(d, "kConst"), 3);
    EXPECT_EQ(lineColour(d, "LineA"), kColourA);
    EXPECT_EQ(labelColour(d, "LabelA"), kColourA);
    EXPECT_EQ(lineColour(d, "LineB"), kWhite);
    EXPECT_EQ(labelColour(d, "LabelB"), kWhite);
    EXPECT_EQ(lineColour(d, "LineR"), kColourR);
    EXPECT_EQ(labelCaption(d, "LabelA"), "A");
    EXPECT_EQ(labelCaption(d, "LabelB"), "3");
    EXPECT_EQ(caption(d, "SetA"), "A= 3.89, 90°");
    EXPECT_EQ(caption(d, "SetB"), "B= 3, 0°");
    EXPECT_EQ(caption(d, "SetR"), "R= 4.91, 52.35°");
}

TEST(ReferenceConstant, ChoosingTheMarkedItemClearsItWithoutAsking) {
    const Json d = lastDump(fresh("reply 5\nclick ca\nclick ca\ndump\n"));
    expectConstantPrompts(d, 1, "Vector A");  // only the first click asked
    EXPECT_FALSE(checked(d, "ca"));
    EXPECT_EQ(var(d, "kConst"), 5);
    EXPECT_EQ(lineColour(d, "LineA"), kColourA);
    EXPECT_EQ(labelColour(d, "LabelA"), kColourA);
    EXPECT_EQ(labelCaption(d, "LabelA"), "A");
    EXPECT_EQ(caption(d, "SetA"), "A= 4200, 90°");
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°");
    EXPECT_EQ(var(d, "compBx"), 3240);
}

TEST(ReferenceConstant, RLabelKeepsTheLeadingBlankTheOthersDoNot) {
    const Json r = lastDump(fresh("click LockA\nreply 2\nclick cr\ndump\n"));
    expectConstantPrompts(r, 1, "Vector R");
    EXPECT_EQ(labelCaption(r, "LabelR"), " 2");
    EXPECT_EQ(r["labels"]["LabelR"]["tooltip"].string(), "R");
    EXPECT_EQ(lineColour(r, "LineR"), kWhite);
    EXPECT_EQ(caption(r, "SetR"), "R= 2, 52.35°");
    EXPECT_EQ(caption(r, "SetA"), "A= 1.58, 90°");
    EXPECT_EQ(caption(r, "Bx"), "Bx= 1.22");

    const Json b = lastDump(fresh("reply 2\nclick cb\ndump\n"));
    expectConstantPrompts(b, 1, "Vector B");
    EXPECT_EQ(labelCaption(b, "LabelB"), "2");
    EXPECT_EQ(caption(b, "SetA"), "A= 2.59, 90°");
    EXPECT_EQ(caption(b, "Ry"), "Ry= 2.59");
}

TEST(ReferenceConstant, ComponentRoundedToZeroStaysZeroHoweverLargeTheRatio) {
    const Json d = lastDump(fresh("move 1 3720.004 840\nreply 1000000\nclick ca\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720.00390625, 840}));
    EXPECT_EQ(caption(d, "Ax"), "Ax= 0");
    EXPECT_EQ(caption(d, "Ay"), "Ay= 1000000");
    EXPECT_EQ(caption(d, "SetB"), "B= 771428.57, 0°");
}

TEST(ReferenceConstant, ZeroLengthReferenceKeepsWindowUnitsAndShowsZeroMagnitudes) {
    const Json d = lastDump(fresh("reply 5\nclick ca\nreply 0\nclick SizeA\ndump\n"));
    EXPECT_EQ(labelCaption(d, "LabelA"), "5");
    EXPECT_EQ(caption(d, "SetA"), "A= 5, 270°");
    EXPECT_EQ(caption(d, "Ax"), "Ax= 0");
    EXPECT_EQ(caption(d, "Ay"), "Ay= 0");
    // Earlier conversions showed B as 3.86; a failed conversion starts again from 0.
    EXPECT_EQ(caption(d, "SetB"), "B= 0, 0°");
    EXPECT_EQ(caption(d, "Bx"), "Bx= 3240");
    EXPECT_EQ(caption(d, "SetR"), "R= 0, 0°");
    EXPECT_EQ(caption(d, "Rx"), "Rx= 3240");
    EXPECT_EQ(var(d, "compBx"), 3240);
    EXPECT_EQ(var(d, "compRx"), 3240);
}

TEST(ReferenceConstant, ZeroLengthReferenceBInRadians) {
    const Json d = lastDump(fresh("click AngleMode\nclick LabelB\nmove 1 3720 5040\nreply 5\nclick cb\ndump\n"));
    EXPECT_EQ(labelCaption(d, "LabelB"), "5");
    EXPECT_EQ(caption(d, "SetB"), "B= 5, 4.71 r");
    EXPECT_EQ(caption(d, "SetA"), "A= 0, 1.57 r");
    EXPECT_EQ(caption(d, "Ay"), "Ay= 4200");
    EXPECT_EQ(caption(d, "SetR"), "R= 0, 1.57 r");
    EXPECT_EQ(caption(d, "Ry"), "Ry= 4200");
}

TEST(ReferenceConstant, OverflowingStepsAreSkippedOneByOne) {
    // 4200 x 1e306 overflows, 0 x 1e306 does not.
    const Json d = lastDump(fresh("reply 1e306\nclick ca\ndump\n"));
    EXPECT_EQ(var(d, "kConst"), 1e306);
    EXPECT_EQ(labelCaption(d, "LabelA"), "1E+306");
    EXPECT_EQ(caption(d, "SetA"), "A= 1E+306, 90°");
    EXPECT_EQ(caption(d, "Ax"), "Ax= 0");
    EXPECT_EQ(caption(d, "Ay"), "Ay= 4200");
    EXPECT_EQ(caption(d, "SetB"), "B= 0, 0°");
    EXPECT_EQ(caption(d, "Bx"), "Bx= 3240");
    EXPECT_EQ(caption(d, "SetR"), "R= 0, 52.35°");
    EXPECT_EQ(caption(d, "Rx"), "Rx= 3240");
    EXPECT_EQ(caption(d, "Ry"), "Ry= 4200");
    EXPECT_EQ(var(d, "compAy"), 4200);
}

TEST(ReferenceConstant, ScalingDoesNotAccumulateOverRefreshes) {
    const Json once = lastDump(fresh("reply 5\nclick ca\ndump\n"));
    const Json thrice = lastDump(fresh("reply 5\nclick ca\nclick AngleMode\nclick AngleMode\ndump\n"));
    EXPECT_EQ(firstDifference(once["menus"], thrice["menus"]), "");
    EXPECT_EQ(firstDifference(once["vars"], thrice["vars"]), "");
}

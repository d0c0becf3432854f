// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its line structure, the one-in-ten mail line and its frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"

using namespace golden;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == '\r') out.emplace_back();
        else out.back() += c;
    }
    return out;
}

void expectAboutBox(const Json& box, bool withMail) {
    EXPECT_EQ(box["kind"].string(), "message");
    EXPECT_EQ(box["buttons"].number(), 64);
    EXPECT_EQ(box["title"].string(), "INFO");
    const std::string text = box["text"].string();
    EXPECT_EQ(text.find('\n'), std::string::npos);
    const auto shown = lines(text);
    ASSERT_EQ(shown.size(), withMail ? 6u : 5u) << text;
    EXPECT_EQ(shown[0].rfind("Fendrel was made by ", 0), 0u) << shown[0];
    EXPECT_GT(shown[0].size(), std::string("Fendrel was made by ").size());
    EXPECT_FALSE(shown[1].empty());
    EXPECT_EQ(shown[2], "Last edition : 15th September 2005");
    EXPECT_EQ(shown[3], "");
    EXPECT_FALSE(shown[4].empty());
    if (withMail) {
        EXPECT_FALSE(shown[5].empty());
    }
}

}  // namespace

TEST(AboutBox, MailLineOnlyWhenTheDrawTimesTenFloorsToNine) {
    const Json d = lastDump(fresh("random 0.95\nrandom 0.85\nrandom 0.05\nrandom 0.999\nclick Info\nclick Info\nclick Info\nclick Info\ndump\n"));
    const auto& boxes = dialogs(d).items();
    ASSERT_EQ(boxes.size(), 4u);
    expectAboutBox(boxes[0], true);
    expectAboutBox(boxes[1], false);
    expectAboutBox(boxes[2], false);
    expectAboutBox(boxes[3], true);
    // The first five lines never change; the mail line only adds to them.
    EXPECT_EQ(boxes[0]["text"].string().rfind(boxes[1]["text"].string() + "\r", 0), 0u);
    EXPECT_EQ(boxes[1]["text"].string(), boxes[2]["text"].string());
}

TEST(AboutBox, EmptyRandomQueueDrawsZeroAndShowsNoMailLine) {
    const Json d = lastDump(fresh("click Info\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 1u);
    expectAboutBox(dialogs(d)[0], false);
}

TEST(AboutBox, ChangesNothing) {
    expectNoTrace("click ModeB\n", "random 0.95\nclick Info\n");
}

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Long random sessions through the window logic: seeded random bytes read as the fuzzers
// read theirs, so every kind of event comes, each checked as the fuzzers check it.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/lesson.h"
#include "tests/support/byte_reader.h"
#include "tests/support/session.h"
#include "tools/json_dump.h"
#include "tools/script_host.h"

using namespace fendrel;
using fendrel::testing::ByteReader;
using fendrel::testing::Session;

namespace {

// Within the steps the history keeps, so that undoing every step reaches the start.
constexpr int kEvents = 1000;

std::vector<std::uint8_t> randomBytes(unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<std::uint8_t> bytes(16 * kEvents);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    return bytes;
}

// The window as its lesson file gives it back, compared with the window: "" when alike.
std::string roundTrip(const FormState& s) {
    const std::string text = lessonText(s, std::nullopt);
    const std::string saved = stateJson(s);
    const FormState openedState = lessonFromText(text).state;
    const std::string opened = stateJson(openedState);
    return opened == saved && openedState.task == s.task ? "" : "opened as\n" + opened + "\nsaved as\n" + saved + "\nfile:\n" + text;
}

}  // namespace

TEST(RandomEvents, ALessonFileGivesBackTheWindowItWasSavedFrom) {
    ScriptHost host;
    Form minusZero(host);  // a tip the random events never reach
    minusZero.load();
    minusZero.mouseMove(1, 0, -0.0f, 100);
    ASSERT_EQ(roundTrip(minusZero.state()), "");
    // Each way of drawing the components, with the angles and without, comes back with it.
    for (ComponentStyle style : {ComponentStyle::Off, ComponentStyle::Triangle, ComponentStyle::FromTail, ComponentStyle::OnAxes}) {
        for (bool angles : {false, true}) {
            const ViewSettings view{2.5, false, true, false, style, angles};
            EXPECT_EQ(lessonFromText(lessonText(minusZero.state(), view)).view, view);
        }
    }
    for (unsigned seed = 101; seed <= 110; ++seed) {
        const std::vector<std::uint8_t> bytes = randomBytes(seed);
        ByteReader reader(bytes.data(), bytes.size());
        Session session(reader);
        const std::string problem = session.play(kEvents, roundTrip);
        ASSERT_EQ(problem, "") << "seed " << seed << ", as a scenario:\n" << session.script();
    }
}

TEST(RandomEvents, InvariantsHoldAfterEveryEventAndUndoingEveryStepGivesBackTheStart) {
    for (unsigned seed = 1; seed <= 100; ++seed) {
        const std::vector<std::uint8_t> bytes = randomBytes(seed);
        ByteReader reader(bytes.data(), bytes.size());
        Session session(reader);
        std::string problem = session.play(kEvents);
        if (problem.empty()) problem = session.undoAndRedoAll();
        ASSERT_EQ(problem, "") << "seed " << seed << ", as a scenario:\n" << session.script();
    }
}

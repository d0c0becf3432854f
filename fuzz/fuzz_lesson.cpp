// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the text of a lesson file. The reader either refuses them with its reason, or
// gives a window that is sound and whose own lesson text reads back as the same window with
// the same view; it never throws anything else, crashes or hangs.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/lesson.h"
#include "fuzz/require.h"
#include "tests/support/invariants.h"
#include "tools/json_dump.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fendrel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Lesson lesson;
    try {
        lesson = lessonFromText(text);
    } catch (const LessonError&) {
        return 0;
    }
    fuzz::require(testing::checkSoundness(lesson.state).empty(), "an opened lesson is sound");
    const Lesson again = lessonFromText(lessonText(lesson.state, lesson.view));
    fuzz::require(stateJson(again.state) == stateJson(lesson.state) && again.state.unit == lesson.state.unit,
                  "a saved lesson opens as the same window, with its unit");
    fuzz::require(again.state.task == lesson.state.task, "a saved lesson keeps its task");
    fuzz::require(again.view == lesson.view, "a saved lesson keeps its view");
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/view_settings.h"
#include "model/state.h"

// A lesson: one figure as a file keeps it, a UTF-8 JSON object that a person can read and
// write (docs/lesson-format.md). Opening a lesson gives back exactly the window that was
// saved.
namespace fendrel {

inline constexpr std::string_view kLessonFormat = "fendrel-lesson";
// The newest version, that of a lesson with a task; one without is of the first, so that
// every Fendrel opens it.
inline constexpr int kLessonVersion = 2;
inline constexpr int kLessonVersionWithoutTask = 1;
inline constexpr std::string_view kLessonSuffix = ".fendrel";

// The words the file uses for the layout of B and for the angle unit.
inline constexpr std::array<std::string_view, 2> kLayoutNames{"parallelogram", "triangle"};
inline constexpr std::array<std::string_view, 2> kAngleUnitNames{"degrees", "radians"};
// The words of the view for the ways of drawing the components, by ComponentStyle.
inline constexpr std::array<std::string_view, 4> kComponentStyleNames{"off", "triangle", "fromTail", "onAxes"};

struct Lesson {
    FormState state;
    std::optional<ViewSettings> view;  // how the window drew it; the driver has none
};

// Why a file is no lesson, or could not be read or written, in plain words that follow
// "could not be opened: " ("the field "vectors.A.tip" is missing").
struct LessonError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The lesson file's text for the window as it stands.
std::string lessonText(const FormState& s, const std::optional<ViewSettings>& view);

// The window a lesson file's text describes; throws LessonError when the text is no valid
// lesson.
Lesson lessonFromText(std::string_view text);

}  // namespace fendrel

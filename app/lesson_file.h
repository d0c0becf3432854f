// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Lesson files on disk. Both throw LessonError (app/lesson.h) saying why in plain words.
namespace fendrel {

inline constexpr std::size_t kMaxLessonBytes = 1024 * 1024;

// The whole text of a regular file of at most kMaxLessonBytes.
std::string readLessonFile(const std::string& path);

// Replaces the file's text as a whole: written to a new file beside it, then renamed over
// it, so that a failed save leaves the previous file as it was. A link is followed to the
// file it names, which is created if it is missing. A file that is replaced keeps its
// permissions (but never set-user-ID or set-group-ID), its group and, where the process may
// keep it, its owner; a write-protected one is refused.
void writeLessonFile(const std::string& path, std::string_view text);

}  // namespace fendrel

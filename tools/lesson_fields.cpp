// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fendrel-lesson-fields LESSON FIELDS: adds to the lesson file the fields of the JSON object
// in FIELDS, for what a script cannot set through the window (the unit of the reference
// scale), and writes it again as the window would save it. A lesson that the fields make
// invalid is refused with the window's own reason, and the file is left as it was. The
// build runs it on the example lessons; it is not installed.
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "app/lesson.h"
#include "app/lesson_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fendrel-lesson-fields LESSON FIELDS\n";
        return 2;
    }
    try {
        nlohmann::json lesson = nlohmann::json::parse(fendrel::readLessonFile(argv[1]));
        lesson.merge_patch(nlohmann::json::parse(fendrel::readLessonFile(argv[2])));
        const fendrel::Lesson merged = fendrel::lessonFromText(lesson.dump());
        fendrel::writeLessonFile(argv[1], fendrel::lessonText(merged.state, merged.view));
    } catch (const std::exception& e) {
        std::cerr << "fendrel-lesson-fields: " << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}

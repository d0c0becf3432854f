// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/session.h"

#include <stdlib.h>  // mkdtemp

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app/lesson.h"
#include "app/lesson_file.h"
#include "tests/support/event_decoder.h"
#include "tools/json_dump.h"

namespace fendrel::testing {

namespace {

// A directory of the process's own under a temporary directory, removed with what it holds
// when the process ends. It is in memory where the system has such a directory, since every
// save waits for its file to reach the disk.
class ScratchDirectory {
public:
    ScratchDirectory() {
        const std::filesystem::path inMemory = "/dev/shm";
        const auto parent = std::filesystem::is_directory(inMemory) ? inMemory : std::filesystem::temp_directory_path();
        std::string pattern = (parent / "fendrel-session-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a directory like " + pattern);
        path_ = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string scratchLessonFile() {
    static const ScratchDirectory directory;
    return (directory.path() / "lesson.fendrel").string();
}

Event eventOf(Event::Kind kind) {
    Event e;
    e.kind = kind;
    return e;
}

}  // namespace

Session::Session(ByteReader& bytes, std::FILE* trace)
    : bytes_(bytes), trace_(trace), lessonFile_(scratchLessonFile()),
      taskLessons_{FENDREL_TASK_EXAMPLES "/task-reach.fendrel", FENDREL_TASK_EXAMPLES "/task-balance.fendrel",
                   FENDREL_TASK_EXAMPLES "/task-predict.fendrel"} {
    std::filesystem::remove(lessonFile_);
    for (const std::string& task : taskLessons_) checker_.knowLesson(task, lessonFromText(readLessonFile(task)).state);
}

std::string Session::play(int maxEvents, const Check& alsoAfterEachEvent) {
    Event draw = eventOf(Event::Kind::Random);
    draw.random = decodeRandom(bytes_);
    host_.queueRandom(draw.random);
    script_ = "# mkdir -p " + std::filesystem::path(lessonFile_).parent_path().string() + " to replay the lesson file's lines\n" +
              scriptLine(draw) + "\nload\n";
    if (trace_) std::fputs(script_.c_str(), trace_);
    form_.load();
    host_.takeDialogs();
    std::string problem = checker_.checkLoaded(form_.state());
    for (int n = 0; problem.empty() && n < maxEvents && !bytes_.empty(); ++n) {
        problem = run(decodeEvent(bytes_, lessonFile_, taskLessons_));
        if (problem.empty() && alsoAfterEachEvent) problem = alsoAfterEachEvent(form_.state());
    }
    return problem;
}

std::string Session::undoAndRedoAll() {
    if (auto problem = run(eventOf(Event::Kind::Release)); !problem.empty()) return problem;
    const std::string last = stateJson(form_.state());
    const std::size_t steps = form_.history().undoCount();
    const std::size_t undoneBefore = form_.history().redoCount();
    for (std::size_t n = 0; n < steps; ++n)
        if (auto problem = run(eventOf(Event::Kind::Undo)); !problem.empty()) return problem;
    if (stateJson(form_.state()) != checker_.historyStart())
        return "undoing every step does not give back the window where the history began";
    if (form_.history().undoCount() != 0 || form_.history().redoCount() != undoneBefore + steps)
        return "undoing lost a step";
    for (std::size_t n = 0; n < steps; ++n)
        if (auto problem = run(eventOf(Event::Kind::Redo)); !problem.empty()) return problem;
    if (stateJson(form_.state()) != last) return "redoing every step does not give back the last window";
    return "";
}

std::string Session::run(const Event& e) {
    const std::string line = scriptLine(e);
    if (trace_) std::fprintf(trace_, "%s\n", line.c_str());
    const FormState before = form_.state();
    bool quiet = true;
    if (e.kind == Event::Kind::Undo || e.kind == Event::Kind::Redo)
        quiet = host_.sealedRun([&] { deliver(e, form_, host_); });
    else
        deliver(e, form_, host_);
    // The prompts the host cancelled, as cancels queued ahead of the event: the driver then
    // gives the same answers in the same order.
    for (int n = host_.takeCancels(); n > 0; --n) script_ += "cancel\n";
    script_ += line + "\n";
    host_.takeDialogs();
    if (!quiet) return "Undo or Redo showed a dialog or drew a random number";
    return checker_.checkEvent(e, before, form_.state());
}

}  // namespace fendrel::testing

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the window logic on its hot paths: the refresh, a tip-drag event, an arrow key,
// a command; and what the history costs: the time a step adds, the memory of the steps kept.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "app/form.h"
#include "app/lesson.h"
#include "model/refresh.h"
#include "tools/script_host.h"

using namespace fendrel;

namespace {

// Bytes of the heap in use right now.
double heapInUse() { return static_cast<double>(mallinfo2().uordblks); }

// The refresh of a loaded window, optionally with A marked as the reference vector.
void refresh(benchmark::State& state, bool withReferenceVector) {
    ScriptHost host;
    Form form(host);
    form.load();
    if (withReferenceVector) {
        host.queueAnswer("5");
        form.clickMenu(Menu::ca);
    }
    FormState s = form.state();
    for (auto _ : state) {
        refreshQuantities(s);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK_CAPTURE(refresh, plain, false);
BENCHMARK_CAPTURE(refresh, withReferenceVector, true);

// A tip drag on its own is a step; inside a gesture it is not, so the difference between the
// two is what recording a step costs (with the kept steps full, the oldest goes each time).
void tipDragEvent(benchmark::State& state, bool insideAGesture) {
    ScriptHost host;
    Form form(host);
    form.load();
    if (insideAGesture) form.mousePress();
    float x = 3000;
    for (auto _ : state) {
        x = x == 3000 ? 3015.5f : 3000;
        form.mouseMove(1, 0, x, 1200);
        benchmark::DoNotOptimize(form.state());
    }
}
BENCHMARK_CAPTURE(tipDragEvent, aStepOfItsOwn, false);
BENCHMARK_CAPTURE(tipDragEvent, insideAGesture, true);

// The heap taken by a window whose history holds every step it keeps.
void BM_KeptStepsMemory(benchmark::State& state) {
    for (auto _ : state) {
        const double before = heapInUse();
        ScriptHost host;
        Form form(host);
        form.load();
        const double loaded = heapInUse();
        for (size_t n = 0; n < History::kKept; ++n) form.mouseMove(1, 0, 3000.0f + static_cast<float>(n), 1200);
        state.counters["loadedWindowBytes"] = loaded - before;
        state.counters["keptStepsMB"] = (heapInUse() - loaded) / 1e6;
        state.counters["steps"] = static_cast<double>(form.history().undoCount());
    }
}
BENCHMARK(BM_KeptStepsMemory)->Iterations(3)->Unit(benchmark::kMillisecond);

// Right and Left in turn: each one a tip drag a step away from the selected tip.
void BM_ArrowKeyEvent(benchmark::State& state) {
    ScriptHost host;
    Form form(host);
    form.load();
    Key key{Key::Name::Right};
    for (auto _ : state) {
        key.name = key.name == Key::Name::Right ? Key::Name::Left : Key::Name::Right;
        form.key(key);
        benchmark::DoNotOptimize(form.state());
    }
}
BENCHMARK(BM_ArrowKeyEvent);

// One command answered alternately with two replies, so that every run moves the tip.
void commandAfterReply(benchmark::State& state, Menu item, const char* first, const char* second) {
    ScriptHost host;
    Form form(host);
    form.load();
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        host.queueAnswer(flip ? first : second);
        form.clickMenu(item);
        host.takeDialogs();
        benchmark::DoNotOptimize(form.state());
    }
}
BENCHMARK_CAPTURE(commandAfterReply, magnitude, Menu::SizeA, "4321.5", "2100");
BENCHMARK_CAPTURE(commandAfterReply, component, Menu::Bx, "-250.75", "3240");
BENCHMARK_CAPTURE(commandAfterReply, angle, Menu::AngleB, "33.3", "120");

// A lesson's text from the window (Save without the disk) and the window from it (Open), for
// a window whose menus show an earlier measurement, so the file carries that too.
void BM_LessonText(benchmark::State& state) {
    ScriptHost host;
    Form form(host);
    form.load();
    form.clickMenu(Menu::ModeB);
    for (auto _ : state) benchmark::DoNotOptimize(lessonText(form.state(), ViewSettings{}));
}
BENCHMARK(BM_LessonText);

void BM_LessonFromText(benchmark::State& state) {
    ScriptHost host;
    Form form(host);
    form.load();
    form.clickMenu(Menu::ModeB);
    const std::string text = lessonText(form.state(), ViewSettings{});
    for (auto _ : state) benchmark::DoNotOptimize(lessonFromText(text));
}
BENCHMARK(BM_LessonFromText);

}  // namespace

BENCHMARK_MAIN();

// Speed of the window logic on its hot paths: the refresh, a tip-drag event, an arrow key,
// a command.
#include <benchmark/benchmark.h>

#include "app/form.h"
#include "model/refresh.h"
#include "tools/script_host.h"

using namespace fendrel;

namespace {

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
        grandezze(s);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK_CAPTURE(refresh, plain, false);
BENCHMARK_CAPTURE(refresh, withReferenceVector, true);

void BM_TipDragEvent(benchmark::State& state) {
    ScriptHost host;
    Form form(host);
    form.load();
    float x = 3000;
    for (auto _ : state) {
        x = x == 3000 ? 3015.5f : 3000;
        form.mouseMove(1, 0, x, 1200);
        benchmark::DoNotOptimize(form.state());
    }
}
BENCHMARK(BM_TipDragEvent);

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

}  // namespace

BENCHMARK_MAIN();

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <benchmark/benchmark.h>

#include "ui/figure/canvas.h"
#include "ui/window/main_window.h"

namespace {

// One repaint of the canvas at the largest zoom with the grid and the arrow heads on, the
// canvas at the given size (the start size, and a projector's full screen).
void ZoomFourGridAndHeadsRepaint(benchmark::State& state) {
    fendrel::MainWindow window;
    window.show();
    QApplication::processEvents();
    auto* canvas = window.findChild<fendrel::Canvas*>(QStringLiteral("canvas"));
    canvas->setView({.zoom = fendrel::kMaxZoom, .fitToWindow = false, .arrowHeads = true, .grid = true});
    canvas->setFixedSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QApplication::processEvents();
    for (auto _ : state) canvas->repaint();
}
BENCHMARK(ZoomFourGridAndHeadsRepaint)->Args({756, 544})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

}  // namespace

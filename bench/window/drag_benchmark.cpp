// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <initializer_list>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include "offscreen_default.h"
#include "ui/window/main_window.h"

namespace {

// The window, with the View items named chosen, and a left-button press on the canvas, away
// from the labels.
class DragSession {
public:
    explicit DragSession(std::initializer_list<const char*> viewItems = {}) {
        window_.show();
        QApplication::processEvents();
        for (const char* item : viewItems) window_.findChild<QAction*>(QString::fromLatin1(item))->trigger();
        QApplication::processEvents();
        canvas_ = window_.findChild<QWidget*>(QStringLiteral("canvas"));
        send(QEvent::MouseButtonPress, QPointF(100, 400), Qt::LeftButton);
    }

    // A's tip to the next point of a small circuit, then the window's response.
    void moveTip(int step) {
        send(QEvent::MouseMove, QPointF(300 + step % 100, 100 + step % 37), Qt::NoButton);
    }

    QWidget& canvas() { return *canvas_; }

private:
    void send(QEvent::Type type, QPointF at, Qt::MouseButton button) {
        QMouseEvent event(type, at, canvas_->mapToGlobal(at), button, Qt::LeftButton, {});
        QApplication::sendEvent(canvas_, &event);
    }

    fendrel::MainWindow window_;
    QWidget* canvas_ = nullptr;
};

// Delivery, re-render of labels and menus, and a forced repaint of the canvas.
void TipDragEvent(benchmark::State& state) {
    DragSession session;
    int step = 0;
    for (auto _ : state) {
        session.moveTip(step++);
        session.canvas().repaint();
    }
}
BENCHMARK(TipDragEvent)->Unit(benchmark::kMicrosecond);

// The same, then every update the event left pending (the menu bar's captions included),
// with the View items named chosen.
void dragThroughTheWholeWindow(benchmark::State& state, std::initializer_list<const char*> viewItems) {
    DragSession session(viewItems);
    int step = 0;
    for (auto _ : state) {
        session.moveTip(step++);
        session.canvas().repaint();
        QApplication::processEvents();
    }
}

void TipDragEventWholeWindow(benchmark::State& state) { dragThroughTheWholeWindow(state, {}); }
BENCHMARK(TipDragEventWholeWindow)->Unit(benchmark::kMicrosecond);

// With all the view draws besides the arrows: the components on the axes, with the axes, the
// angles' arcs, the labels of both and the arrow heads.
void TipDragEventWholeWindowComponentsAnglesHeads(benchmark::State& state) {
    dragThroughTheWholeWindow(state, {"ComponentsOnAxes", "Angles", "ArrowHeads"});
}
BENCHMARK(TipDragEventWholeWindowComponentsAnglesHeads)->Unit(benchmark::kMicrosecond);

// Right and Left in turn on the canvas, each a step of A's tip, measured as the drag above.
void ArrowKeyEventWholeWindow(benchmark::State& state) {
    fendrel::MainWindow window;
    window.show();
    QApplication::processEvents();
    auto* canvas = window.findChild<QWidget*>(QStringLiteral("canvas"));
    bool right = false;
    for (auto _ : state) {
        right = !right;
        QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(canvas, &press);
        canvas->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(ArrowKeyEventWholeWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    fendrel::useOffscreenUnlessChosen();
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

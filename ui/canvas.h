// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "interaction/keyboard.h"
#include "model/state.h"
#include "ui/view_settings.h"
#include "ui/window_units.h"

namespace fendrel {

// The window's client area: paints the background, the grid, the three lines and their
// heads, and reports pointer movement in window units and the figure's keys. The name
// labels are its children.
class Canvas : public QWidget {
    Q_OBJECT

public:
    explicit Canvas(QWidget* parent);

    // Takes what to paint, with the captions' unit for the grid (caption units per window
    // unit); schedules a repaint only when it differs from what is shown.
    void setScene(Color background, const PerVector<Line>& lines, double captionScale);

    const ViewSettings& view() const { return view_; }
    void setView(const ViewSettings& view);
    // The zoom in effect: the chosen one, or while fitting the one the size gives.
    double zoom() const;
    // Window units to pixels on this canvas at its zoom.
    WindowUnits units() const { return WindowUnits::of(*this, zoom()); }

    QSize sizeHint() const override;

signals:
    // button: 1 for the left button plus 2 for the right; shift: 1 while Shift is held.
    void pointerMoved(int button, int shift, float x, float y);
    // A button went down; every button is up again.
    void pressed();
    void released();
    void keyPressed(Key key);
    void focusChanged(bool hasFocus);
    void painted();
    // The zoom in effect changed: what sits on the canvas is to be placed again.
    void zoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab and Shift+Tab select vectors instead of moving the focus on.
    bool focusNextPrevChild(bool next) override;

private:
    // The background colour, with the grid when it is on.
    void paintBackground(QPainter& painter, const WindowUnits& units);

    Color background_ = 0;
    PerVector<Line> lines_{};
    double captionScale_ = 1.0;
    ViewSettings view_;
};

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QRectF>
#include <QWidget>

#include "interaction/keyboard.h"
#include "model/state.h"
#include "ui/figure/figure_painter.h"
#include "ui/figure/figure_view.h"

namespace fendrel {

// The window's client area: shows the scene through its view, and reports pointer movement
// in window units and the figure's keys. The name labels are its children. The middle
// button, the wheel and Alt with an arrow key pan the view.
class Canvas : public QWidget {
    Q_OBJECT

public:
    explicit Canvas(QWidget* parent);

    // Takes what to paint; schedules a repaint only when it differs from what is shown.
    void setScene(Scene scene);

    // The box around the lines and labels, in window units: what framing and zooming keep
    // in view.
    void setFigureBox(const QRectF& box) { view_.setFigureBox(box); }

    const ViewSettings& view() const { return view_.settings(); }
    // Takes the settings as given, the zoom from the corner of the window units; turning
    // fitting on frames the figure.
    void setView(const ViewSettings& view);
    // Shows a figure just opened with the view it came with: framed when fitting,
    // otherwise zoomed about its centre from the actual size and moved as little as it
    // takes to bring it into view.
    void present(const ViewSettings& view);
    // Frames the figure as it stands, and again whenever the canvas is resized or a step is
    // done (see keepFitted), until the view is zoomed or panned.
    void frameFigure();
    // While the view fits the figure, frames it again as it stands now.
    void keepFitted();
    // Zooms keeping the figure's centre where it is on the canvas; leaves fitting.
    void zoomKeepingFigure(double zoom);
    // Back to the start: zoom 1 with the corner of the window units at the canvas's.
    void showActualSize();
    double zoom() const { return view().zoom; }
    // Window units to pixels on this canvas at its zoom and origin.
    WindowUnits units() const { return view_.units(actualSize()); }

    QSize sizeHint() const override;

    // With an arrow of the figure's keys, it pans the view an eighth of the canvas that way.
    static constexpr Qt::KeyboardModifier kPanModifier = Qt::AltModifier;

signals:
    // button: 1 for the left button plus 2 for the right; shift: 1 while Shift is held.
    void pointerMoved(int button, int shift, float x, float y);
    // A button went down; every button is up again.
    void pressed();
    void released();
    void keyPressed(Key key);
    void focusChanged(bool hasFocus);
    void painted();
    // The view settings or the origin changed: what sits on the canvas is to be placed again.
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab and Shift+Tab select vectors instead of moving the focus on.
    bool focusNextPrevChild(bool next) override;

private:
    // The conversion at zoom 1 with no origin, on the screen the canvas is on.
    WindowUnits actualSize() const { return WindowUnits::of(*this, 1.0); }
    // Changes the view and, when what it shows changed, repaints and tells so.
    template <class Change>
    void changeView(Change change);
    void pan(QPointF by);

    Scene scene_;
    FigureView view_;
    std::optional<QPointF> panningFrom_;  // while the middle button drags the view
};

}  // namespace fendrel

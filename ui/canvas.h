// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "interaction/keyboard.h"
#include "model/state.h"

namespace fendrel {

// The window's client area: paints the background and the three lines, and reports
// pointer movement in window units and the figure's keys. The name labels are its children.
class Canvas : public QWidget {
    Q_OBJECT

public:
    explicit Canvas(QWidget* parent);

    // Takes what to paint; schedules a repaint only when it differs from what is shown.
    void setScene(Color background, const PerVector<Line>& lines);

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab and Shift+Tab select vectors instead of moving the focus on.
    bool focusNextPrevChild(bool next) override;

private:
    Color background_ = 0;
    PerVector<Line> lines_{};
};

}  // namespace fendrel

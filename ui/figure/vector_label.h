// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QLabel>

#include "model/state.h"

namespace fendrel {

class WindowUnits;

// A vector's name label on the canvas. A press on it is its own click, never the start
// of a drag; the click counts when the left button is released inside it.
class VectorLabel : public QLabel {
    Q_OBJECT

public:
    explicit VectorLabel(QWidget* canvas);

    // Shows the label as the window logic holds it, its top-left corner at (left, top), its
    // font at the zoom of the conversion.
    void render(const Label& label, const WindowUnits& units);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<Label> shown_;
    double shownZoom_ = 0;
};

}  // namespace fendrel

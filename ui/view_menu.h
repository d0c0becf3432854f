// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "ui/view_settings.h"

class QAction;
class QMenu;

namespace fendrel {

class Canvas;

// The window's own "View" menu: zoom in and out in steps, actual size, fitting the figure
// to the window, arrow heads and the grid. It changes how the canvas draws, never the window
// logic's state.
class ViewMenu {
public:
    ViewMenu(QMenu& menu, Canvas& canvas);

    const ViewSettings& settings() const;
    // The view a lesson was saved with, check marks and all.
    void set(const ViewSettings& view);

private:
    void change(const std::function<void(ViewSettings&)>& edit);

    Canvas& canvas_;
    QAction* fit_;
    QAction* heads_;
    QAction* grid_;
};

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>

#include "ui/figure/figure_view.h"

class QAction;
class QMenu;
class QWidget;

namespace fendrel {

class Canvas;

// The window's own "View" menu: zoom in and out in steps, actual size, fitting the figure
// to the window, arrow heads, the grid, the components, the angles, the values panel and
// presentation mode. It changes how the window shows the figure, never the window logic's
// state.
class ViewMenu {
public:
    ViewMenu(QMenu& menu, Canvas& canvas, QWidget& values);

    const ViewSettings& settings() const;
    // Shows a lesson just opened with the view it was saved with, check marks and all.
    void present(const ViewSettings& view);
    // View › Presentation Mode (F11), checked while it is on; the window gives it its effect.
    QAction& presentationMode() { return *presentation_; }

private:
    void addComponentItems(QMenu& menu);
    void change(const std::function<void(ViewSettings&)>& edit);
    void showMarks();

    Canvas& canvas_;
    QAction* fit_;
    QAction* heads_;
    QAction* grid_;
    std::array<QAction*, 4> components_{};  // by ComponentStyle
    QAction* angles_;
    QAction* presentation_;
};

}  // namespace fendrel

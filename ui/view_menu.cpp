// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view_menu.h"

#include <QMenu>

#include "ui/canvas.h"
#include "model/translation.h"
#include "ui/own_menu.h"
#include "ui/qt_text.h"

namespace fendrel {

namespace {

QAction* addCheckItem(QMenu& menu, const QString& name, const QString& caption) {
    QAction* action = addOwnItem(menu, name, caption);
    action->setCheckable(true);
    return action;
}

}  // namespace

ViewMenu::ViewMenu(QMenu& menu, Canvas& canvas) : canvas_(canvas) {
    QAction* in = addOwnItem(menu, QStringLiteral("ZoomIn"), toQString(_("Zoom In")),
                          {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* out = addOwnItem(menu, QStringLiteral("ZoomOut"), toQString(_("Zoom Out")), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    QAction* actual = addOwnItem(menu, QStringLiteral("ActualSize"), toQString(_("Actual Size")), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    fit_ = addCheckItem(menu, QStringLiteral("FitToWindow"), toQString(_("Fit to Window")));
    menu.addSeparator();
    heads_ = addCheckItem(menu, QStringLiteral("ArrowHeads"), toQString(_("Arrow Heads")));
    grid_ = addCheckItem(menu, QStringLiteral("Grid"), toQString(_("Grid")));

    // A zoom step starts from the zoom in effect, a fitted one too, and turns fitting off.
    auto zoomTo = [this](double (*next)(double)) {
        return [this, next] {
            change([zoom = canvas_.zoom(), next](ViewSettings& v) {
                v.zoom = next(zoom);
                v.fitToWindow = false;
            });
        };
    };
    QObject::connect(in, &QAction::triggered, in, zoomTo(zoomedIn));
    QObject::connect(out, &QAction::triggered, out, zoomTo(zoomedOut));
    QObject::connect(actual, &QAction::triggered, actual, zoomTo([](double) { return 1.0; }));
    QObject::connect(fit_, &QAction::triggered, fit_, [this](bool on) {
        change([on](ViewSettings& v) { v.fitToWindow = on; });
    });
    QObject::connect(heads_, &QAction::triggered, heads_, [this](bool on) {
        change([on](ViewSettings& v) { v.arrowHeads = on; });
    });
    QObject::connect(grid_, &QAction::triggered, grid_, [this](bool on) { change([on](ViewSettings& v) { v.grid = on; }); });
}

const ViewSettings& ViewMenu::settings() const { return canvas_.view(); }

void ViewMenu::set(const ViewSettings& view) {
    change([&view](ViewSettings& v) { v = view; });
}

void ViewMenu::change(const std::function<void(ViewSettings&)>& edit) {
    ViewSettings view = canvas_.view();
    edit(view);
    canvas_.setView(view);
    fit_->setChecked(view.fitToWindow);
    heads_->setChecked(view.arrowHeads);
    grid_->setChecked(view.grid);
}

}  // namespace fendrel

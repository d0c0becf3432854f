// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/view_menu.h"

#include <array>
#include <string_view>

#include <QActionGroup>
#include <QMenu>

#include "model/translation.h"
#include "ui/base/qt_text.h"
#include "ui/figure/canvas.h"
#include "ui/menus/own_menu.h"

namespace fendrel {

namespace {

QAction* addCheckItem(QMenu& menu, const QString& name, const QString& caption) {
    QAction* action = addOwnItem(menu, name, caption);
    action->setCheckable(true);
    return action;
}

}  // namespace

ViewMenu::ViewMenu(QMenu& menu, Canvas& canvas, QWidget& values) : canvas_(canvas) {
    QAction* in = addOwnItem(menu, QStringLiteral("ZoomIn"), toQString(_("Zoom In")),
                          {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* out = addOwnItem(menu, QStringLiteral("ZoomOut"), toQString(_("Zoom Out")), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    QAction* actual = addOwnItem(menu, QStringLiteral("ActualSize"), toQString(_("Actual Size")), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    fit_ = addCheckItem(menu, QStringLiteral("FitToWindow"), toQString(_("Fit to Window")));
    menu.addSeparator();
    heads_ = addCheckItem(menu, QStringLiteral("ArrowHeads"), toQString(_("Arrow Heads")));
    grid_ = addCheckItem(menu, QStringLiteral("Grid"), toQString(_("Grid")));
    addComponentItems(menu);
    // TRANSLATORS: draws each vector's direction, and the angle between A and B, as arcs.
    angles_ = addCheckItem(menu, QStringLiteral("Angles"), toQString(_("Angles")));
    menu.addSeparator();
    // TRANSLATORS: shows or hides the panel of the vectors' values below the figure.
    QAction* shown = addCheckItem(menu, QStringLiteral("Values"), toQString(_("Values")));
    shown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    shown->setChecked(true);
    QObject::connect(shown, &QAction::toggled, &values, &QWidget::setVisible);
    menu.addSeparator();
    // TRANSLATORS: full screen, with every text of the window in large type, for a projector.
    presentation_ = addCheckItem(menu, QStringLiteral("PresentationMode"), toQString(_("Presentation Mode")));
    presentation_->setShortcut(QKeySequence(Qt::Key_F11));

    // A zoom step starts from the zoom in effect, a fitted one too, keeps the figure's
    // centre in place and turns fitting off.
    QObject::connect(in, &QAction::triggered, in, [this] { canvas_.zoomKeepingFigure(zoomedIn(canvas_.zoom())); });
    QObject::connect(out, &QAction::triggered, out, [this] { canvas_.zoomKeepingFigure(zoomedOut(canvas_.zoom())); });
    QObject::connect(actual, &QAction::triggered, actual, [this] { canvas_.showActualSize(); });
    // Chosen again, it frames the figure where it stands now; the mark shows that the view
    // is fitted.
    QObject::connect(fit_, &QAction::triggered, fit_, [this] {
        canvas_.frameFigure();
        showMarks();
    });
    QObject::connect(heads_, &QAction::triggered, heads_, [this](bool on) {
        change([on](ViewSettings& v) { v.arrowHeads = on; });
    });
    QObject::connect(grid_, &QAction::triggered, grid_, [this](bool on) { change([on](ViewSettings& v) { v.grid = on; }); });
    QObject::connect(angles_, &QAction::triggered, angles_, [this](bool on) { change([on](ViewSettings& v) { v.angles = on; }); });
    QObject::connect(&canvas_, &Canvas::viewChanged, fit_, [this] { showMarks(); });
    showMarks();
}

// Components › Off, Triangle, From the Tail, On the Axes: one of them chosen, each with a key
// of its own, Ctrl+1 to Ctrl+4 in the menu's order.
void ViewMenu::addComponentItems(QMenu& menu) {
    // TRANSLATORS: the submenu of the ways of drawing each vector's x and y components: not
    // at all, as a right triangle (x from the tail, then y up to the tip), both from the
    // tail, or on the axes through the origin.
    QMenu& styles = *menu.addMenu(toQString(_("Components")));
    styles.setObjectName(QStringLiteral("Components"));
    struct Item {
        ComponentStyle style;
        const char* name;
        std::string_view caption;
    };
    static constexpr std::array<Item, 4> kItems{{{ComponentStyle::Off, "ComponentsOff", C_("components", "Off")},
                                                 {ComponentStyle::Triangle, "ComponentsTriangle", C_("components", "Triangle")},
                                                 {ComponentStyle::FromTail, "ComponentsFromTail", C_("components", "From the Tail")},
                                                 {ComponentStyle::OnAxes, "ComponentsOnAxes", C_("components", "On the Axes")}}};
    auto* choice = new QActionGroup(&styles);
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        const Item& item = kItems[i];
        QAction* action = addCheckItem(styles, QString::fromLatin1(item.name), toQString(_(item.caption)));
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(i))));
        choice->addAction(action);
        QObject::connect(action, &QAction::triggered, action,
                         [this, style = item.style] { change([style](ViewSettings& v) { v.components = style; }); });
        components_[static_cast<std::size_t>(item.style)] = action;
    }
}

const ViewSettings& ViewMenu::settings() const { return canvas_.view(); }

// What it draws first, so that the figure is framed with the components and angles it shows.
void ViewMenu::present(const ViewSettings& view) {
    ViewSettings drawn = canvas_.view();
    drawn.components = view.components;
    drawn.angles = view.angles;
    canvas_.setView(drawn);
    canvas_.present(view);
}

// A fitted view frames the figure again with what it now draws.
void ViewMenu::change(const std::function<void(ViewSettings&)>& edit) {
    ViewSettings view = canvas_.view();
    edit(view);
    canvas_.setView(view);
    canvas_.keepFitted();
}

void ViewMenu::showMarks() {
    const ViewSettings& view = canvas_.view();
    fit_->setChecked(view.fitToWindow);
    heads_->setChecked(view.arrowHeads);
    grid_->setChecked(view.grid);
    components_[static_cast<std::size_t>(view.components)]->setChecked(true);
    angles_->setChecked(view.angles);
}

}  // namespace fendrel

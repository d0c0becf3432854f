#include "ui/main_window.h"

#include <algorithm>

#include <QMenuBar>

#include "ui/canvas.h"
#include "ui/grid_spacing.h"
#include "ui/picture_actions.h"
#include "ui/qt_text.h"
#include "ui/vector_label.h"
#include "ui/view_menu.h"
#include "ui/window_icon.h"

namespace fendrel {

namespace {
size_t slot(Vec v) { return static_cast<size_t>(index(v)); }

// The window's own menus, which the window logic knows nothing of, go before "Info".
QMenu& addOwnMenu(QMenuBar& bar, const QString& name) {
    auto* menu = new QMenu(name, &bar);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    const QList<QAction*> titles = bar.actions();
    const auto info = std::find_if(titles.begin(), titles.end(), [](const QAction* a) {
        return a->objectName() == toQString(describe(Menu::Info).name);
    });
    bar.insertMenu(info == titles.end() ? nullptr : *info, menu);
    return *menu;
}

}  // namespace

MainWindow::MainWindow()
    : host_(this),
      form_(host_),
      canvas_(new Canvas(this)),
      menus_(*menuBar(), [this](Menu m) {
          form_.clickMenu(m);
          render();
      }) {
    canvas_->setObjectName(QStringLiteral("canvas"));
    setCentralWidget(canvas_);
    setWindowIcon(makeWindowIcon());
    for (Vec v : kVectors) {
        auto* label = new VectorLabel(canvas_);
        label->setObjectName(toQString(kLabelNames[slot(v)]));
        connect(label, &VectorLabel::clicked, this, [this, v] {
            form_.clickLabel(v);
            render();
        });
        labels_[slot(v)] = label;
    }
    connect(canvas_, &Canvas::pointerMoved, this, [this](int button, int shift, float x, float y) {
        form_.mouseMove(button, shift, x, y);
        render();
    });
    addPictureActions(addOwnMenu(*menuBar(), QStringLiteral("Edit")), *canvas_);
    view_ = std::make_unique<ViewMenu>(addOwnMenu(*menuBar(), QStringLiteral("View")), *canvas_);
    connect(canvas_, &Canvas::zoomChanged, this, &MainWindow::render);
    form_.load();
    render();
    resize(sizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::render() {
    const FormState& s = form_.state();
    setWindowTitle(toQString(s.caption));
    canvas_->setScene(s.backColor, s.lines, captionUnitsPerWindowUnit(s));
    const WindowUnits units = canvas_->units();
    for (Vec v : kVectors) labels_[slot(v)]->render(s.label(v), units);
    if (stackingShown_ != s.stacking) {
        for (Vec v : s.stacking) labels_[slot(v)]->raise();
        stackingShown_ = s.stacking;
    }
    menus_.render(s);
}

}  // namespace fendrel

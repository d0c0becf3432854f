// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/main_window.h"

#include <utility>
#include <vector>

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QVBoxLayout>

#include "app/figure_marks.h"
#include "app/lesson.h"
#include "model/refresh.h"
#include "model/translation.h"
#include "ui/access/figure_announcer.h"
#include "ui/base/qt_text.h"
#include "ui/figure/canvas.h"
#include "ui/figure/figure_view.h"
#include "ui/figure/focus_ring.h"
#include "ui/figure/labels_apart.h"
#include "ui/figure/marks_painter.h"
#include "ui/figure/values_panel.h"
#include "ui/figure/vector_label.h"
#include "ui/menus/file_menu.h"
#include "ui/menus/help_menu.h"
#include "ui/menus/menu_bar_key.h"
#include "ui/menus/own_menu.h"
#include "ui/menus/picture_actions.h"
#include "ui/menus/task_menu.h"
#include "ui/menus/view_menu.h"
#include "ui/window/presentation_mode.h"
#include "ui/window/task_bar.h"
#include "ui/window/window_icon.h"

namespace fendrel {

MainWindow::MainWindow()
    : host_(this),
      form_(host_),
      canvas_(new Canvas(this)),
      menus_(*menuBar(), [this](Menu m) {
          form_.clickMenu(m);
          showStep();
      }),
      edit_(
          *menuBar(),
          [this] {
              form_.undo();
              showStep();
          },
          [this] {
              form_.redo();
              showStep();
          }) {
    canvas_->setObjectName(QStringLiteral("canvas"));
    announcer_ = new FigureAnnouncer(*canvas_);
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    taskBar_ = new TaskBar(
        central,
        [this] {
            form_.check();
            showStep();
        },
        [this] {
            form_.reveal();
            showStep();
        });
    column->addWidget(taskBar_);
    column->addWidget(canvas_, 1);
    values_ = new ValuesPanel(central, menuBar()->font());
    column->addWidget(values_);
    setCentralWidget(central);
    setWindowIcon(makeWindowIcon());
    for (Vec v : kVectors) {
        auto* label = new VectorLabel(canvas_);
        label->setObjectName(toQString(facts(v).labelName));
        connect(label, &VectorLabel::clicked, this, [this, v] {
            form_.clickLabel(v);
            showStep();
        });
        labels_[v] = label;
    }
    connect(canvas_, &Canvas::pressed, this, [this] {
        form_.mousePress();
        render();
    });
    connect(canvas_, &Canvas::released, this, [this] {
        form_.mouseRelease();
        showStep();
    });
    connect(canvas_, &Canvas::pointerMoved, this, [this](int button, int shift, float x, float y) {
        form_.mouseMove(button, shift, x, y);
        render();
    });
    connect(canvas_, &Canvas::keyPressed, this, [this](Key key) {
        form_.key(key);
        showStep();
    });
    focusRing_ = new FocusRing(canvas_);
    connect(canvas_, &Canvas::focusChanged, this, &MainWindow::showFocusRing);
    useMenuBarByKeyboard(*menuBar());
    canvas_->setFocus();
    edit_.menu().addSeparator();
    // TRANSLATORS: names the unit of the reference scale ("N"), written after its values.
    QAction* unit = addOwnItem(edit_.menu(), QStringLiteral("UnitOfMeasure"), toQString(_("Unit of Measure\u2026")));
    connect(unit, &QAction::triggered, this, [this] {
        form_.chooseUnit();
        showStep();
    });
    edit_.menu().addSeparator();
    addPictureActions(edit_.menu(), *canvas_);
    view_ = std::make_unique<ViewMenu>(addOwnMenu(*menuBar(), QStringLiteral("View"), toQString(_("View"))), *canvas_, *values_);
    connect(canvas_, &Canvas::viewChanged, this, &MainWindow::render);
    taskMenu_ = std::make_unique<TaskMenu>(*menuBar(), form_, *this, [this] { showStep(); });
    file_ = std::make_unique<FileMenu>(*menuBar(), form_, *view_, *this, [this] { render(); });
    addHelpMenu(*menuBar(), *this);
    setAcceptDrops(true);
    form_.load();
    render();
    resize(sizeHint());
    presentation_ = std::make_unique<PresentationMode>(*this, view_->presentationMode(), [this] {
        values_->setMenuFont(menuBar()->font());
        render();
    });
    presentation_->resume();
}

// Closing the window takes the focus from the canvas after the form is gone.
MainWindow::~MainWindow() { disconnect(canvas_, nullptr, this, nullptr); }

void MainWindow::openLesson(const QString& path) { file_->open(path); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!file_->mayClose()) event->ignore();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && presentation_) presentation_->followWindowState();
    QMainWindow::changeEvent(event);
}

namespace {

// The one lesson file a drag carries, or nothing.
QString droppedLesson(const QMimeData* data) {
    if (!data || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
    const QString path = data->urls().front().toLocalFile();
    return path.endsWith(toQString(kLessonSuffix)) ? path : QString();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedLesson(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedLesson(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Once the drop is over: opening may first ask about unsaved changes.
    QTimer::singleShot(0, this, [this, path] { file_->open(path); });
}

void MainWindow::render() {
    const FormState s = form_.shown();
    // "lesson.fendrel — Fendrel", with a mark while it has changes that are not saved.
    const auto& file = form_.fileName();
    const QString caption = toQString(s.caption);
    setWindowFilePath(file ? qtPath(*file) : QString());
    setWindowTitle(file ? QStringLiteral("%1[*] \u2014 %2").arg(QFileInfo(qtPath(*file)).fileName(), caption)
                        : caption + QStringLiteral("[*]"));
    // Qt tells the window system again on every call, changed or not.
    if (isWindowModified() != form_.modified()) setWindowModified(form_.modified());
    const WindowUnits units = canvas_->units();
    for (Vec v : kVectors) labels_[v]->render(s.label(v), units);
    if (stackingShown_ != s.stacking) {
        for (Vec v : s.stacking) labels_[v]->raise();
        stackingShown_ = s.stacking;
    }
    const PerVector<QWidget*> shown{labels_[Vec::A], labels_[Vec::B], labels_[Vec::R]};
    drawLabelsApart(shown, s.stacking);
    FigureMarks marks = figureMarks(s, canvas_->view());
    announcer_->render(s, marks);
    std::vector<QRect> markLabels =
        placeMarkLabels(marks, {shown[Vec::A]->geometry(), shown[Vec::B]->geometry(), shown[Vec::R]->geometry()},
                        canvas_->font(), units, canvas_->height());
    canvas_->setFigureBox(figureBox(s.lines, shown, units) | marksBox(marks, markLabels, units));
    canvas_->setScene({s.backColor, s.lines, captionUnitsPerWindowUnit(s), std::move(marks), std::move(markLabels)});
    menus_.render(s, [this](Menu m) { return form_.mayChoose(m); });
    taskBar_->render(s, form_.taskProgress());
    taskMenu_->render();
    values_->render(s, canvas_->zoom());
    edit_.render(form_.history());
    showFocusRing();
}

void MainWindow::showStep() {
    render();
    canvas_->keepFitted();
}

void MainWindow::showFocusRing() {
    if (const std::optional<Vec> selected = form_.state().vars.selected)
        focusRing_->surround(*labels_[*selected], canvas_->hasFocus());
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <optional>

#include <QMainWindow>

#include "app/form.h"
#include "ui/menus/edit_menu.h"
#include "ui/menus/menu_tree.h"
#include "ui/window/qt_host.h"

namespace fendrel {

class FigureAnnouncer;
class Canvas;
class FileMenu;
class FocusRing;
class PresentationMode;
class TaskBar;
class TaskMenu;
class ValuesPanel;
class VectorLabel;
class ViewMenu;

// The program's one window. Every event goes to the form; afterwards the whole window is
// rendered again from the form's state as shown (with the numbers a task hides as "?").
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    const FormState& state() const { return form_.state(); }
    // Opens a lesson file, as File › Open does with the file chosen.
    void openLesson(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void render();
    // Renders the window after an event that completed a step (or could have), and frames
    // the figure again while the view fits it; a drag is framed once it is released.
    void showStep();
    void showFocusRing();

    QtHost host_;
    Form form_;
    Canvas* canvas_;
    PerVector<VectorLabel*> labels_{};
    MenuTree menus_;
    EditMenu edit_;
    std::optional<std::array<Vec, 3>> stackingShown_;
    FigureAnnouncer* announcer_ = nullptr;
    FocusRing* focusRing_ = nullptr;
    ValuesPanel* values_ = nullptr;
    std::unique_ptr<ViewMenu> view_;
    std::unique_ptr<FileMenu> file_;
    std::unique_ptr<PresentationMode> presentation_;
    TaskBar* taskBar_ = nullptr;
    std::unique_ptr<TaskMenu> taskMenu_;
};

}  // namespace fendrel

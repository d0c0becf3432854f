// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "app/form.h"

class QMenuBar;
class QString;
class QWidget;

namespace fendrel {

class RecentFiles;
class ViewMenu;

// The window's own "File" menu, first on the menu bar: New, Open…, Open Recent, Examples,
// Save, Save As… and Quit, with the file dialogs and the question about unsaved changes they
// need. The lesson itself is the form's to open and save; the window renders afterwards.
class FileMenu {
public:
    FileMenu(QMenuBar& bar, Form& form, ViewMenu& view, QWidget& window, std::function<void()> render);
    ~FileMenu();

    // Opens the lesson file PATH (from the command line, or dropped on the window), once the
    // user has saved or discarded what is unsaved.
    void open(const QString& path);
    // Whether the window may close: nothing is unsaved, or the user saved or discarded it.
    bool mayClose();

private:
    bool mayDiscard();
    void newLesson();
    void chooseAndOpen();
    void openAs(const QString& path, Form::Opening how);
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);

    Form& form_;
    ViewMenu& view_;
    QWidget& window_;
    std::function<void()> render_;
    std::unique_ptr<RecentFiles> recent_;
};

}  // namespace fendrel

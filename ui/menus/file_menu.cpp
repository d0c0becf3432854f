// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/file_menu.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/lesson.h"
#include "model/translation.h"
#include "ui/base/qt_text.h"
#include "ui/menus/examples.h"
#include "ui/menus/file_dialog.h"
#include "ui/menus/own_menu.h"
#include "ui/menus/recent_files.h"
#include "ui/menus/view_menu.h"

namespace fendrel {

namespace {

// A lesson is a lesson whichever filter shows it: a name without extension takes a lesson's.
QList<FileType> lessonTypes() {
    const QString suffix = toQString(kLessonSuffix);
    return {{toQString(_("Fendrel lessons (*.fendrel)")), suffix}, {toQString(_("All files (*)")), suffix}};
}

}  // namespace

FileMenu::FileMenu(QMenuBar& bar, Form& form, ViewMenu& view, QWidget& window, std::function<void()> render)
    : form_(form), view_(view), window_(window), render_(std::move(render)) {
    QMenu& menu = addFirstMenu(bar, QStringLiteral("File"), toQString(_("File")));
    // The keys are spelt out: with no desktop's theme, Qt knows none for Save As.
    const auto item = [&menu](const char* name, std::string_view caption, QKeySequence key, auto chosen) {
        QAction* action = addOwnItem(menu, QString::fromLatin1(name), toQString(caption), {key});
        QObject::connect(action, &QAction::triggered, action, chosen);
    };
    item("New", _("New"), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { newLesson(); });
    item("Open", _("Open\u2026"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { chooseAndOpen(); });
    QMenu* recent = menu.addMenu(toQString(_("Open Recent")));
    recent->setObjectName(QStringLiteral("OpenRecent"));
    recent_ = std::make_unique<RecentFiles>(*recent, [this](const QString& path) { open(path); });
    QMenu* examples = menu.addMenu(toQString(_("Examples")));
    examples->setObjectName(QStringLiteral("Examples"));
    addExamples(*examples, [this](const QString& path) {
        if (mayDiscard()) openAs(path, Form::Opening::AsNewLesson);
    });
    menu.addSeparator();
    item("Save", _("Save"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { save(); });
    item("SaveAs", _("Save As\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { saveAs(); });
    menu.addSeparator();
    item("Quit", _("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { window_.close(); });
}

FileMenu::~FileMenu() = default;

void FileMenu::open(const QString& path) {
    if (mayDiscard()) openAs(QFileInfo(path).absoluteFilePath(), Form::Opening::AsItsFile);
}

bool FileMenu::mayClose() { return mayDiscard(); }

bool FileMenu::mayDiscard() {
    if (!form_.modified()) return true;
    const auto& file = form_.fileName();
    // TRANSLATORS: {file} is the lesson's file name.
    const std::string text = file ? fill(_("The lesson \"{file}\" has changes that are not saved."),
                                         {{"file", QFileInfo(qtPath(*file)).fileName().toStdString()}})
                                  : std::string(_("This lesson has changes that are not saved."));
    QMessageBox box(QMessageBox::Warning, toQString(_("Unsaved Changes")), toQString(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window_);
    box.setInformativeText(toQString(_("Save them first?")));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save: return save();
        case QMessageBox::Discard: return true;
        default: return false;
    }
}

void FileMenu::newLesson() {
    if (!mayDiscard()) return;
    form_.newLesson();
    render_();
    view_.present(view_.settings());
}

void FileMenu::chooseAndOpen() {
    if (!mayDiscard()) return;
    const auto& file = form_.fileName();
    const QString folder = file ? QFileInfo(qtPath(*file)).absolutePath()
                                : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(&window_, toQString(_("Open Lesson")), folder);
    setUpFileDialog(dialog, QFileDialog::AcceptOpen, lessonTypes());
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openAs(dialog.selectedFiles().front(), Form::Opening::AsItsFile);
}

void FileMenu::openAs(const QString& path, Form::Opening how) {
    const auto opened = form_.open(nativePath(path), how);
    if (how == Form::Opening::AsItsFile) {
        if (opened)
            recent_->add(path);
        else if (!QFileInfo::exists(path))
            recent_->remove(path);
    }
    render_();
    // Placed once its labels are: the view frames the figure with them.
    if (opened) view_.present(opened->view.value_or(view_.settings()));
}

bool FileMenu::save() {
    const auto& file = form_.fileName();
    return file ? saveTo(qtPath(*file)) : saveAs();
}

bool FileMenu::saveAs() {
    const auto& file = form_.fileName();
    QFileDialog dialog(&window_, toQString(_("Save Lesson")));
    setUpFileDialog(dialog, QFileDialog::AcceptSave, lessonTypes());
    if (file)
        dialog.selectFile(qtPath(*file));
    else {
        dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        // TRANSLATORS: the name Save As offers for a lesson that has none yet.
        dialog.selectFile(toQString(_("lesson.fendrel")));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return saveTo(dialog.selectedFiles().front());
}

bool FileMenu::saveTo(const QString& path) {
    const bool saved = form_.save(nativePath(path), view_.settings());
    if (saved) recent_->add(path);
    render_();
    return saved;
}

}  // namespace fendrel

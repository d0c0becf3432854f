// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/picture_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

#include "model/translation.h"
#include "ui/base/qt_text.h"
#include "ui/menus/file_dialog.h"
#include "ui/menus/own_menu.h"
#include "ui/picture/picture.h"

namespace fendrel {

namespace {

void savePictureAs(QWidget& canvas) {
    const QString title = toQString(_("Save Picture"));
    QFileDialog dialog(canvas.window(), title);
    setUpFileDialog(dialog, QFileDialog::AcceptSave,
                    {{toQString(_("PNG image (*.png)")), QStringLiteral("png")},
                     {toQString(_("SVG drawing (*.svg)")), QStringLiteral("svg")}});
    dialog.selectFile(QStringLiteral("vectors.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    if (const QString error = savePicture(canvas, dialog.selectedFiles().front()); !error.isEmpty())
        QMessageBox::warning(canvas.window(), title, error);
}

}  // namespace

void addPictureActions(QMenu& menu, QWidget& canvas) {
    QAction* copy = addOwnItem(menu, QStringLiteral("CopyPicture"), toQString(_("Copy Picture")),
                               {QKeySequence(Qt::CTRL | Qt::Key_C)});
    QObject::connect(copy, &QAction::triggered, copy,
                     [&canvas] { QApplication::clipboard()->setMimeData(pictureMimeData(canvas)); });
    QAction* save = addOwnItem(menu, QStringLiteral("SavePicture"), toQString(_("Save Picture\u2026")));
    QObject::connect(save, &QAction::triggered, save, [&canvas] { savePictureAs(canvas); });
}

}  // namespace fendrel

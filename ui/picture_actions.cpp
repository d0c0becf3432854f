// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include "ui/own_menu.h"
#include "ui/picture.h"

namespace fendrel {

namespace {

const QString kPng = QStringLiteral("PNG image (*.png)");
const QString kSvg = QStringLiteral("SVG drawing (*.svg)");

void savePictureAs(QWidget& canvas) {
    const QString title = QStringLiteral("Save Picture");
    QString filter = kPng;
    QString path = QFileDialog::getSaveFileName(canvas.window(), title, QStringLiteral("vectors.png"),
                                                kPng + QStringLiteral(";;") + kSvg, &filter);
    if (path.isEmpty()) return;
    // A name without an extension takes the one of the chosen file type.
    if (QFileInfo(path).suffix().isEmpty()) path += filter == kSvg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (const QString error = savePicture(canvas, path); !error.isEmpty())
        QMessageBox::warning(canvas.window(), title, error);
}

}  // namespace

void addPictureActions(QMenu& menu, QWidget& canvas) {
    QAction* copy = addOwnItem(menu, QStringLiteral("CopyPicture"), QStringLiteral("Copy Picture"),
                               {QKeySequence(Qt::CTRL | Qt::Key_C)});
    QObject::connect(copy, &QAction::triggered, copy,
                     [&canvas] { QApplication::clipboard()->setMimeData(pictureMimeData(canvas)); });
    QAction* save = addOwnItem(menu, QStringLiteral("SavePicture"), QStringLiteral("Save Picture\u2026"));
    QObject::connect(save, &QAction::triggered, save, [&canvas] { savePictureAs(canvas); });
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include "model/translation.h"
#include "ui/own_menu.h"
#include "ui/picture.h"
#include "ui/qt_text.h"

namespace fendrel {

namespace {

void savePictureAs(QWidget& canvas) {
    const QString png = toQString(_("PNG image (*.png)"));
    const QString svg = toQString(_("SVG drawing (*.svg)"));
    const QString title = toQString(_("Save Picture"));
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(canvas.window(), title, QStringLiteral("vectors.png"),
                                                png + QStringLiteral(";;") + svg, &filter);
    if (path.isEmpty()) return;
    // A name without an extension takes the one of the chosen file type.
    if (QFileInfo(path).suffix().isEmpty()) path += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (const QString error = savePicture(canvas, path); !error.isEmpty())
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

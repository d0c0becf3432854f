// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDialog>
#include <QList>
#include <QString>

namespace fendrel {

// A kind of file a dialog offers: its filter, such as "PNG image (*.png)", and the extension
// a name typed without one takes in a save dialog while that filter is chosen.
struct FileType {
    QString filter;
    QString suffix;
};

// Sets up one of the window's file dialogs, to open or to save, offering these types with the
// first one chosen. It is Qt's own dialog on every desktop, and it lists files by their names
// alone: it never reads a file to tell its type, which could block the window on a special
// file. A save dialog adds the chosen type's extension to a name typed without one before it
// asks whether to replace an existing file, so no file is replaced unasked.
void setUpFileDialog(QFileDialog& dialog, QFileDialog::AcceptMode mode, const QList<FileType>& types);

}  // namespace fendrel

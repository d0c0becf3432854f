// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/file_dialog.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

namespace fendrel {

namespace {

// Icons and type names of regular files from their names. Qt's own provider reads the first
// bytes of a file whose name tells nothing, and that read can wait for ever (/proc/kmsg, a
// file on a server that went away), freezing the window while a path is typed. Anything
// else it tells by its kind alone, reading nothing, so it is left to tell.
class IconsByName : public QFileIconProvider {
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override {
        if (!info.isFile()) return QFileIconProvider::icon(info);
        const QMimeType mime = byName(info);
        return QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName(), icon(File)));
    }

    QString type(const QFileInfo& info) const override {
        if (!info.isFile()) return QFileIconProvider::type(info);
        const QMimeType mime = byName(info);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    static QMimeType byName(const QFileInfo& info) {
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }
};

}  // namespace

void setUpFileDialog(QFileDialog& dialog, QFileDialog::AcceptMode mode, const QList<FileType>& types) {
    // Never deleted: a dialog's file list whose reading hangs (a server gone) is left to
    // finish after the dialog, and asks this for icons till then.
    static IconsByName* const icons = new IconsByName;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(icons);
    dialog.setAcceptMode(mode);
    QStringList filters;
    for (const FileType& type : types) filters << type.filter;
    dialog.setNameFilters(filters);
    if (mode != QFileDialog::AcceptSave) return;
    dialog.setDefaultSuffix(types.front().suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, types](const QString& filter) {
        for (const FileType& type : types)
            if (type.filter == filter) dialog.setDefaultSuffix(type.suffix);
    });
}

}  // namespace fendrel

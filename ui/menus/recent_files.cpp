// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "ui/base/settings_file.h"

namespace fendrel {

namespace {

const QString kKey = QStringLiteral("recentLessons");

QStringList storedPaths() { return setting(kKey).toStringList(); }

void storePaths(const QStringList& paths) { keepSetting(kKey, paths); }

}  // namespace

RecentFiles::RecentFiles(QMenu& menu, std::function<void(const QString&)> open)
    : menu_(menu), open_(std::move(open)), paths_(storedPaths().mid(0, kKept)) {
    // Filled as it opens, so that no item is deleted while it is being chosen.
    QObject::connect(&menu_, &QMenu::aboutToShow, &menu_, [this] { show(); });
    menu_.setEnabled(!paths_.isEmpty());
}

void RecentFiles::add(const QString& path) {
    QStringList paths = paths_;
    paths.removeAll(path);
    paths.prepend(path);
    store(paths.mid(0, kKept));
}

void RecentFiles::remove(const QString& path) {
    QStringList paths = paths_;
    if (paths.removeAll(path) > 0) store(paths);
}

void RecentFiles::store(const QStringList& paths) {
    paths_ = paths;
    storePaths(paths_);
    menu_.setEnabled(!paths_.isEmpty());
}

void RecentFiles::show() {
    menu_.clear();
    int number = 0;
    for (const QString& path : paths_) {
        // "&1 lesson.fendrel", with the whole path as the item's tip.
        const QString name = QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = menu_.addAction(QStringLiteral("&%1 %2").arg(++number).arg(name));
        item->setToolTip(QDir::toNativeSeparators(path));
        QObject::connect(item, &QAction::triggered, item, [this, path] { open_(path); });
    }
}

}  // namespace fendrel

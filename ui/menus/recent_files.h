// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QStringList>

class QMenu;

namespace fendrel {

// The lessons opened or saved last, newest first, kept in the user's settings from one run
// to the next, and shown as the items of a menu.
class RecentFiles {
public:
    static constexpr int kKept = 8;

    RecentFiles(QMenu& menu, std::function<void(const QString&)> open);

    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& paths);
    void show();

    QMenu& menu_;
    std::function<void(const QString&)> open_;
    QStringList paths_;
};

}  // namespace fendrel

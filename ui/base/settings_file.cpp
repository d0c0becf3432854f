// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/settings_file.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace fendrel {

std::optional<QString> settingsFile() {
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/fendrel/fendrel.conf");
    const QFileInfo file(path);
    if (file.exists() && !file.isFile()) return std::nullopt;
    return path;
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/settings_file.h"

#include <optional>

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace fendrel {

namespace {

std::optional<QString> settingsFile() {
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/fendrel/fendrel.conf");
    const QFileInfo file(path);
    if (file.exists() && !file.isFile()) return std::nullopt;
    return path;
}

}  // namespace

QVariant setting(const QString& key, const QVariant& fallback) {
    const auto file = settingsFile();
    return file ? QSettings(*file, QSettings::IniFormat).value(key, fallback) : fallback;
}

void keepSetting(const QString& key, const QVariant& value) {
    if (const auto file = settingsFile()) QSettings(*file, QSettings::IniFormat).setValue(key, value);
}

}  // namespace fendrel

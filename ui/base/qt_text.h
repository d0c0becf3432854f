// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include <QFile>
#include <QString>

namespace fendrel {

// The window logic's texts are UTF-8.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A file's path as the window logic keeps it (the system's bytes), and back.
inline std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
inline QString qtPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace fendrel

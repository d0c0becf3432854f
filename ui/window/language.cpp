// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "model/language_choice.h"
#include "model/translation.h"

namespace fendrel {

std::string localeFolder() {
    return (QCoreApplication::applicationDirPath() + QStringLiteral("/../share/locale")).toStdString();
}

bool speak(const std::string& code) {
    const std::string folder = localeFolder();
    if (!useLanguage(code.empty() ? desktopLanguage(folder) : code, folder)) return false;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&qt);
    if (languageInUse().empty()) {
        QLocale::setDefault(QLocale::c());
        return true;
    }
    const QLocale locale(QString::fromStdString(languageInUse()));
    QLocale::setDefault(locale);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/help_menu.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "model/translation.h"
#include "ui/base/qt_text.h"
#include "ui/menus/keyboard_help.h"
#include "ui/menus/own_menu.h"

namespace fendrel {

namespace {

// Debian's copy of the licence, which the package's copyright file names.
constexpr const char* kLicenceFile = "/usr/share/common-licenses/GPL-3";

// What About Fendrel says: the version, the copyright, the licence with its warranty
// disclaimer and where its text is installed, Qt's version and the language in use.
QString aboutText() {
    const std::string version = QCoreApplication::applicationVersion().toStdString();
    const QStringList paragraphs{
        // TRANSLATORS: {version} is Fendrel's version number ("1.2.0").
        toQString(fill(_("Fendrel {version}"), {{"version", version}})) + QLatin1Char('\n') +
            toQString(_("Copyright \u00A9 2026 The Fendrel developers")),
        // TRANSLATORS: the licence notice and its warranty disclaimer, as the GNU General Public
        // License asks a program to show them.
        toQString(_("This program is free software: you can redistribute it and/or modify it under the terms of "
                    "the GNU General Public License as published by the Free Software Foundation, either version 3 "
                    "of the License, or (at your option) any later version.")),
        toQString(_("This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; "
                    "without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See "
                    "the GNU General Public License for more details.")),
        // TRANSLATORS: {file} is the path of the licence's text on this computer.
        toQString(fill(_("The full text of the licence is installed as {file}."), {{"file", kLicenceFile}})),
        // TRANSLATORS: {version} is the version of the Qt library the program runs with.
        toQString(fill(_("Qt {version}"), {{"version", qVersion()}})) + QLatin1Char('\n') +
            toQString(fill(_("Language: {language}"), {{"language", _(C_("name of this translation's language", "English"))}})),
    };
    return paragraphs.join(QStringLiteral("\n\n"));
}

void showAbout(QWidget& window) {
    // TRANSLATORS: the title of the box About Fendrel, as the Help menu names it.
    QMessageBox box(QMessageBox::Information, toQString(_("About Fendrel")), aboutText(), QMessageBox::Ok, &window);
    box.setIconPixmap(window.windowIcon().pixmap(64));
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

}  // namespace

void addHelpMenu(QMenuBar& bar, QWidget& window) {
    // TRANSLATORS: the last menu of the menu bar.
    QMenu& menu = addLastMenu(bar, QStringLiteral("Help"), toQString(_("Help")));
    QAction* keys = addOwnItem(menu, QStringLiteral("KeyboardShortcuts"), toQString(_("Keyboard Shortcuts")),
                               {QKeySequence(Qt::Key_F1)});
    QObject::connect(keys, &QAction::triggered, &window, [&bar, &window] { showKeyboardShortcuts(window, bar); });
    menu.addSeparator();
    QAction* about = addOwnItem(menu, QStringLiteral("AboutFendrel"), toQString(_("About Fendrel")));
    QObject::connect(about, &QAction::triggered, &window, [&window] { showAbout(window); });
    // TRANSLATORS: shows the box about the Qt library the program is written with.
    QAction* aboutQt = addOwnItem(menu, QStringLiteral("AboutQt"), toQString(_("About Qt")));
    QObject::connect(aboutQt, &QAction::triggered, &window, [&window] { QMessageBox::aboutQt(&window); });
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    // A global menu bar would drop the titles that have no items.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    // The desktop finds the entry, and so the name and icon, by this id (under Wayland too).
    QApplication::setDesktopFileName(QStringLiteral(FENDREL_APP_ID));
    QApplication::setApplicationName(QStringLiteral("Fendrel"));
    QApplication::setApplicationVersion(QStringLiteral(FENDREL_VERSION));
    fendrel::MainWindow window;
    window.show();
    return app.exec();
}

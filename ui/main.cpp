// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "ui/main_window.h"

namespace {

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Fendrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FENDREL_VERSION));
}

void describeOptions(QCommandLineParser& options) {
    options.setApplicationDescription(QStringLiteral("Learn the addition of plane vectors by moving arrows."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A lesson to open (.fendrel)."),
                                  QStringLiteral("[file]"));
}

// --help and --version answer without a display to open a window on.
bool asksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (asksForHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheProgram();
        QCommandLineParser options;
        describeOptions(options);
        options.process(app);  // prints and exits
    }
    // A global menu bar would drop the titles that have no items.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    // The desktop finds the entry, and so the name and icon, by this id (under Wayland too).
    QApplication::setDesktopFileName(QStringLiteral(FENDREL_APP_ID));
    nameTheProgram();
    QCommandLineParser options;
    describeOptions(options);
    options.process(app);

    fendrel::MainWindow window;
    window.show();
    // Over the start-up figure, which stays if the file cannot be opened.
    if (const QStringList files = options.positionalArguments(); !files.isEmpty())
        QTimer::singleShot(0, &window, [&window, file = files.front()] { window.openLesson(file); });
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstring>
#include <string>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "model/translation.h"
#include "ui/base/qt_text.h"
#include "ui/window/language.h"
#include "ui/window/main_window.h"

namespace {

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Fendrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FENDREL_VERSION));
}

// What --language asks for ("--language de" or "--language=de"), before the options are
// read: their own descriptions are in that language.
std::string askedLanguage(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--language") == 0 && i + 1 < argc) return argv[i + 1];
        if (std::strncmp(argv[i], "--language=", 11) == 0) return argv[i] + 11;
    }
    return {};
}

// Speaks the language asked for, or the desktop's; says so when there is no such catalogue.
void speakAsAsked(int argc, char* argv[]) {
    const std::string code = askedLanguage(argc, argv);
    if (fendrel::speak(code)) return;
    std::fprintf(stderr, "%s\n",
                 fendrel::fill(fendrel::_("Fendrel: there is no translation for \"{language}\"; English is used."),
                               {{"language", code}})
                     .c_str());
}

void describeOptions(QCommandLineParser& options) {
    using fendrel::_;
    using fendrel::toQString;
    options.setApplicationDescription(toQString(_("Learn the addition of plane vectors by moving arrows.")));
    options.addHelpOption();
    options.addVersionOption();
    // TRANSLATORS: the description of the option --language CODE; keep "CODE" as the option's
    // value is named in the help.
    options.addOption({QStringLiteral("language"),
                       toQString(_("Speak the language CODE (de, fr, es, it, pt_BR, pl) instead of the desktop's.")),
                       QStringLiteral("CODE")});
    options.addPositionalArgument(QStringLiteral("file"), toQString(_("A lesson to open (.fendrel).")),
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
        speakAsAsked(argc, argv);
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
    speakAsAsked(argc, argv);
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

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the real window: milliseconds from the process's start and from main() to
// the end of the canvas's first paint, and the resident memory at that moment.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <QApplication>
#include <QTimer>
#include <unistd.h>

#include "offscreen_default.h"
#include "ui/window/language.h"
#include "ui/window/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds since the process started, to the kernel's clock tick (usually 10 ms).
double processAgeMs() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));  // after the command name
    std::string field;
    for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time in ticks after boot
    const double startTicks = std::stod(field);
    double uptimeSeconds = 0;
    std::ifstream("/proc/uptime") >> uptimeSeconds;
    return (uptimeSeconds - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
}

std::string residentMemory() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return line.substr(line.find_first_not_of(" \t", 6));
    return "?";
}

// Reports once the canvas has finished its first paint, then quits.
class FirstFrameApplication : public QApplication {
public:
    FirstFrameApplication(int& argc, char** argv, Clock::time_point mainStart)
        : QApplication(argc, argv), mainStart_(mainStart) {}

    bool notify(QObject* receiver, QEvent* event) override {
        const bool handled = QApplication::notify(receiver, event);
        if (!reported_ && event->type() == QEvent::Paint && receiver->objectName() == QLatin1String("canvas")) {
            reported_ = true;
            const double sinceMain = std::chrono::duration<double, std::milli>(Clock::now() - mainStart_).count();
            std::printf("first frame: %.1f ms after main, %.0f ms after process start; VmRSS %s\n", sinceMain,
                        processAgeMs(), residentMemory().c_str());
            QTimer::singleShot(0, this, &QApplication::quit);
        }
        return handled;
    }

private:
    Clock::time_point mainStart_;
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point start = Clock::now();
    fendrel::useOffscreenUnlessChosen();
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    FirstFrameApplication app(argc, argv, start);
    // In the desktop's language, as the program speaks it (LANGUAGE=de: the catalogue and Qt's own).
    fendrel::speak({});
    fendrel::MainWindow window;
    window.show();
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <QFont>
#include <QRect>

class QAction;
class QWidget;

namespace fendrel {

// Presentation mode, for a projector: the window full screen and the whole interface in large
// type, the menu bar, the menus, prompts and message boxes (the products report among them)
// kFontScale times the desktop's size, or as many times as the settings' "presentationFontScale"
// says. Leaving it gives the window back its place, size and state and the desktop's fonts. It
// follows its menu item, and the user's settings keep it from one run to the next.
class PresentationMode {
public:
    static constexpr double kFontScale = 1.75;

    // `fontsChanged` is called after the interface's type grew or shrank back.
    PresentationMode(QWidget& window, QAction& item, std::function<void()> fontsChanged);

    // On again if it was on when the program last ran.
    void resume();
    // Off, fonts and all, once the window is no longer full screen for a reason of its own
    // (the window manager's key or title bar), so that the menu item never says otherwise.
    void followWindowState();

private:
    void enter();
    void leave();

    // The fonts of the application and of the kinds of widget the desktop gives fonts of
    // their own, as they were before presentation mode.
    struct Fonts {
        QFont application;
        std::vector<std::pair<const char*, QFont>> classes;
    };

    QWidget& window_;
    QAction& item_;
    std::function<void()> fontsChanged_;
    std::optional<Fonts> desktopFonts_;  // while presentation mode is on
    QRect geometryBefore_;
    Qt::WindowStates stateBefore_;
};

}  // namespace fendrel

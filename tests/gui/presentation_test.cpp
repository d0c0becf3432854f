// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Presentation mode: full screen with the menu bar and the prompts in large type, and back to
// the window as it was; the settings keep the choice for the next run.
#include <QApplication>
#include <QFontInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "modal_answer.h"
#include "ui/window/main_window.h"
#include "ui/window/presentation_mode.h"

namespace fendrel {
namespace {

// The size of the prompt's text, the prompt cancelled.
double promptTextSize(QAction& opensPrompt) {
    double size = 0;
    const ModalAnswer answer([&size](QWidget& modal) {
        size = QFontInfo(modal.findChild<QLabel*>()->font()).pointSizeF();
        dynamic_cast<QInputDialog&>(modal).reject();
    });
    opensPrompt.trigger();
    EXPECT_TRUE(answer.answered());
    return size;
}

TEST(PresentationMode, FullScreenInLargeTypeAndBackAsItWas) {
    // Settings of its own, so that no other test's window starts in presentation mode.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    // A menu bar with a font of its own, as a desktop's theme may give it.
    QFont themed = QApplication::font();
    themed.setPointSizeF(themed.pointSizeF() + 2);
    QApplication::setFont(themed, "QMenuBar");
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QAction& mode = *window.findChild<QAction*>(QStringLiteral("PresentationMode"));
    QAction& unit = *window.findChild<QAction*>(QStringLiteral("UnitOfMeasure"));
    const QFont menuFont = window.menuBar()->font();
    const QRect geometry = window.geometry();
    const double menuSize = QFontInfo(menuFont).pointSizeF(), promptSize = promptTextSize(unit);
    const auto remembered = [&settings] {
        return QSettings(settings.filePath(QStringLiteral("fendrel/fendrel.conf")), QSettings::IniFormat).value("presentationMode");
    };

    mode.trigger();
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_NEAR(QFontInfo(window.menuBar()->font()).pointSizeF(), PresentationMode::kFontScale * menuSize, 0.5);
    EXPECT_NEAR(promptTextSize(unit), PresentationMode::kFontScale * promptSize, 0.5);
    EXPECT_EQ(remembered(), true);

    mode.trigger();
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(window.menuBar()->font(), menuFont);
    EXPECT_EQ(promptTextSize(unit), promptSize);
    EXPECT_EQ(window.geometry(), geometry);
    EXPECT_EQ(remembered(), false);

    // Leaving full screen by the window manager's means leaves presentation mode too.
    mode.trigger();
    window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
    EXPECT_FALSE(mode.isChecked());
    EXPECT_EQ(window.menuBar()->font(), menuFont);
    EXPECT_EQ(remembered(), false);
}

}  // namespace
}  // namespace fendrel

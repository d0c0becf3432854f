// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/base/qt_text.h"
#include "ui/window/main_window.h"

namespace fendrel {

// The real window, shown offscreen, with its parts found by their element names.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // At 96 dots per inch one logical pixel is 15 window units.
        ASSERT_EQ(window.screen()->logicalDotsPerInchX(), 96);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    static QPointF px(double x, double y) { return {x / 15, y / 15}; }

    QWidget& canvas() { return *window.findChild<QWidget*>(QStringLiteral("canvas")); }
    QLabel& label(std::string_view name) { return *window.findChild<QLabel*>(toQString(name)); }
    QAction& action(std::string_view name) { return *window.findChild<QAction*>(toQString(name)); }
    QMenu& menu(std::string_view name) { return *window.findChild<QMenu*>(toQString(name)); }
    QString caption(std::string_view name) { return action(name).text(); }

    // The canvas as painted, labels included, in device pixels.
    QImage paintedCanvas() { return canvas().grab().toImage(); }

    // A line is 3 pixels wide, so some pixel next to a point on it shows its exact colour.
    static bool colourNear(const QImage& image, QPointF at, QColor colour) {
        const double ratio = image.devicePixelRatio();
        const QPoint centre(static_cast<int>(at.x() * ratio), static_cast<int>(at.y() * ratio));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.pixelColor(centre + QPoint(dx, dy)) == colour) return true;
        return false;
    }

    void mouse(QWidget& target, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, at, target.mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(&target, &event);
    }
    void moveWith(Qt::MouseButtons held, QPointF at, Qt::KeyboardModifiers modifiers = {}) {
        mouse(canvas(), QEvent::MouseMove, at, Qt::NoButton, held, modifiers);
    }

    static inline const QColor kColourA{255, 128, 128};
    static inline const QColor kColourB{0, 255, 0};
    static inline const QColor kColourR{255, 255, 0};

    MainWindow window;
};

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The values panel: large, readable text on every background, the menus' own captions.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include "app/contrast.h"
#include "app/window_description.h"
#include "ui/qt_text.h"
#include "ui/values_panel.h"

namespace fendrel {
namespace {

// The rows of `image` that hold a pixel unlike its corner's.
int inkHeight(const QImage& image) {
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) {
                top = std::min(top, y);
                bottom = y;
            }
    return bottom - top + 1;
}

Color asColor(QRgb c) { return static_cast<Color>(qRed(c) | qGreen(c) << 8 | qBlue(c) << 16); }

QImage grabbed(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

struct Panel {
    Panel() : panel(nullptr, QApplication::font("QMenuBar")) {}
    // Each vector's texts in turn: caption, x and y components, locked.
    QLabel& caption(Vec v) { return *panel.findChildren<QLabel*>()[4 * static_cast<int>(v)]; }
    ValuesPanel panel;
};

TEST(ValuesPanel, TextFollowsTheZoomAtThreeTimesTheMenusAtZoomTwo) {
    FormState s = initialForm();
    QLabel menuText(toQString(s.menu(Menu::SetA).caption));
    menuText.setFont(QApplication::font("QMenuBar"));
    menuText.adjustSize();
    const int menu = inkHeight(grabbed(menuText));

    Panel p;
    std::vector<int> heights;
    for (double zoom : {1.0, 2.0}) {
        p.panel.render(s, zoom);
        p.panel.resize(p.panel.sizeHint().expandedTo(QSize(1200, 0)));
        heights.push_back(inkHeight(grabbed(p.caption(Vec::A))));
    }
    EXPECT_NEAR(heights[1], 2 * heights[0], 2);
    EXPECT_GE(heights[1], 3 * menu);
    EXPECT_EQ(p.caption(Vec::A).text(), toQString(s.menu(Menu::SetA).caption));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&p.caption(Vec::R))->text(QAccessible::Name),
              toQString(s.menu(Menu::SetR).caption));
}

TEST(ValuesPanel, EveryVectorStandsOutFromEveryBackground) {
    for (Color background : {0x404040u, 0x800000u, 0x000080u}) {
        FormState s = initialForm();
        s.backColor = background;
        Panel p;
        p.panel.render(s, 1.0);
        p.panel.resize(1200, p.panel.sizeHint().height());
        for (Vec v : kVectors) {
            const QImage text = grabbed(p.caption(v));
            double best = 1;
            for (int y = 0; y < text.height(); ++y)
                for (int x = 0; x < text.width(); ++x)
                    best = std::max(best, contrastRatio(asColor(text.pixel(x, y)), background));
            EXPECT_GE(best, ValuesPanel::kContrast) << background << " " << static_cast<int>(v);
        }
    }
}

}  // namespace
}  // namespace fendrel

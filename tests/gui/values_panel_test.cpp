// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The values panel: large, readable text on every background, the menus' own captions, the
// unit of the reference scale after each value in that scale, and every text whole.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include "app/contrast.h"
#include "app/figure_texts.h"
#include "app/initial_form.h"
#include "model/refresh.h"
#include "ui/base/qt_text.h"
#include "ui/figure/values_panel.h"

namespace fendrel {
namespace {

Color asColor(QRgb c) { return static_cast<Color>(qRed(c) | qGreen(c) << 8 | qBlue(c) << 16); }

// How many rows of the widget hold a pixel unlike its corner's, and the pixel that stands
// out most from `background`.
struct Ink {
    int rows = 0;
    Color strongest = 0;
};
Ink inkOf(QWidget& w, Color background) {
    const QImage image = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    Ink ink{0, background};
    for (int y = 0; y < image.height(); ++y) {
        bool inked = false;
        for (int x = 0; x < image.width(); ++x) {
            const Color c = asColor(image.pixel(x, y));
            inked = inked || image.pixel(x, y) != image.pixel(0, 0);
            if (contrastRatio(c, background) > contrastRatio(ink.strongest, background)) ink.strongest = c;
        }
        ink.rows += inked;
    }
    return ink;
}

TEST(ValuesPanel, LargeAsTheZoomAndReadableOnEveryBackgroundWithTheMenusCaptions) {
    FormState s = initialForm();
    QLabel menuText(toQString(s.menu(Menu::SetA).caption));
    menuText.setFont(QApplication::font("QMenuBar"));
    menuText.adjustSize();
    const int menuRows = inkOf(menuText, 0xFFFFFF).rows;
    for (Color background : {0x404040u, 0x800000u, 0x000080u}) {
        s.backColor = background;
        ValuesPanel panel(nullptr, QApplication::font("QMenuBar"));
        // Each vector's texts in turn: caption, x and y components, locked.
        const auto caption = [&panel](Vec v) { return panel.findChildren<QLabel*>()[4 * static_cast<int>(v)]; };
        std::vector<int> rows;
        for (double zoom : {1.0, 2.0}) {
            panel.render(s, zoom);
            panel.resize(panel.sizeHint().expandedTo(QSize(1200, 0)));
            rows.push_back(inkOf(*caption(Vec::A), background).rows);
        }
        EXPECT_NEAR(rows[1], 2 * rows[0], 2);
        EXPECT_GE(rows[1], 3 * menuRows);
        for (Vec v : kVectors) {
            EXPECT_EQ(caption(v)->text(), toQString(s.menu(vectorMenu(v, VectorItem::Title)).caption));
            const Color shown = inkOf(*caption(v), background).strongest;
            EXPECT_GE(contrastRatio(shown, background), kTextContrast) << background << " " << caption(v)->text().toStdString();
            // A colour that stands out already is kept as it is.
            if (contrastRatio(s.line(v).color, background) >= kTextContrast) {
                EXPECT_EQ(shown, s.line(v).color);
            }
        }
        EXPECT_EQ(QAccessible::queryAccessibleInterface(caption(Vec::R))->text(QAccessible::Name), caption(Vec::R)->text());
        // Below the columns, R's components as sums, as readable as R's own texts.
        for (Axis a : kAxes) {
            QLabel& sum = *panel.findChildren<QLabel*>()[12 + static_cast<int>(a)];
            EXPECT_EQ(sum.text(), toQString(componentSumLine(s, a)));
            EXPECT_GE(contrastRatio(inkOf(sum, background).strongest, background), kTextContrast);
        }
    }
}

TEST(ValuesPanel, WritesTheUnitAfterTheScaledValuesAndFitsEveryTextInItsColumn) {
    FormState s = initialForm();
    s.menu(Menu::ca).checked = true;
    s.vars.referenceConstant = Number::dbl(30);
    refreshQuantities(s);
    s.unit = std::string("N");  // as a whole: GCC 12 warns wrongly of assigning the literal
    QWidget window;  // the height the panel shares with the figure
    window.resize(900, 600);
    ValuesPanel panel(&window, QApplication::font("QMenuBar"));
    window.show();
    panel.resize(900, 0);
    const QList<QLabel*> texts = panel.findChildren<QLabel*>();
    for (double zoom : {1.0, 4.0}) {
        panel.render(s, zoom);
        EXPECT_EQ(texts[0]->text(), QStringLiteral("A= 30 N, 90\u00B0"));
        EXPECT_EQ(texts[2]->text(), QStringLiteral("Ay= 30 N"));
        for (const QLabel* text : texts) EXPECT_LE(text->fontMetrics().horizontalAdvance(text->text()), text->width()) << zoom;
        EXPECT_LE(panel.sizeHint().height(), window.height() * ValuesPanel::kShareOfHeight) << zoom;
    }
    EXPECT_EQ(s.menu(Menu::SetA).caption, "A= 30, 90\u00B0");
}

}  // namespace
}  // namespace fendrel

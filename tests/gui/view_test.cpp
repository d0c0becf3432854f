// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include <QFile>
#include <QInputDialog>
#include <QTemporaryDir>

#include "app/contrast.h"
#include "app/figure_marks.h"

#include "modal_answer.h"
#include "ui/base/colors.h"
#include "ui/figure/canvas.h"
#include "window_test.h"

namespace fendrel {
namespace {

class ViewTest : public WindowTest {
protected:
    Canvas& view() { return *window.findChild<Canvas*>(QStringLiteral("canvas")); }
    // The box around the lines and the labels, in pixels on the canvas.
    QRectF figureOnCanvas() {
        QRectF box;
        for (const Line& l : window.state().lines)
            box |= QRectF(view().units().toPixels(l.x1, l.y1), view().units().toPixels(l.x2, l.y2)).normalized();
        for (const char* name : {"LabelA", "LabelB", "LabelR"}) box |= QRectF(label(name).geometry());
        return box;
    }
    void zoomTo(double zoom) {
        ViewSettings v = view().view();
        v.zoom = zoom;
        view().setView(v);
    }

    // Pixels of A's vertical line across a row of the painted canvas: those of its exact
    // colour, and all that differ from the background.
    struct Across {
        int exact = 0, covered = 0;
    };
    Across acrossA(int x, int y) {
        const QImage image = paintedCanvas();
        const QColor background = image.pixelColor(2, y);
        Across a;
        for (int i = x - 12; i <= x + 12; ++i) {
            a.exact += image.pixelColor(i, y) == kColourA;
            a.covered += image.pixelColor(i, y) != background;
        }
        return a;
    }

    // Where runs of pixels unlike the background start along a row, from x0 to x1, each
    // checked to be within a pixel of where it is expected.
    void expectRunsAt(int y, int x0, int x1, const std::vector<double>& expected) {
        const std::vector<int> starts = runStarts(y, x0, x1);
        ASSERT_EQ(starts.size(), expected.size());
        for (size_t i = 0; i < starts.size(); ++i) EXPECT_NEAR(starts[i], expected[i], 1.0) << i;
    }
    std::vector<int> runStarts(int y, int x0, int x1) {
        const QImage image = paintedCanvas();
        const QColor background = toQColor(window.state().backColor);
        std::vector<int> starts;
        for (int x = x0; x < x1; ++x)
            if (image.pixelColor(x, y) != background && (x == x0 || image.pixelColor(x - 1, y) == background))
                starts.push_back(x);
        return starts;
    }
};

TEST_F(ViewTest, ViewAndEditMenusHoldTheirItemsWithEverythingOffAtStart) {
    QStringList edit, viewItems;
    for (QAction* a : menu("Edit").actions()) edit << a->text();
    for (QAction* a : menu("View").actions())
        if (!a->isSeparator()) viewItems << a->text();
    EXPECT_EQ(edit, QStringList({"Undo", "Redo", "", "Unit of Measure…", "", "Copy Picture", "Save Picture…"}));
    EXPECT_EQ(viewItems, QStringList({"Zoom In", "Zoom Out", "Actual Size", "Fit to Window", "Arrow Heads", "Grid",
                                      "Components", "Angles", "Values", "Presentation Mode"}));
    for (const char* item : {"FitToWindow", "ArrowHeads", "Grid", "Angles", "PresentationMode"})
        EXPECT_FALSE(action(item).isChecked()) << item;
    EXPECT_TRUE(action("ComponentsOff").isChecked());
    EXPECT_TRUE(action("Values").isChecked());
    EXPECT_EQ(view().zoom(), 1.0);
}

TEST_F(ViewTest, AtZoomTwoLinesLabelsAndFontsDoubleFromTheCorner) {
    const Across actual = acrossA(248, 196);
    const double font = label("LabelA").font().pointSizeF();
    const FormState before = window.state();
    zoomTo(2);

    const Across zoomed = acrossA(496, 392);  // the same point of A, twice as far from the corner
    EXPECT_LE(actual.exact, 3);
    EXPECT_GE(zoomed.exact, 5);
    EXPECT_LE(zoomed.covered, 2 * actual.covered);
    EXPECT_TRUE(colourNear(paintedCanvas(), QPointF(2 * 5340 / 15.0, 2 * 2940 / 15.0), kColourR));
    EXPECT_EQ(label("LabelA").pos(), QPoint(496, 112));
    EXPECT_EQ(label("LabelB").pos(), QPoint(928, 672));
    EXPECT_EQ(label("LabelR").pos(), QPoint(928, 112));
    EXPECT_DOUBLE_EQ(label("LabelA").font().pointSizeF(), 2 * font);
    EXPECT_EQ(window.state(), before);  // no number changes

    // The pointer goes through the same conversion: a pixel is half as many window units.
    mouse(canvas(), QEvent::MouseButtonPress, QPointF(100, 400), Qt::LeftButton, Qt::LeftButton);
    moveWith(Qt::LeftButton, QPointF(400, 100));
    EXPECT_FLOAT_EQ(window.state().line(Vec::A).x2, 3000);
    EXPECT_FLOAT_EQ(window.state().line(Vec::A).y2, 750);
    EXPECT_EQ(label("LabelA").pos(), QPoint(400, 100));

    action("ActualSize").trigger();
    EXPECT_EQ(label("LabelA").pos(), QPoint(200, 50));
    EXPECT_DOUBLE_EQ(label("LabelA").font().pointSizeF(), font);
}

TEST_F(ViewTest, ZoomStepsKeepTheFiguresCentreAndFittingFramesItWhenChosenAndAfterEachStep) {
    const QPointF centre = figureOnCanvas().center();
    for (int i = 0; i < 3; ++i) action("ZoomIn").trigger();
    EXPECT_NEAR(view().zoom(), 1.953125, 1e-12);
    EXPECT_LT(QLineF(figureOnCanvas().center(), centre).length(), 2.0);
    for (int i = 0; i < 3; ++i) action("ZoomOut").trigger();
    EXPECT_EQ(view().zoom(), 1.0);
    EXPECT_LT(QLineF(figureOnCanvas().center(), centre).length(), 2.0);

    // A pointing down, far below the canvas: Fit brings the whole figure in, centred.
    moveWith(Qt::LeftButton, QPointF(248, 700));
    ASSERT_FALSE(QRectF(canvas().rect()).contains(figureOnCanvas()));
    action("FitToWindow").trigger();
    EXPECT_TRUE(action("FitToWindow").isChecked());
    const QRectF framed = figureOnCanvas();
    EXPECT_TRUE(QRectF(canvas().rect()).adjusted(20, 20, -20, -20).contains(framed));
    EXPECT_LT(QLineF(framed.center(), QRectF(canvas().rect()).center()).length(), 2.0);

    // A drag keeps the view where it is, and the pointer maps exactly to window units.
    const double zoom = view().zoom();
    moveWith(Qt::LeftButton, QPointF(300, 100));
    EXPECT_EQ(view().zoom(), zoom);
    const QPointF tip = view().units().toUnits(QPointF(300, 100));
    EXPECT_EQ(window.state().line(Vec::A).x2, static_cast<float>(tip.x()));
    EXPECT_EQ(window.state().line(Vec::A).y2, static_cast<float>(tip.y()));
    EXPECT_EQ(label("LabelA").pos(), QPoint(300, 100));

    // A step leaves fitting and goes on from the fitted zoom.
    action("ZoomIn").trigger();
    EXPECT_FALSE(action("FitToWindow").isChecked());
    EXPECT_GT(view().zoom(), zoom);

    // Fitted again, a typed answer that sends A far off the canvas is framed once it is done.
    action("FitToWindow").trigger();
    const ModalAnswer answer([](QWidget& modal) {
        auto& dialog = dynamic_cast<QInputDialog&>(modal);
        dialog.setTextValue(QStringLiteral("8000"));
        dialog.accept();
    });
    action("SizeA").trigger();
    ASSERT_TRUE(answer.answered());
    EXPECT_NEAR(window.state().vars.magnitude[Vec::A].read(), 8000, 0.01);
    EXPECT_TRUE(action("FitToWindow").isChecked());
    EXPECT_TRUE(QRectF(canvas().rect()).adjusted(20, 20, -20, -20).contains(figureOnCanvas()));
}

TEST_F(ViewTest, LabelsOnOneTipAreDrawnApartAndTheRingShowsTheLowerOneSelected) {
    action("ModeB").trigger();
    const FormState& s = window.state();
    ASSERT_EQ(s.label(Vec::B).left, s.label(Vec::R).left);
    ASSERT_EQ(s.label(Vec::B).top, s.label(Vec::R).top);
    EXPECT_FALSE(label("LabelB").geometry().intersects(label("LabelR").geometry()));
    EXPECT_EQ(label("LabelB").pos(), view().units().toPixels(s.label(Vec::B).left, s.label(Vec::B).top).toPoint());

    // R selected, then B's label brought on top of it: R's ring still shows, above both.
    action("LockB").trigger();
    mouse(label("LabelR"), QEvent::MouseButtonRelease, QPointF(2, 2), Qt::LeftButton, Qt::NoButton);
    action("LockR").trigger();
    ASSERT_EQ(s.topLabel(), Vec::B);
    ASSERT_EQ(s.vars.selected, Vec::R);
    canvas().setFocus();
    const QWidget& ring = *canvas().findChild<QWidget*>(QStringLiteral("focusRing"));
    EXPECT_TRUE(ring.isVisible() && ring.geometry().contains(label("LabelR").geometry()));
    EXPECT_FALSE(label("LabelB").geometry().intersects(label("LabelR").geometry()));
    EXPECT_EQ(paintedCanvas().pixelColor(ring.geometry().center().x(), ring.y()), QColor(Qt::white));
}

TEST_F(ViewTest, MiddleButtonAndAltArrowsPanTheViewNeverTheFigure) {
    zoomTo(2);
    const FormState before = window.state();
    const QPoint a = label("LabelA").pos();
    mouse(canvas(), QEvent::MouseButtonPress, QPointF(300, 300), Qt::MiddleButton, Qt::MiddleButton);
    moveWith(Qt::MiddleButton, QPointF(250, 280));
    mouse(canvas(), QEvent::MouseButtonRelease, QPointF(250, 280), Qt::MiddleButton, Qt::NoButton);
    EXPECT_EQ(label("LabelA").pos(), a - QPoint(50, 20));
    QTest::keyClick(&canvas(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(label("LabelA").pos(), a - QPoint(50, 20) + QPoint(canvas().width() / 8, 0));
    EXPECT_EQ(window.state(), before);
    EXPECT_FALSE(action("Undo").isEnabled());

    // However far it is dragged, some of the figure stays on the canvas.
    mouse(canvas(), QEvent::MouseButtonPress, QPointF(300, 300), Qt::MiddleButton, Qt::MiddleButton);
    moveWith(Qt::MiddleButton, QPointF(-20000, -20000));
    EXPECT_TRUE(figureOnCanvas().intersects(QRectF(canvas().rect())));
}

TEST_F(ViewTest, ArrowHeadsOnlyWhenChosen) {
    // Beside A's line, 8 pixels below its tip (248, 56): inside the head's width only.
    const QPointF besideTip(244.5, 64.5);
    EXPECT_FALSE(colourNear(paintedCanvas(), besideTip, kColourA));
    action("ArrowHeads").trigger();
    EXPECT_TRUE(colourNear(paintedCanvas(), besideTip, kColourA));
    EXPECT_TRUE(colourNear(paintedCanvas(), QPointF(456.5, 339), kColourB));
    action("ArrowHeads").trigger();
    EXPECT_FALSE(colourNear(paintedCanvas(), besideTip, kColourA));
}

// A = (1280, 3040), B = (3000, 1000) from the common tail, on each start-up background: the
// components of A and B in each way of drawing them, as dashes in the vectors' colours
// made readable, where nothing else is drawn (R's run under theirs, A's over B's).
TEST_F(ViewTest, ComponentsAreDashedWhereEachWayOfDrawingThemPutsThemAndStandOutFromEveryBackground) {
    struct Dash {
        Vec v;
        QPointF at;  // window units, on the dash
        bool level;  // along a row of pixels, or else a column
    };
    struct Style {
        const char* name;
        std::vector<Dash> dashes;
    };
    const Dash triangleAy{Vec::A, {5000, 3520}, false}, triangleBy{Vec::B, {6720, 4540}, false};
    const std::vector<Style> styles{
        {"triangle", {triangleAy, triangleBy}},
        {"fromTail", {{Vec::A, {3720, 3000}, false}, {Vec::B, {6000, 5040}, true}}},
        {"onAxes", {{Vec::A, {4360, 5160}, true}, {Vec::B, {3480, 4540}, false}}},  // beside the axes
    };
    QTemporaryDir dir;
    for (Color background : {0x404040u, 0x800000u, 0x000080u}) {
        for (const Style& style : styles) {
            const QString file = dir.filePath(QStringLiteral("figure.fendrel"));
            QFile lesson(file);
            ASSERT_TRUE(lesson.open(QIODevice::WriteOnly));
            lesson.write(QStringLiteral(
                R"({"format": "fendrel-lesson", "version": 1, "origin": [3720, 5040], "vectors": {
                    "A": {"tip": [5000, 2000], "locked": false, "reference": false, "label": {"bold": true, "size": 12}},
                    "B": {"tip": [6720, 4040], "locked": false, "reference": false, "label": {"bold": false, "size": 9.75}},
                    "R": {"tip": [8000, 1000], "locked": true, "reference": false, "label": {"bold": false, "size": 9.75}}},
                  "layout": "parallelogram", "selected": "A", "angleUnit": "degrees", "constant": null,
                  "background": %1, "labelStacking": ["A", "R", "B"], "view": {"zoom": 1, "fitToWindow": false,
                  "arrowHeads": false, "grid": false, "components": "%2", "angles": false}})")
                             .arg(background)
                             .arg(QString::fromLatin1(style.name))
                             .toUtf8());
            lesson.close();
            window.openLesson(file);
            ASSERT_EQ(window.state().backColor, background);
            const QImage image = paintedCanvas();
            const auto along = [&](const Dash& d, QColor colour) {
                Across a;  // pixels of the colour, and of the background, within 8 pixels of the point
                const QPoint centre = (d.at / 15).toPoint();
                for (int i = -8; i <= 8; ++i) {
                    const QColor c = image.pixelColor(centre + (d.level ? QPoint(i, 0) : QPoint(0, i)));
                    a.exact += c == colour;
                    a.covered += c != toQColor(background);
                }
                return a;
            };
            for (const Dash& d : style.dashes) {
                const Color dash = readableOn(window.state().line(d.v).color, background, kGraphicsContrast);
                const Across a = along(d, toQColor(dash));
                EXPECT_GE(a.exact, 5) << style.name << " " << background << " " << letter(d.v);
                EXPECT_LT(a.covered, 17) << style.name << " " << background << " " << letter(d.v);  // gaps between the dashes
                EXPECT_GE(contrastRatio(dash, background), 3.0);
            }
            // Drawn in no other way: nothing of A's where the triangle puts its y.
            if (style.name != std::string("triangle")) {
                EXPECT_EQ(along(triangleAy, toQColor(readableOn(window.state().line(Vec::A).color, background, kGraphicsContrast))).exact, 0);
            }
        }
    }
}

TEST_F(ViewTest, GridOnlyWhenChosenEvery500UnitsThroughTheMovingOrigin) {
    // Row 20, left of every line and label: nothing but the background without the grid.
    EXPECT_TRUE(runStarts(20, 0, 240).empty());
    action("Grid").trigger();
    // 15 window units a pixel: 500-unit steps, 33.3 pixels, through the origin at x = 248.
    const double step = 500 / 15.0;
    expectRunsAt(20, 0, 240, {248 - 7 * step, 248 - 6 * step, 248 - 5 * step, 248 - 4 * step, 248 - 3 * step, 248 - 2 * step, 248 - step});
    const QColor line = paintedCanvas().pixelColor(48, 20);
    EXPECT_LT(std::abs(line.lightness() - toQColor(window.state().backColor).lightness()), 64);  // faint

    moveWith(Qt::RightButton, QPointF(310, 300));  // the origin to x = 310
    expectRunsAt(20, 0, 240, {310 - 9 * step, 310 - 8 * step, 310 - 7 * step, 310 - 6 * step, 310 - 5 * step, 310 - 4 * step, 310 - 3 * step});
    // A panned view keeps its grid, the same step apart.
    QTest::keyClick(&view(), Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(&view(), Qt::Key_Up, Qt::AltModifier);
    const std::vector<int> panned = runStarts(20, 0, 240);
    ASSERT_GE(panned.size(), 5u);
    for (size_t i = 1; i < panned.size(); ++i) EXPECT_NEAR(panned[i] - panned[i - 1], step, 1.0) << i;
    action("Grid").trigger();
    EXPECT_TRUE(runStarts(20, 0, 240).empty());
}

TEST_F(ViewTest, GridStepsInReferenceUnitsWhileAConstantIsMarked) {
    action("Grid").trigger();
    {
        // A, 4200 units long, is declared 1: a tenth is 420 units, 28 pixels.
        const ModalAnswer answer([](QWidget& modal) {
            auto* prompt = qobject_cast<QInputDialog*>(&modal);
            ASSERT_NE(prompt, nullptr);
            prompt->setTextValue(QStringLiteral("1"));
            prompt->accept();
        });
        action("ca").trigger();
        ASSERT_TRUE(answer.answered());
    }
    ASSERT_TRUE(action("ca").isChecked());
    expectRunsAt(20, 0, 240, {24, 52, 80, 108, 136, 164, 192, 220});
}

}  // namespace
}  // namespace fendrel

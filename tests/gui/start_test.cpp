// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

namespace fendrel {
namespace {

using StartTest = WindowTest;

TEST_F(StartTest, WindowOpensAtItsClientSizeWithTitleAndIcon) {
    EXPECT_EQ(window.windowHandle()->title(), QStringLiteral("Fendrel"));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(canvas().size(), QSize(756, 544));  // 11340 x 8160 window units
}

TEST_F(StartTest, MenuBarShowsTheMeasuredVectorsInOrder) {
    QStringList titles;
    for (QAction* a : window.menuBar()->actions()) titles << a->objectName();
    EXPECT_EQ(titles, QStringList({"File", "SetA", "SetB", "SetR", "AngleMode", "Products", "Mode", "Edit", "View", "Task", "Info", "Help"}));

    QStringList itemsOfA;
    for (QAction* a : menu("SetA").actions()) itemsOfA << a->objectName();
    EXPECT_EQ(itemsOfA, QStringList({"SizeA", "Ax", "Ay", "AngleA", "LockA", "ca"}));

    EXPECT_EQ(caption("SetA"), QStringLiteral("A= 4200, 90°"));
    EXPECT_EQ(caption("Ax"), QStringLiteral("Ax= 0"));
    EXPECT_EQ(caption("Ay"), QStringLiteral("Ay= 4200"));
    EXPECT_EQ(caption("SetB"), QStringLiteral("B= 3240, 0°"));
    EXPECT_EQ(caption("SetR"), QStringLiteral("R= 5304.49, 52.35°"));
    EXPECT_EQ(caption("Rx"), QStringLiteral("Rx= 3240"));
    EXPECT_EQ(caption("AngleMode"), QStringLiteral("Degrees"));
    EXPECT_EQ(caption("ca"), QStringLiteral("A constant"));

    // The file items' keys, on every desktop; the example lessons the build made.
    for (const auto& [item, key] : {std::pair{"New", "Ctrl+N"}, {"Open", "Ctrl+O"}, {"Save", "Ctrl+S"},
                                    {"SaveAs", "Ctrl+Shift+S"}, {"Quit", "Ctrl+Q"}})
        EXPECT_EQ(action(item).shortcut(), QKeySequence(QString::fromLatin1(key))) << item;
    EXPECT_EQ(menu("Examples").actions().size(), 9);

    // Titles without items are plain actions on the bar.
    EXPECT_EQ(action("Products").menu(), nullptr);
    EXPECT_EQ(action("Info").menu(), nullptr);
}

TEST_F(StartTest, ResultantIsLockedAndModeAIsChecked) {
    EXPECT_FALSE(menu("SetR").isEnabled());
    EXPECT_FALSE(menu("SetR").menuAction()->isEnabled());
    EXPECT_TRUE(menu("SetA").isEnabled());
    EXPECT_TRUE(menu("SetB").isEnabled());

    EXPECT_TRUE(action("ModeA").isChecked());
    EXPECT_FALSE(action("ModeB").isChecked());
    for (const char* item : {"ca", "cb", "cr"}) {
        EXPECT_TRUE(action(item).isCheckable()) << item;
        EXPECT_FALSE(action(item).isChecked()) << item;
    }
    EXPECT_FALSE(action("SizeA").isCheckable());
}

TEST_F(StartTest, LabelsSitOnTheTipsWithTheirFonts) {
    EXPECT_EQ(label("LabelA").pos(), QPoint(248, 56));   // (3720, 840)
    EXPECT_EQ(label("LabelB").pos(), QPoint(464, 336));  // (6960, 5040)
    EXPECT_EQ(label("LabelR").pos(), QPoint(464, 56));   // (6960, 840)

    EXPECT_EQ(label("LabelA").text(), QStringLiteral("A"));
    EXPECT_EQ(label("LabelR").text(), QStringLiteral("R "));
    EXPECT_EQ(label("LabelR").toolTip(), QStringLiteral("R"));
    EXPECT_EQ(label("LabelA").textFormat(), Qt::PlainText);

    EXPECT_TRUE(label("LabelA").font().bold());
    EXPECT_DOUBLE_EQ(label("LabelA").font().pointSizeF(), 12);
    EXPECT_FALSE(label("LabelB").font().bold());
    EXPECT_DOUBLE_EQ(label("LabelB").font().pointSizeF(), 9.75);

    // Each label is as large as its caption and blends into the background.
    EXPECT_EQ(label("LabelA").size(), label("LabelA").sizeHint());
    EXPECT_TRUE(label("LabelA").autoFillBackground());
    EXPECT_EQ(label("LabelA").palette().color(QPalette::WindowText), kColourA);
    const QImage image = paintedCanvas();
    const QColor background = image.pixelColor(10, 10);
    EXPECT_EQ(label("LabelB").palette().color(QPalette::Window), background);
    EXPECT_TRUE(background == QColor(64, 64, 64) || background == QColor(0, 0, 128) || background == QColor(128, 0, 0))
        << background.name().toStdString();

    // LabelB is on top of the other two (the focus ring lies above all labels).
    EXPECT_EQ(canvas().findChildren<QLabel*>().last(), &label("LabelB"));
}

TEST_F(StartTest, CanvasPaintsEachLineInItsColour) {
    const QImage image = paintedCanvas();
    EXPECT_TRUE(colourNear(image, px(3720, 2940), kColourA));  // middle of A
    EXPECT_TRUE(colourNear(image, px(3720, 1500), kColourA));
    EXPECT_TRUE(colourNear(image, px(5340, 5040), kColourB));  // middle of B
    EXPECT_TRUE(colourNear(image, px(5340, 2940), kColourR));  // middle of R
    EXPECT_FALSE(colourNear(image, px(3000, 2940), kColourA));
    EXPECT_FALSE(colourNear(image, px(5340, 5400), kColourB));
}

}  // namespace
}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Labels drawn apart: in every stacking, wherever the three stand and whether they show a
// letter or a value, none covers another or comes so close that a focus ring around it would,
// and none that stood inside the canvas slides under its edge.
#include <algorithm>

#include <QLabel>
#include <gtest/gtest.h>

#include "app/focus_ring_style.h"
#include "ui/figure/labels_apart.h"

namespace fendrel {
namespace {

TEST(LabelsApart, NoLabelHidesAnotherInAnyArrangement) {
    QWidget canvas;
    canvas.resize(400, 300);
    PerVector<QLabel*> labels{new QLabel(&canvas), new QLabel(&canvas), new QLabel(&canvas)};
    const PerVector<QWidget*> widgets{labels[Vec::A], labels[Vec::B], labels[Vec::R]};
    // Each arrangement: where the labels' corners stand, A, B and R.
    const std::vector<std::array<QPoint, 3>> places{
        {QPoint(200, 150), QPoint(200, 150), QPoint(200, 150)},  // on one tip
        {QPoint(200, 280), QPoint(200, 280), QPoint(205, 280)},  // at the bottom edge
        {QPoint(200, 150), QPoint(204, 158), QPoint(196, 142)},  // staggered
        {QPoint(200, 150), QPoint(200, 150), QPoint(50, 40)},    // two on one tip
    };
    const std::vector<std::array<const char*, 3>> captions{{"A", "B", "R "}, {"30", "B", " 36.06"}};
    const QMargins ring(kFocusRingWidth, kFocusRingWidth, kFocusRingWidth, kFocusRingWidth);
    for (const auto& shown : captions)
        for (const auto& at : places) {
            std::array<Vec, 3> stacking{Vec::A, Vec::B, Vec::R};
            do {
                for (Vec v : kVectors) {
                    const std::size_t i = static_cast<std::size_t>(v);
                    labels[v]->setText(QString::fromLatin1(shown[i]));
                    labels[v]->adjustSize();
                    labels[v]->move(at[i].x(), std::min(at[i].y(), canvas.height() - labels[v]->height()));
                }
                drawLabelsApart(widgets, stacking);
                for (Vec v : kVectors) {
                    const QRect ringed = labels[v]->geometry().marginsAdded(ring);
                    EXPECT_TRUE(canvas.rect().contains(labels[v]->geometry())) << shown[0] << " " << at[0].y();
                    for (Vec other : kVectors)
                        EXPECT_TRUE(other == v || !ringed.intersects(labels[other]->geometry()))
                            << shown[0] << " " << at[0].y() << " " << labels[v]->text().toStdString();
                }
            } while (std::next_permutation(stacking.begin(), stacking.end()));
        }
}

}  // namespace
}  // namespace fendrel

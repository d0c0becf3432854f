// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QWidget>

#include "model/state.h"

class QLabel;

namespace fendrel {

// The strip below the figure that shows, large enough for a classroom, what each vector's
// menu shows: its caption, its components and whether it is locked, in the vector's own
// colour (made readable where needed) on the figure's background; below them R's two
// components as the sums of A's and B's, in R's colour.
class ValuesPanel : public QWidget {
public:
    // `menuFont` is the font of the menu bar, which the panel's text outgrows.
    ValuesPanel(QWidget* parent, const QFont& menuFont);

    // Shows the state's captions with text at the given zoom.
    void render(const FormState& s, double zoom);

    QSize sizeHint() const override;

    // How many times the menu bar's text the panel's is at zoom 1.
    static constexpr double kSizeAtActualSize = 1.6;
    // The least contrast of the panel's text with the background.
    static constexpr double kContrast = 4.5;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Texts {
        QLabel* caption;
        PerAxis<QLabel*> components;
        QLabel* locked;
    };

    struct Colours {
        Color background = 0;
        PerVector<Color> vectors{};
        friend bool operator==(const Colours&, const Colours&) = default;
    };
    void showColours(const Colours& colours);
    void placeTexts();

    QFont menuFont_;
    PerVector<Texts> texts_{};
    PerAxis<QLabel*> sums_{};
    double zoomShown_ = 0;
    std::optional<Colours> coloursShown_;
};

}  // namespace fendrel

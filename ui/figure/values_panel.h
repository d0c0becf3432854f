// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include <QWidget>

#include "model/state.h"

class QLabel;

namespace fendrel {

// The strip below the figure that shows, large enough for a classroom, what each vector's
// menu shows: its caption, its components (with the unit of the reference scale, see
// viewCaptions) and whether it is locked, in the vector's own colour (made readable where
// needed) on the figure's background; below them, across the columns, R's two components as
// the sums of A's and B's, in R's colour. Every text shows whole: the panel takes at most
// kShareOfHeight of the height, and the texts all shrink while the widest would not fit its
// place.
class ValuesPanel : public QWidget {
public:
    // `menuFont` is the font of the menu bar, which the panel's text outgrows.
    ValuesPanel(QWidget* parent, const QFont& menuFont);

    // Shows the state's captions with text at the given zoom.
    void render(const FormState& s, double zoom);
    // The menu bar's font changed (presentation mode): the text is sized anew.
    void setMenuFont(const QFont& menuFont);

    QSize sizeHint() const override;

    // How many times the menu bar's text the panel's is at zoom 1.
    static constexpr double kSizeAtActualSize = 1.6;
    // The most of the height it shares with the figure that the panel takes, however large
    // the zoom: the rest stays the figure's.
    static constexpr double kShareOfHeight = 1.0 / 3;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The parent's showing and resizing change how much room the panel may take.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Texts {
        QLabel* caption;
        PerAxis<QLabel*> components;
        QLabel* locked;
        std::array<QLabel*, 4> all() const { return {caption, components[Axis::X], components[Axis::Y], locked}; }
    };

    struct Colours {
        Color background = 0;
        PerVector<Color> vectors{};
        friend bool operator==(const Colours&, const Colours&) = default;
    };
    void showColours(const Colours& colours);
    int columnWidth() const;
    void sizeType();
    void placeTexts();
    void fitTexts();

    QFont menuFont_;
    PerVector<Texts> texts_{};
    PerAxis<QLabel*> sums_{};
    double zoom_ = 1;
    QFont font_;      // the panel's, from the zoom and the room
    QFont textFont_;  // the texts', the panel's own unless the widest must be smaller
    std::optional<Colours> coloursShown_;
};

}  // namespace fendrel

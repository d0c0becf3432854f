// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/values_panel.h"

#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>

#include "app/contrast.h"
#include "model/translation.h"
#include "ui/colors.h"
#include "ui/qt_text.h"

namespace fendrel {

namespace {

QLabel* addText(QGridLayout& grid, int row, int column) {
    auto* text = new QLabel(grid.parentWidget());
    text->setTextFormat(Qt::PlainText);
    // A narrow window cuts the text off rather than growing to fit it.
    text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid.addWidget(text, row, column);
    return text;
}

}  // namespace

ValuesPanel::ValuesPanel(QWidget* parent, const QFont& menuFont) : QWidget(parent), menuFont_(menuFont) {
    setObjectName(QStringLiteral("values"));
    // TRANSLATORS: the panel of the vectors' values below the figure, as the View menu names it.
    setAccessibleName(toQString(_("Values")));
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(0);
    for (Vec v : kVectors) {
        const int column = static_cast<int>(v);
        Texts& t = texts_[v];
        t.caption = addText(*grid, 0, column);
        for (Axis a : kAxes) t.components[a] = addText(*grid, 1 + static_cast<int>(a), column);
        t.locked = addText(*grid, 3, column);
        grid->setColumnStretch(column, 1);
    }
}

void ValuesPanel::render(const FormState& s, double zoom) {
    if (zoom != zoomShown_) {
        QFont font = menuFont_;
        font.setPixelSize(std::max(1, qRound(QFontInfo(menuFont_).pixelSize() * kSizeAtActualSize * zoom)));
        setFont(font);
        zoomShown_ = zoom;
    }
    const Colours colours{s.backColor, {s.line(Vec::A).color, s.line(Vec::B).color, s.line(Vec::R).color}};
    if (colours != coloursShown_) showColours(colours);
    for (Vec v : kVectors) {
        const Texts& t = texts_[v];
        t.caption->setText(toQString(s.menu(kSetMenus[v]).caption));
        for (Axis a : kAxes) t.components[a]->setText(toQString(s.menu(kComponentItems[v][a]).caption));
        // TRANSLATORS: shown below the values of the vector that is locked (it cannot be
        // dragged or edited until another vector is locked).
        t.locked->setText(s.enabled(kSetMenus[v]) ? QString() : toQString(_("locked")));
    }
}

void ValuesPanel::showColours(const Colours& colours) {
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(colours.background));
    setPalette(background);
    for (Vec v : kVectors) {
        QPalette text = background;
        text.setColor(QPalette::WindowText, toQColor(readableOn(colours.vectors[v], colours.background, kContrast)));
        const Texts& t = texts_[v];
        for (QLabel* label : {t.caption, t.components[Axis::X], t.components[Axis::Y], t.locked}) label->setPalette(text);
    }
    coloursShown_ = colours;
}

}  // namespace fendrel

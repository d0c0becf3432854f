// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/values_panel.h"

#include <QFontInfo>
#include <QLabel>

#include "app/contrast.h"
#include "app/figure_texts.h"
#include "model/translation.h"
#include "ui/base/colors.h"
#include "ui/base/qt_text.h"

namespace fendrel {

namespace {

constexpr int kMargin = 8;  // pixels around the texts
constexpr int kColumnRows = 4;  // caption, x and y components, locked
constexpr int kRows = kColumnRows + 2;  // then R's x and y as sums, across the columns

QLabel* addText(QWidget& panel) {
    auto* text = new QLabel(&panel);
    text->setTextFormat(Qt::PlainText);
    return text;
}

}  // namespace

ValuesPanel::ValuesPanel(QWidget* parent, const QFont& menuFont) : QWidget(parent), menuFont_(menuFont) {
    setObjectName(QStringLiteral("values"));
    // TRANSLATORS: the panel of the vectors' values below the figure, as the View menu names it.
    setAccessibleName(toQString(_("Values")));
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    for (Texts& t : texts_) {
        t.caption = addText(*this);
        for (QLabel*& component : t.components) component = addText(*this);
        t.locked = addText(*this);
    }
    for (QLabel*& sum : sums_) sum = addText(*this);
}

QSize ValuesPanel::sizeHint() const { return {0, kRows * fontMetrics().height() + 2 * kMargin}; }

void ValuesPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeTexts();
}

// The texts stand in three columns of fixed places, set here alone: a new caption then only
// repaints its text, where a layout would lay out the whole window again on every drag.
void ValuesPanel::placeTexts() {
    const int columnWidth = (width() - 2 * kMargin) / 3, rowHeight = fontMetrics().height();
    for (Vec v : kVectors) {
        const Texts& t = texts_[v];
        const int left = kMargin + static_cast<int>(v) * columnWidth;
        int row = 0;
        for (QLabel* text : {t.caption, t.components[Axis::X], t.components[Axis::Y], t.locked})
            text->setGeometry(left, kMargin + rowHeight * row++, columnWidth, rowHeight);
    }
    for (Axis a : kAxes)
        sums_[a]->setGeometry(kMargin, kMargin + rowHeight * (kColumnRows + static_cast<int>(a)), 3 * columnWidth, rowHeight);
}

void ValuesPanel::render(const FormState& s, double zoom) {
    if (zoom != zoomShown_) {
        QFont font = menuFont_;
        font.setPixelSize(std::max(1, qRound(QFontInfo(menuFont_).pixelSize() * kSizeAtActualSize * zoom)));
        setFont(font);
        updateGeometry();
        placeTexts();
        zoomShown_ = zoom;
    }
    const Colours colours{s.backColor, {s.line(Vec::A).color, s.line(Vec::B).color, s.line(Vec::R).color}};
    if (colours != coloursShown_) showColours(colours);
    for (Vec v : kVectors) {
        const Texts& t = texts_[v];
        t.caption->setText(toQString(s.menu(vectorMenu(v, VectorItem::Title)).caption));
        for (Axis a : kAxes) t.components[a]->setText(toQString(s.menu(componentItem(v, a)).caption));
        // TRANSLATORS: shown below the values of the vector that is locked (it cannot be
        // dragged or edited until another vector is locked).
        t.locked->setText(s.enabled(vectorMenu(v, VectorItem::Title)) ? QString() : toQString(_("locked")));
    }
    for (Axis a : kAxes) sums_[a]->setText(toQString(componentSumLine(s, a)));
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
        if (v == Vec::R)
            for (QLabel* sum : sums_) sum->setPalette(text);
    }
    coloursShown_ = colours;
}

}  // namespace fendrel

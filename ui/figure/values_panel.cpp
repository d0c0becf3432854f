// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/values_panel.h"

#include <QFontInfo>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

#include "app/contrast.h"
#include "app/figure_texts.h"
#include "model/refresh.h"
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
    if (parent) parent->installEventFilter(this);
    sizeType();
}

bool ValuesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) sizeType();
    return false;
}

QSize ValuesPanel::sizeHint() const { return {0, kRows * fontMetrics().height() + 2 * kMargin}; }

void ValuesPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeTexts();
    fitTexts();
}

int ValuesPanel::columnWidth() const { return (width() - 2 * kMargin) / 3; }

// The texts stand in three columns of fixed places, set here alone: a new caption then only
// repaints its text, where a layout would lay out the whole window again on every drag.
void ValuesPanel::placeTexts() {
    const int rowHeight = fontMetrics().height();
    for (Vec v : kVectors) {
        const Texts& t = texts_[v];
        const int left = kMargin + static_cast<int>(v) * columnWidth();
        int row = 0;
        for (QLabel* text : t.all())
            text->setGeometry(left, kMargin + rowHeight * row++, columnWidth(), rowHeight);
    }
    for (Axis a : kAxes)
        sums_[a]->setGeometry(kMargin, kMargin + rowHeight * (kColumnRows + static_cast<int>(a)), 3 * columnWidth(), rowHeight);
}

// Every text whole in its column, the sums across all three: at the panel's size, or all a
// size smaller where the widest would not fit (a long caption at a large zoom). The panel
// keeps its height meanwhile.
void ValuesPanel::fitTexts() {
    QFont fitted = font();
    const auto widest = [this](const QFont& f) {  // as wide as a column holds
        const QFontMetrics metrics(f);
        int widest = 0;
        for (const Texts& t : texts_)
            for (const QLabel* text : t.all())
                widest = std::max(widest, metrics.horizontalAdvance(text->text()));
        for (const QLabel* sum : sums_) widest = std::max(widest, (metrics.horizontalAdvance(sum->text()) + 2) / 3);
        return widest;
    };
    const int room = columnWidth(), wanted = widest(fitted);
    if (room > 0 && wanted > room && fitted.pixelSize() > 0) {
        fitted.setPixelSize(std::max(1, fitted.pixelSize() * room / wanted));
        while (fitted.pixelSize() > 1 && widest(fitted) > room) fitted.setPixelSize(fitted.pixelSize() - 1);
    }
    if (fitted == textFont_) return;
    for (const Texts& t : texts_)
        for (QLabel* text : t.all()) text->setFont(fitted);
    for (QLabel* sum : sums_) sum->setFont(fitted);
    textFont_ = fitted;
}

void ValuesPanel::setMenuFont(const QFont& menuFont) {
    menuFont_ = menuFont;
    sizeType();
}

// kSizeAtActualSize times the menu bar's text at zoom 1, growing with the zoom, but never so
// large that the panel takes more than kShareOfHeight of the height it shares with the figure
// (once that is shown: until then, the window takes its size from the panel's).
void ValuesPanel::sizeType() {
    QFont font = menuFont_;
    font.setPixelSize(std::max(1, qRound(QFontInfo(menuFont_).pixelSize() * kSizeAtActualSize * zoom_)));
    if (const QWidget* shared = parentWidget(); shared && shared->isVisible()) {
        const int room = shared->height();
        const double lineHeightPerPixel = QFontMetricsF(font).height() / font.pixelSize();
        const double largest = (room * kShareOfHeight - 2 * kMargin) / (kRows * lineHeightPerPixel);
        font.setPixelSize(std::max(1, std::min(font.pixelSize(), static_cast<int>(largest))));
    }
    if (font == font_) return;
    font_ = font;
    setFont(font);
    updateGeometry();
    placeTexts();
    fitTexts();
}

void ValuesPanel::render(const FormState& s, double zoom) {
    if (zoom != zoom_) {
        zoom_ = zoom;
        sizeType();
    }
    const Colours colours{s.backColor, {s.line(Vec::A).color, s.line(Vec::B).color, s.line(Vec::R).color}};
    if (colours != coloursShown_) showColours(colours);
    const PerVector<VectorCaptions> captions = viewCaptions(s);
    for (Vec v : kVectors) {
        const Texts& t = texts_[v];
        t.caption->setText(toQString(captions[v].title));
        for (Axis a : kAxes) t.components[a]->setText(toQString(captions[v].components[a]));
        // TRANSLATORS: shown below the values of the vector that is locked (it cannot be
        // dragged or edited until another vector is locked).
        t.locked->setText(s.enabled(vectorMenu(v, VectorItem::Title)) ? QString() : toQString(_("locked")));
    }
    for (Axis a : kAxes) sums_[a]->setText(toQString(componentSumLine(s, a)));
    fitTexts();
}

void ValuesPanel::showColours(const Colours& colours) {
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(colours.background));
    setPalette(background);
    for (Vec v : kVectors) {
        QPalette text = background;
        text.setColor(QPalette::WindowText, toQColor(readableOn(colours.vectors[v], colours.background, kTextContrast)));
        const Texts& t = texts_[v];
        for (QLabel* label : t.all()) label->setPalette(text);
        if (v == Vec::R)
            for (QLabel* sum : sums_) sum->setPalette(text);
    }
    coloursShown_ = colours;
}

}  // namespace fendrel

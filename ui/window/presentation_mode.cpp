// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/presentation_mode.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QWidget>

#include "ui/base/scaled_font.h"
#include "ui/base/settings_file.h"

namespace fendrel {

namespace {

const QString kOnKey = QStringLiteral("presentationMode");
const QString kScaleKey = QStringLiteral("presentationFontScale");

// The kinds of widget a desktop's theme may give a font of their own, as Qt names them.
constexpr const char* kThemedClasses[] = {
    "QMenuBar", "QMenu", "QMessageBox", "QLabel", "QTipLabel", "QPushButton", "QCheckBox", "QRadioButton",
    "QToolButton", "QAbstractItemView", "QListView", "QHeaderView", "QComboMenuItem", "QComboLineEdit",
};

double fontScale() {
    const double scale = setting(kScaleKey, PresentationMode::kFontScale).toDouble();
    return std::clamp(scale > 0 ? scale : PresentationMode::kFontScale, 1.0, 4.0);
}

// Setting the application's font drops every widget kind's own, so those follow it. The
// widgets hear of it at once, not once the events waiting now are done.
void useFonts(const QFont& application, const std::vector<std::pair<const char*, QFont>>& classes, double scale) {
    QApplication::setFont(scaledFont(application, scale));
    for (const auto& [name, font] : classes) QApplication::setFont(scaledFont(font, scale), name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationFontChange);
}

void remember(bool on) { keepSetting(kOnKey, on); }

}  // namespace

PresentationMode::PresentationMode(QWidget& window, QAction& item, std::function<void()> fontsChanged)
    : window_(window), item_(item), fontsChanged_(std::move(fontsChanged)) {
    QObject::connect(&item_, &QAction::toggled, &window_, [this](bool on) {
        on ? enter() : leave();
        remember(on);
    });
}

void PresentationMode::resume() {
    item_.setChecked(setting(kOnKey, false).toBool());
}

void PresentationMode::followWindowState() {
    if (desktopFonts_ && !window_.isFullScreen()) item_.setChecked(false);
}

void PresentationMode::enter() {
    if (desktopFonts_) return;
    Fonts fonts{QApplication::font(), {}};
    for (const char* name : kThemedClasses)
        if (const QFont own = QApplication::font(name); own != fonts.application) fonts.classes.emplace_back(name, own);
    useFonts(fonts.application, fonts.classes, fontScale());
    desktopFonts_ = std::move(fonts);
    geometryBefore_ = window_.geometry();
    stateBefore_ = window_.windowState();
    window_.setWindowState(stateBefore_ | Qt::WindowFullScreen);
    fontsChanged_();
}

void PresentationMode::leave() {
    if (!desktopFonts_) return;
    useFonts(desktopFonts_->application, desktopFonts_->classes, 1.0);
    desktopFonts_.reset();
    window_.setWindowState(stateBefore_);
    if (!(stateBefore_ & (Qt::WindowMaximized | Qt::WindowFullScreen))) window_.setGeometry(geometryBefore_);
    fontsChanged_();
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/qt_host.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QString>
#include <QTime>

#include "ui/base/qt_text.h"

namespace fendrel {

std::optional<std::string> QtHost::inputBox(std::string_view prompt, std::string_view title,
                                            std::string_view defaultText) {
    QInputDialog dialog(dialogParent_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(toQString(title));
    dialog.setLabelText(toQString(prompt));
    dialog.setTextValue(toQString(defaultText));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

void QtHost::messageBox(std::string_view text, int buttons, std::string_view title) {
    QMessageBox box(dialogParent_);
    box.setWindowTitle(toQString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setIcon(buttons == kInformationIcon ? QMessageBox::Information
                : buttons == kWarningIcon     ? QMessageBox::Warning
                                              : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtHost::randomize() {
    random_.seed(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
}

float QtHost::rnd() {
    // 24 random bits fill a float's mantissa exactly, so the largest draw stays below 1.
    constexpr float kScale = 1.0f / 16777216.0f;
    return static_cast<float>(random_() >> 8) * kScale;
}

}  // namespace fendrel

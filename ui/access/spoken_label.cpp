// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/spoken_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace fendrel {

namespace {

// Read as a notification whose name is its text.
class SpokenLabelAccessible : public QAccessibleWidget {
public:
    explicit SpokenLabelAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* spokenLabelFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<SpokenLabel*>(object)) return new SpokenLabelAccessible(label);
    return nullptr;
}

void send(QObject* object, QAccessible::Event type) {
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

SpokenLabel::SpokenLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&spokenLabelFactory);
        return true;
    }();
    (void)installed;
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void SpokenLabel::say(const QString& text) {
    setText(text);
    if (text.isEmpty() || !isVisible()) return;
    send(this, QAccessible::ObjectHide);
    send(this, QAccessible::ObjectShow);
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/menu_bar_key.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace fendrel {

namespace {

QAction* firstChoosable(const QList<QAction*>& actions) {
    for (QAction* action : actions)
        if (action->isEnabled() && action->isVisible() && !action->isSeparator()) return action;
    return nullptr;
}

// Qt keeps the keyboard focus where it was while the bar is used from the keyboard: once
// the arrows have moved from a menu to a title without items, no menu is open to take the
// keys, and they would reach the window. The pointer highlights titles too, but a title
// merely pointed at leaves the keys to the window.
class MenuBarKeys : public QObject {
public:
    explicit MenuBarKeys(QMenuBar& bar) : QObject(&bar), bar_(bar) {
        qApp->installEventFilter(this);
        connect(&bar, &QMenuBar::hovered, this, [this] { reachedByKey_ = lastInputWasKey_; });
        auto* f10 = new QShortcut(QKeySequence(kMenuBarKey), &bar);
        f10->setContext(Qt::WindowShortcut);
        connect(f10, &QShortcut::activated, this, &MenuBarKeys::openFirstMenu);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // No shortcut of the window acts while the bar has the keys: they come as presses.
        if (event->type() == QEvent::ShortcutOverride && inWindow(watched) && inUse()) {
            event->accept();
            return true;
        }
        // Only what a person does: the keys this sends to the bar are not spontaneous.
        if (!event->spontaneous()) return false;
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
            lastInputWasKey_ = false;
            return false;
        case QEvent::KeyPress: {
            lastInputWasKey_ = true;
            const auto& key = *static_cast<QKeyEvent*>(event);
            // Qt would close the menu only and keep the keyboard on the bar, where no title
            // is shown highlighted.
            if (key.matches(QKeySequence::Cancel) && isMenuOfBar(watched)) {
                leave();
                return true;
            }
            if (!inWindow(watched) || !inUse()) return false;
            take(key);
            return true;
        }
        default:
            return false;
        }
    }

private:
    void openFirstMenu() {
        QAction* title = firstChoosable(bar_.actions());
        if (!title) return;
        bar_.setActiveAction(title);
        reachedByKey_ = true;
        if (QMenu* menu = title->menu()) menu->setActiveAction(firstChoosable(menu->actions()));
    }

    bool inWindow(QObject* watched) const {
        const auto* widget = qobject_cast<QWidget*>(watched);
        return widget && widget->window() == bar_.window();
    }

    bool isMenuOfBar(QObject* watched) const {
        const auto* menu = qobject_cast<QMenu*>(watched);
        return menu && bar_.actions().contains(menu->menuAction());
    }

    bool inUse() const { return reachedByKey_ && bar_.activeAction() && !QApplication::activePopupWidget(); }

    void take(const QKeyEvent& key) {
        QAction* title = bar_.activeAction();
        const int k = key.key();
        if (!title->menu() && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)) {
            leave();
            title->trigger();
        } else {
            // The bar's own keys: the arrows move to the next title and open its menu,
            // Escape leaves.
            sendToBar(k, key.modifiers(), key.text());
        }
    }

    // Escape is the bar's own way out, and gives the keyboard back to where it was:
    // QMenuBar::setActiveAction(nullptr) would leave it opening the menu under the pointer
    // without a click.
    void leave() { sendToBar(Qt::Key_Escape); }

    void sendToBar(int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(&bar_, &press);
    }

    QMenuBar& bar_;
    bool lastInputWasKey_ = false;
    bool reachedByKey_ = false;  // the title or item highlighted last was reached by key
};

}  // namespace

void useMenuBarByKeyboard(QMenuBar& bar) { new MenuBarKeys(bar); }

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/menu_tree.h"

#include <QMenu>
#include <QMenuBar>

#include "app/element_table.h"
#include "ui/base/qt_text.h"

namespace fendrel {

namespace {

// A caption is shown as it is: '&' would otherwise mark a mnemonic.
QString withoutMnemonics(const std::string& caption) {
    return toQString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

MenuTree::MenuTree(QMenuBar& bar, std::function<void(Menu)> chosen) {
    for (const Element& e : elements()) {
        const QString name = toQString(e.name);
        if (e.parent) {
            actions_[e.id] = menus_[*e.parent]->addAction(QString());
        } else if (hasItems(e.id)) {
            menus_[e.id] = bar.addMenu(QString());
            menus_[e.id]->setObjectName(name);
            actions_[e.id] = menus_[e.id]->menuAction();
        } else {
            actions_[e.id] = bar.addAction(QString());
        }
        QAction* action = actions_[e.id];
        action->setObjectName(name);
        action->setCheckable(e.is(kCheckable));
        if (!menus_[e.id]) QObject::connect(action, &QAction::triggered, action, [chosen, m = e.id] { chosen(m); });
    }
}

void MenuTree::render(const FormState& s, const std::function<bool(Menu)>& mayChoose) {
    for (const Element& e : elements()) {
        QAction* action = actions_[e.id];
        const MenuElement& shown = s.menu(e.id);
        action->setText(withoutMnemonics(shown.caption));
        // A disabled menu keeps its items from being chosen; its action alone would not.
        if (menus_[e.id])
            menus_[e.id]->setEnabled(shown.enabled);
        else
            action->setEnabled(shown.enabled && mayChoose(e.id));
        // Qt toggles a checkable action on its own when triggered; the model decides.
        if (action->isCheckable()) action->setChecked(shown.checked);
    }
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu_tree.h"

#include <algorithm>

#include <QMenu>
#include <QMenuBar>

#include "ui/qt_text.h"

namespace fendrel {

namespace {

constexpr std::array kCheckable{Menu::ca, Menu::cb, Menu::cr, Menu::ModeA, Menu::ModeB};

size_t at(Menu m) { return static_cast<size_t>(index(m)); }

// A caption is shown as it is: '&' would otherwise mark a mnemonic.
QString withoutMnemonics(const std::string& caption) {
    return toQString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

MenuTree::MenuTree(QMenuBar& bar, std::function<void(Menu)> chosen) {
    for (const MenuDescription& d : kMenus) {
        const size_t i = at(d.id);
        const QString name = toQString(d.name);
        if (d.parent) {
            actions_[i] = menus_[at(*d.parent)]->addAction(QString());
        } else if (hasItems(d.id)) {
            menus_[i] = bar.addMenu(QString());
            menus_[i]->setObjectName(name);
            actions_[i] = menus_[i]->menuAction();
        } else {
            actions_[i] = bar.addAction(QString());
        }
        QAction* action = actions_[i];
        action->setObjectName(name);
        action->setCheckable(std::find(kCheckable.begin(), kCheckable.end(), d.id) != kCheckable.end());
        if (!menus_[i]) QObject::connect(action, &QAction::triggered, action, [chosen, m = d.id] { chosen(m); });
    }
}

void MenuTree::render(const FormState& s) {
    for (const MenuDescription& d : kMenus) {
        const size_t i = at(d.id);
        const MenuElement& element = s.menu(d.id);
        actions_[i]->setText(withoutMnemonics(element.caption));
        // A disabled menu keeps its items from being chosen; its action alone would not.
        if (menus_[i]) {
            menus_[i]->setEnabled(element.enabled);
        } else {
            actions_[i]->setEnabled(element.enabled);
        }
        // Qt toggles a checkable action on its own when triggered; the model decides.
        if (actions_[i]->isCheckable()) actions_[i]->setChecked(element.checked);
    }
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "model/state.h"

class QAction;
class QMenu;
class QMenuBar;

namespace fendrel {

// The menu bar built from the window's menu tree: titles with items become menus, the
// other titles plain actions on the bar, all as the element table describes them. Renders
// captions, enabled flags and check marks; an element whose choice does nothing now (a task
// keeps it from the student) is shown disabled too.
class MenuTree {
public:
    MenuTree(QMenuBar& bar, std::function<void(Menu)> chosen);

    void render(const FormState& s, const std::function<bool(Menu)>& mayChoose);

private:
    PerMenu<QAction*> actions_{};  // a menu's own action for titles with items
    PerMenu<QMenu*> menus_{};      // titles with items only
};

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QMenu;
class QString;

namespace fendrel {

// Fills the menu with the prepared lessons installed with the program, by their titles;
// choosing one calls `open` with its file. A menu with none is disabled.
void addExamples(QMenu& menu, const std::function<void(const QString&)>& open);

}  // namespace fendrel

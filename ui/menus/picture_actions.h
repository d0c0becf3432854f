// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;
class QWidget;

namespace fendrel {

// Adds "Copy Picture" (Ctrl+C: PNG and SVG on the clipboard) and "Save Picture…" (a file
// dialog, errors in a message box) to the menu; both take the canvas as shown.
void addPictureActions(QMenu& menu, QWidget& canvas);

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/host.h"
#include "model/state.h"

// The menu commands. Each runs to completion; those that ask for a number return at once,
// without effect, when the prompt is cancelled or the reply is not a finite number.
namespace fendrel {

// Every command takes the same arguments, so that the element table can name it: a command
// of a vector's menu is given that vector, the others ignore it.
using Command = void (*)(FormState& s, Host& host, Vec v);

void sizeClick(FormState& s, Host& host, Vec v);        // SizeA, SizeB, SizeR
void xComponentClick(FormState& s, Host& host, Vec v);  // Ax, Bx, Rx
void yComponentClick(FormState& s, Host& host, Vec v);  // Ay, By, Ry
void angleClick(FormState& s, Host& host, Vec v);       // AngleA, AngleB, AngleR
void constantClick(FormState& s, Host& host, Vec v);    // ca, cb, cr
void angleModeClick(FormState& s, Host&, Vec);          // AngleMode
void modeAClick(FormState& s, Host&, Vec);              // ModeA
void modeBClick(FormState& s, Host&, Vec);              // ModeB
void productsClick(FormState& s, Host& host, Vec);      // Products; the task's hidden vectors read "?"
void infoClick(FormState&, Host& host, Vec);            // Info

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

namespace fendrel {

// The user's settings, kept from one run to the next in ~/.config/fendrel/fendrel.conf. When
// that is something else than a file there are none: reading a named pipe or a device would
// wait for ever, and writing one would feed it.

// The setting `key`, or `fallback` where there is none.
QVariant setting(const QString& key, const QVariant& fallback = {});
// Keeps `value` as the setting `key`, where settings can be kept.
void keepSetting(const QString& key, const QVariant& value);

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QMimeData;
class QWidget;

namespace fendrel {

// The canvas as shown, its labels included: as an image in device pixels, as PNG and as SVG.
QImage pictureImage(QWidget& canvas);
QByteArray picturePng(QWidget& canvas);
QByteArray pictureSvg(QWidget& canvas);

// Both formats for the clipboard.
QMimeData* pictureMimeData(QWidget& canvas);

// Writes the picture in the format the file name's extension gives (.png or .svg, in any
// case) to a temporary file that takes the name only once complete, so nothing is ever left
// half written and a failed save leaves the old file as it was. Only a regular file is
// replaced. Returns the error to report, empty on success.
QString savePicture(QWidget& canvas, const QString& path);

}  // namespace fendrel

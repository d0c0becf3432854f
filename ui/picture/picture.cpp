// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture/picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

#include "model/translation.h"
#include "ui/base/qt_text.h"

namespace fendrel {

QImage pictureImage(QWidget& canvas) { return canvas.grab().toImage(); }

QByteArray picturePng(QWidget& canvas) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pictureImage(canvas).save(&buffer, "PNG");
    return png;
}

QByteArray pictureSvg(QWidget& canvas) {
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(canvas.size());
    generator.setResolution(canvas.logicalDpiX());
    generator.setViewBox(QRect(QPoint(0, 0), canvas.size()));
    generator.setTitle(QStringLiteral("Fendrel"));
    QPainter painter(&generator);
    canvas.render(&painter);
    painter.end();
    return svg;
}

QMimeData* pictureMimeData(QWidget& canvas) {
    auto* data = new QMimeData;
    data->setImageData(pictureImage(canvas));
    data->setData(QStringLiteral("image/png"), picturePng(canvas));
    data->setData(QStringLiteral("image/svg+xml"), pictureSvg(canvas));
    return data;
}

QString savePicture(QWidget& canvas, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("png"))
        bytes = picturePng(canvas);
    else if (suffix == QLatin1String("svg"))
        bytes = pictureSvg(canvas);
    else
        // TRANSLATORS: {file} is the name the user chose.
        return toQString(fill(_("A picture is saved as PNG (.png) or SVG (.svg); \"{file}\" names neither."),
                              {{"file", QFileInfo(path).fileName().toStdString()}}));
    const auto notWritten = [&path](const QString& reason) {
        // TRANSLATORS: {file} is the picture's path, {reason} what the system says went wrong.
        return toQString(fill(_("\"{file}\" could not be written: {reason}"),
                              {{"file", path.toStdString()}, {"reason", reason.toStdString()}}));
    };
    // A folder, a device or a named pipe is never replaced by a picture, nor written into.
    if (const QFileInfo target(path); target.exists() && !target.isFile())
        return notWritten(toQString(target.isDir() ? _("it is a folder") : _("it is not a regular file")));
    QSaveFile file(path);
    // Writing only fills Qt's buffer, and commit() takes the file even when emptying that
    // buffer onto a full disk fails: the explicit flush is what sees the failure.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return notWritten(file.errorString());
    return {};
}

}  // namespace fendrel

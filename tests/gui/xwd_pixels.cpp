// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads pixels of an X window dump (or of a PNG file, by its .png name) for shell scripts:
//   xwd_pixels DUMP at X Y                   prints the colour as RRGGBB
//   xwd_pixels DUMP column X Y0 Y1           prints the colours from Y0 to Y1, one a line
//   xwd_pixels DUMP near X Y RRGGBB [R]      succeeds when a pixel within R (2) shows the colour
//   xwd_pixels DUMP png OUT [X Y W H]        writes the dump, or a part of it, as PNG
#include <cstdio>
#include <vector>

#include <QStringList>

#include "xwd_image.h"

namespace {

constexpr int kUsage = 2;

QString hex(QColor c) { return c.name().mid(1).toUpper(); }

int usage() {
    std::fputs("usage: xwd_pixels DUMP (at X Y | column X Y0 Y1 | near X Y RRGGBB [R] | png OUT [X Y W H])\n", stderr);
    return kUsage;
}

bool near(const QImage& image, int x, int y, const QString& colour, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.valid(x + dx, y + dy) && hex(image.pixelColor(x + dx, y + dy)) == colour.toUpper()) return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (args.size() < 2) return usage();
    const QImage image = args[0].endsWith(QLatin1String(".png")) ? QImage(args[0], "PNG") : fendrel::readXwd(args[0]);
    if (image.isNull()) {
        std::fprintf(stderr, "xwd_pixels: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    const QString command = args[1];
    std::vector<int> n;
    for (int i = 2; i < args.size(); ++i) n.push_back(args[i].toInt());

    if (command == QLatin1String("at") && args.size() == 4) {
        std::printf("%s\n", qPrintable(hex(image.pixelColor(n[0], n[1]))));
        return 0;
    }
    if (command == QLatin1String("column") && args.size() == 5) {
        for (int y = n[1]; y <= n[2]; ++y) std::printf("%s\n", qPrintable(hex(image.pixelColor(n[0], y))));
        return 0;
    }
    if (command == QLatin1String("near") && (args.size() == 5 || args.size() == 6))
        return near(image, n[0], n[1], args[4], args.size() == 6 ? n[3] : 2) ? 0 : 1;
    if (command == QLatin1String("png") && (args.size() == 3 || args.size() == 7)) {
        const QImage part = args.size() == 7 ? image.copy(args[3].toInt(), args[4].toInt(), args[5].toInt(), args[6].toInt()) : image;
        return part.save(args[2], "PNG") ? 0 : 1;
    }
    return usage();
}

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "xwd_image.h"

#include <array>
#include <bit>
#include <cstdint>

#include <QFile>

namespace fendrel {

namespace {

// Header fields, each a 32-bit big-endian number, in file order.
enum Field {
    HeaderSize, FileVersion, PixmapFormat, PixmapDepth, Width, Height, XOffset, ByteOrder, BitmapUnit,
    BitmapBitOrder, BitmapPad, BitsPerPixel, BytesPerLine, VisualClass, RedMask, GreenMask, BlueMask,
    BitsPerRgb, ColormapEntries, ColourCount, FieldCount = 25
};
constexpr quint32 kZPixmap = 2;
constexpr quint32 kVersion = 7;
constexpr qsizetype kColourEntrySize = 12;

quint32 bigEndian(const uchar* p) { return (quint32{p[0]} << 24) | (quint32{p[1]} << 16) | (quint32{p[2]} << 8) | p[3]; }

// One 8-bit channel out of a pixel value.
int channel(quint32 pixel, quint32 mask) {
    if (mask == 0) return 0;
    const quint32 value = (pixel & mask) >> std::countr_zero(mask);
    const int bits = std::popcount(mask);
    return bits >= 8 ? static_cast<int>(value >> (bits - 8)) : static_cast<int>(value * 255 / ((1u << bits) - 1));
}

}  // namespace

QImage readXwd(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < FieldCount * 4) return {};
    std::array<quint32, FieldCount> h{};
    for (int i = 0; i < FieldCount; ++i) h[static_cast<size_t>(i)] = bigEndian(data + 4 * i);

    const quint32 bitsPerPixel = h[BitsPerPixel];
    if (h[FileVersion] != kVersion || h[PixmapFormat] != kZPixmap || (bitsPerPixel != 32 && bitsPerPixel != 24)) return {};
    const qsizetype start = static_cast<qsizetype>(h[HeaderSize]) + static_cast<qsizetype>(h[ColourCount]) * kColourEntrySize;
    const int width = static_cast<int>(h[Width]);
    const int height = static_cast<int>(h[Height]);
    const qsizetype stride = h[BytesPerLine];
    if (start + stride * height > bytes.size()) return {};

    const int bytesPerPixel = static_cast<int>(bitsPerPixel / 8);
    const bool mostSignificantFirst = h[ByteOrder] == 1;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const uchar* row = data + start + stride * y;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const uchar* p = row + x * bytesPerPixel;
            quint32 pixel = 0;
            for (int b = 0; b < bytesPerPixel; ++b) {
                const int shift = mostSignificantFirst ? 8 * (bytesPerPixel - 1 - b) : 8 * b;
                pixel |= quint32{p[b]} << shift;
            }
            out[x] = qRgb(channel(pixel, h[RedMask]), channel(pixel, h[GreenMask]), channel(pixel, h[BlueMask]));
        }
    }
    return image;
}

}  // namespace fendrel

#include "ui/graph/bitmap_writer.h"

#include <QFile>
#include <QPainter>
#include <QRgb>

#include <algorithm>
#include <cstdint>

#include "engine/file_output.h"
#include "ui/graph/graph.h"

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kColourTableSize = 8;
constexpr int kPixelOffset = kFileHeaderSize + kInfoHeaderSize + kColourTableSize;

bool IsWhite(QRgb pixel)
{
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

void AppendLittleEndian(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// One row of one-bit pixels, the leftmost in the most significant bit,
// white as 1, zero-padded to the given length.
QByteArray PackRow(const QImage& rgb, int y, int rowBytes)
{
    QByteArray row(rowBytes, '\0');
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
        if (IsWhite(pixels[x]))
            row[x >> 3] = static_cast<char>(row[x >> 3] | (0x80 >> (x & 7)));
    }
    return row;
}

QImage ToBlackAndWhite(const QImage& colour)
{
    QImage mono(colour.size(), QImage::Format_Mono);
    if (mono.isNull())
        return mono;
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const int rowBytes = (colour.width() + 7) / 8;
    for (int y = 0; y < colour.height(); ++y) {
        const QByteArray row = PackRow(colour, y, rowBytes);
        std::copy(row.cbegin(), row.cend(), mono.scanLine(y));
    }
    return mono;
}

} // namespace

QImage RenderGraphMonochrome(CGraph& graph, const DQORecord* results, QSize size)
{
    if (size.isEmpty())
        return QImage();
    QImage colour(size, QImage::Format_ARGB32);
    if (colour.isNull())
        return colour;
    colour.fill(Qt::white);
    graph.SetCopyMode(1);
    {
        QPainter painter(&colour);
        graph.Draw(painter, results, size.width(), size.height(), false);
    }
    graph.SetCopyMode(0);
    return ToBlackAndWhite(colour);
}

QByteArray EncodeMonoBitmap(const QImage& mono)
{
    // Read through the colours, whatever colour table the image carries.
    const QImage rgb = mono.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return QByteArray();
    const std::int64_t rowBytes = (static_cast<std::int64_t>(rgb.width()) + 31) / 32 * 4;
    const std::int64_t imageSize = rowBytes * rgb.height();
    const std::int64_t fileSize = kPixelOffset + imageSize;
    if (fileSize > UINT32_MAX)
        return QByteArray();

    QByteArray bytes;
    bytes.reserve(fileSize);
    bytes.append("BM", 2);
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(fileSize), 4);
    AppendLittleEndian(bytes, 0, 4);
    AppendLittleEndian(bytes, kPixelOffset, 4);

    AppendLittleEndian(bytes, kInfoHeaderSize, 4);
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(rgb.width()), 4);
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(rgb.height()), 4);
    AppendLittleEndian(bytes, 1, 2); // planes
    AppendLittleEndian(bytes, 1, 2); // bits per pixel
    AppendLittleEndian(bytes, 0, 4); // no compression
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(imageSize), 4);
    bytes.append(16, '\0'); // resolution and colour counts

    // Colour table: black, then white, each blue, green, red, 0.
    bytes.append("\x00\x00\x00\x00\xff\xff\xff\x00", kColourTableSize);

    for (int y = rgb.height() - 1; y >= 0; --y)
        bytes.append(PackRow(rgb, y, static_cast<int>(rowBytes)));
    return bytes;
}

bool WriteBitmapFile(const QImage& mono, const QString& path)
{
    const QByteArray bytes = EncodeMonoBitmap(mono);
    if (bytes.isEmpty())
        return false;
    // Whole or not at all; a device the path names is written, never replaced.
    return WriteFileWhole(QFile::encodeName(path).toStdString(), bytes.toStdString()) ==
           FileWrite::kWritten;
}

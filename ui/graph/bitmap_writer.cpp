#include "ui/graph/bitmap_writer.h"

#include <QFile>
#include <QPainter>
#include <QRgb>

#include <cstdint>
#include <optional>
#include <utility>

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
// white as 1, the bits past the last pixel 0: (width + 7) / 8 bytes. Eight
// pixels make a byte, with no call per pixel.
void PackRow(const QRgb* pixels, int width, uchar* out)
{
    const int whole = width / 8;
    for (int i = 0; i < whole; ++i, pixels += 8) {
        unsigned bits = 0;
        for (int k = 0; k < 8; ++k)
            bits = (bits << 1) | ((pixels[k] & 0xffffffu) == 0xffffffu ? 1u : 0u);
        out[i] = static_cast<uchar>(bits);
    }
    const int rest = width % 8;
    if (rest > 0) {
        unsigned bits = 0;
        for (int k = 0; k < rest; ++k)
            bits = (bits << 1) | ((pixels[k] & 0xffffffu) == 0xffffffu ? 1u : 0u);
        out[whole] = static_cast<uchar>(bits << (8 - rest));
    }
}

QImage ToBlackAndWhite(const QImage& colour)
{
    QImage mono(colour.size(), QImage::Format_Mono);
    if (mono.isNull())
        return mono;
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < colour.height(); ++y)
        PackRow(reinterpret_cast<const QRgb*>(colour.constScanLine(y)), colour.width(),
                mono.scanLine(y));
    return mono;
}

// Whether each of the two colours of a one-bit image, opaque both, is white;
// nothing when the rows must be read through a conversion instead.
std::optional<std::pair<bool, bool>> OpaqueMonoWhites(const QImage& image)
{
    if (image.format() != QImage::Format_Mono || image.colorCount() != 2)
        return std::nullopt;
    const QRgb zero = image.color(0), one = image.color(1);
    if (qAlpha(zero) != 255 || qAlpha(one) != 255)
        return std::nullopt;
    return std::make_pair(IsWhite(zero), IsWhite(one));
}

// The one-bit rows of an image as white-is-1 bits, rowBytes each, bottom-up,
// written to out. A one-bit image with an opaque colour table is copied (or
// inverted) a byte at a time; any other is read through its colours, and
// false when that reading fails.
bool PackRowsBottomUp(const QImage& image, std::int64_t rowBytes, uchar* out)
{
    const int width = image.width();
    const int height = image.height();
    const int usedBytes = (width + 7) / 8;
    if (const auto whites = OpaqueMonoWhites(image)) {
        const auto [zeroWhite, oneWhite] = *whites;
        const uchar flip = zeroWhite ? 0xff : 0x00;
        const uchar keep = zeroWhite == oneWhite ? 0x00 : 0xff;
        // The bits past the last pixel are not the image's: always 0.
        const uchar lastMask = static_cast<uchar>(0xff << ((8 - width % 8) % 8));
        for (int y = height - 1; y >= 0; --y, out += rowBytes) {
            const uchar* bits = image.constScanLine(y);
            for (int i = 0; i < usedBytes; ++i)
                out[i] = static_cast<uchar>((bits[i] & keep) ^ flip);
            if (usedBytes > 0)
                out[usedBytes - 1] &= lastMask;
        }
        return true;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return false;
    for (int y = height - 1; y >= 0; --y, out += rowBytes)
        PackRow(reinterpret_cast<const QRgb*>(rgb.constScanLine(y)), width, out);
    return true;
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
    if (mono.isNull())
        return QByteArray();
    const std::int64_t rowBytes = (static_cast<std::int64_t>(mono.width()) + 31) / 32 * 4;
    const std::int64_t imageSize = rowBytes * mono.height();
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
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(mono.width()), 4);
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(mono.height()), 4);
    AppendLittleEndian(bytes, 1, 2); // planes
    AppendLittleEndian(bytes, 1, 2); // bits per pixel
    AppendLittleEndian(bytes, 0, 4); // no compression
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(imageSize), 4);
    bytes.append(16, '\0'); // resolution and colour counts

    // Colour table: black, then white, each blue, green, red, 0.
    bytes.append("\x00\x00\x00\x00\xff\xff\xff\x00", kColourTableSize);

    // Rows are padded with zero bytes to four.
    bytes.append(static_cast<qsizetype>(imageSize), '\0');
    if (!PackRowsBottomUp(mono, rowBytes, reinterpret_cast<uchar*>(bytes.data()) + kPixelOffset))
        return QByteArray();
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

#include "ui/graph/bitmap_writer.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdint>

#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "engine/dqo_record.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"
#include "ui/graph/graph.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

std::uint32_t Field(const QByteArray& bytes, int at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

TEST(BitmapHeaderTest, FieldsDescribeAOneBitBottomUpBitmap)
{
    // Rows padded to four bytes: ((width + 31) / 32) * 4 * height.
    const struct {
        int width, height;
        std::uint32_t imageSize;
    } cases[] = {{32, 2, 8}, {33, 3, 24}, {639, 479, 38320}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        QImage image(c.width, c.height, QImage::Format_Mono);
        image.fill(0);
        const QByteArray bytes = EncodeMonoBitmap(image);
        ASSERT_EQ(bytes.size(), 62 + static_cast<int>(c.imageSize));
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(Field(bytes, 2, 4), static_cast<std::uint32_t>(bytes.size()));
        EXPECT_EQ(Field(bytes, 6, 4), 0u);
        EXPECT_EQ(Field(bytes, 10, 4), 62u);
        EXPECT_EQ(Field(bytes, 14, 4), 40u);
        EXPECT_EQ(Field(bytes, 18, 4), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(Field(bytes, 22, 4), static_cast<std::uint32_t>(c.height));
        EXPECT_EQ(Field(bytes, 26, 2), 1u); // planes
        EXPECT_EQ(Field(bytes, 28, 2), 1u); // bits per pixel
        EXPECT_EQ(Field(bytes, 30, 4), 0u); // no compression
        EXPECT_EQ(Field(bytes, 34, 4), c.imageSize);
        // Colour table: black, then white.
        EXPECT_EQ(bytes.mid(54, 8), QByteArray("\x00\x00\x00\x00\xff\xff\xff\x00", 8));
    }
    EXPECT_TRUE(EncodeMonoBitmap(QImage()).isEmpty());
}

// A 37 x 5 image, white but for its bottom-left and top-right pixels, made
// with the given colour table.
QImage Pattern(const QList<QRgb>& colourTable)
{
    QImage image(37, 5, QImage::Format_Mono);
    image.setColorTable(colourTable);
    const int white = colourTable.indexOf(kWhite);
    image.fill(white);
    image.setPixel(0, 4, 1 - white);
    image.setPixel(36, 0, 1 - white);
    return image;
}

TEST(BitmapPixelTest, WhiteIsOneBottomRowFirstRowsPadded)
{
    // Eight bytes a row: 37 pixels in five bytes, three bytes of padding.
    const QByteArray bottom("\x7f\xff\xff\xff\xf8\x00\x00\x00", 8);
    const QByteArray middle("\xff\xff\xff\xff\xf8\x00\x00\x00", 8);
    const QByteArray top("\xff\xff\xff\xff\xf0\x00\x00\x00", 8);
    // Whichever index the image keeps white at, white is written as 1.
    for (const QList<QRgb>& colourTable :
         {QList<QRgb>{kBlack, kWhite}, QList<QRgb>{kWhite, kBlack}})
        EXPECT_EQ(EncodeMonoBitmap(Pattern(colourTable)).mid(62),
                  bottom + middle + middle + middle + top);
}

TEST(MonochromeRenderTest, EveryPixelNotWhiteInCopyModeIsBlack)
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    CGraph graph = CGraph::PerformanceCurve();
    const QSize size(640, 480);

    const QImage mono = RenderGraphMonochrome(graph, &rec, size);
    EXPECT_EQ(graph.CopyMode(), 0);
    ASSERT_EQ(mono.size(), size);
    EXPECT_TRUE(RenderGraphMonochrome(graph, &rec, QSize(0, 480)).isNull());

    graph.SetCopyMode(1);
    QImage copy(size, QImage::Format_ARGB32);
    copy.fill(Qt::white);
    QPainter painter(&copy);
    graph.Draw(painter, &rec, size.width(), size.height(), false);
    int black = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QRgb expected = copy.pixel(x, y) == kWhite ? kWhite : kBlack;
            ASSERT_EQ(mono.pixel(x, y), expected) << x << "," << y;
            black += expected == kBlack;
        }
    EXPECT_GT(black, 1000);
}

TEST(BitmapFileTest, ReplacesAnExistingFileWithTheEncodedBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("graph.bmp");
    QImage larger(640, 480, QImage::Format_Mono);
    larger.fill(0);
    ASSERT_TRUE(WriteBitmapFile(larger, path));
    const QImage image = Pattern({kBlack, kWhite});

    ASSERT_TRUE(WriteBitmapFile(image, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), EncodeMonoBitmap(image));
}

TEST(BitmapFileTest, FailureLeavesNoFile)
{
    QTemporaryDir dir;
    EXPECT_FALSE(WriteBitmapFile(Pattern({kBlack, kWhite}), dir.filePath("missing/graph.bmp")));
    EXPECT_FALSE(WriteBitmapFile(QImage(), dir.filePath("graph.bmp")));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace

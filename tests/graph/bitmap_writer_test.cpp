#include "graph/bitmap_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "doc/analysis_pass.h"
#include "doc/dqo_record.h"
#include "graph/graph.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

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

struct HeaderCase {
    int width;
    int height;
    std::uint32_t imageSize;
};

class BitmapHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(BitmapHeaderTest, FieldsDescribeAOneBitBottomUpBitmap)
{
    const HeaderCase& c = GetParam();
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
    EXPECT_EQ(Field(bytes, 26, 2), 1u);
    EXPECT_EQ(Field(bytes, 28, 2), 1u);
    EXPECT_EQ(Field(bytes, 30, 4), 0u);
    EXPECT_EQ(Field(bytes, 34, 4), c.imageSize);
    for (int at = 38; at < 54; at += 4)
        EXPECT_EQ(Field(bytes, at, 4), 0u) << at;
    EXPECT_EQ(bytes.mid(54, 8), QByteArray("\x00\x00\x00\x00\xff\xff\xff\x00", 8));
}

INSTANTIATE_TEST_SUITE_P(Sizes, BitmapHeaderTest,
                         ::testing::ValuesIn(std::vector<HeaderCase>{
                             {37, 5, 40},
                             {32, 2, 8},
                             {33, 3, 24},
                             {1, 1, 4},
                             {640, 480, 38400},
                             {639, 479, 38320},
                         }));

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

class BitmapPixelTest : public ::testing::TestWithParam<QList<QRgb>> {};

TEST_P(BitmapPixelTest, WhiteIsOneBottomRowFirstRowsPadded)
{
    const QByteArray pixels = EncodeMonoBitmap(Pattern(GetParam())).mid(62);
    // Eight bytes a row: 37 pixels in five bytes, three bytes of padding.
    const QByteArray bottom("\x7f\xff\xff\xff\xf8\x00\x00\x00", 8);
    const QByteArray middle("\xff\xff\xff\xff\xf8\x00\x00\x00", 8);
    const QByteArray top("\xff\xff\xff\xff\xf0\x00\x00\x00", 8);
    EXPECT_EQ(pixels, bottom + middle + middle + middle + top);
}

INSTANTIATE_TEST_SUITE_P(ColourTables, BitmapPixelTest,
                         ::testing::Values(QList<QRgb>{kBlack, kWhite},
                                           QList<QRgb>{kWhite, kBlack}));

TEST(BitmapEncodeTest, NullImageHasNoBytes)
{
    EXPECT_TRUE(EncodeMonoBitmap(QImage()).isEmpty());
}

// ---- The graph in black and white ----

DQORecord StartingAnalysis()
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    return rec;
}

QImage RenderColour(CGraph& graph, const DQORecord& rec, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    graph.Draw(painter, &rec, size.width(), size.height(), false);
    painter.end();
    return image;
}

class MonochromeRenderTest : public ::testing::Test {
protected:
    const QSize size{640, 480};
    DQORecord rec = StartingAnalysis();
    CGraph graph = CGraph::PerformanceCurve();
};

TEST_F(MonochromeRenderTest, EveryPixelNotWhiteInCopyModeIsBlack)
{
    const QImage mono = RenderGraphMonochrome(graph, &rec, size);
    EXPECT_EQ(graph.CopyMode(), 0);
    ASSERT_EQ(mono.size(), size);
    EXPECT_EQ(mono.format(), QImage::Format_Mono);

    graph.SetCopyMode(1);
    const QImage copy = RenderColour(graph, rec, size);
    int black = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QRgb expected = copy.pixel(x, y) == kWhite ? kWhite : kBlack;
            ASSERT_EQ(mono.pixel(x, y), expected) << x << "," << y;
            black += expected == kBlack;
        }
    EXPECT_GT(black, 1000);
}

TEST_F(MonochromeRenderTest, GrayRegionComesOutWhite)
{
    const QImage screen = RenderColour(graph, rec, size);
    const QImage mono = RenderGraphMonochrome(graph, &rec, size);
    int gray = 0;
    int white = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (screen.pixel(x, y) == qRgb(150, 150, 150)) {
                ++gray;
                white += mono.pixel(x, y) == kWhite;
            }
    EXPECT_GT(gray, 10000);
    EXPECT_GT(white, gray * 95 / 100);
}

TEST_F(MonochromeRenderTest, EmptySizeGivesANullImage)
{
    EXPECT_TRUE(RenderGraphMonochrome(graph, &rec, QSize(0, 480)).isNull());
    EXPECT_TRUE(RenderGraphMonochrome(graph, &rec, QSize(-1, -1)).isNull());
    EXPECT_EQ(graph.CopyMode(), 0);
}

// ---- The file ----

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class BitmapFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QImage image = Pattern({kBlack, kWhite});
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(BitmapFileTest, WritesTheEncodedBytes)
{
    ASSERT_TRUE(dir.isValid());
    const QString path = Path("graph.bmp");
    ASSERT_TRUE(WriteBitmapFile(image, path));
    EXPECT_EQ(ReadAll(path), EncodeMonoBitmap(image));
}

TEST_F(BitmapFileTest, ReplacesAnExistingFileWhole)
{
    const QString path = Path("graph.bmp");
    WriteAll(path, QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteBitmapFile(image, path));
    EXPECT_EQ(ReadAll(path), EncodeMonoBitmap(image));
}

TEST_F(BitmapFileTest, MissingFolderLeavesNoFile)
{
    const QString path = Path("missing/graph.bmp");
    EXPECT_FALSE(WriteBitmapFile(image, path));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(Path("missing")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

TEST_F(BitmapFileTest, FolderInTheWayIsLeftAlone)
{
    const QString path = Path("graph.bmp");
    ASSERT_TRUE(QDir(dir.path()).mkdir("graph.bmp"));
    EXPECT_FALSE(WriteBitmapFile(image, path));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(BitmapFileTest, NullImageKeepsTheOldFile)
{
    const QString path = Path("graph.bmp");
    WriteAll(path, "old");
    EXPECT_FALSE(WriteBitmapFile(QImage(), path));
    EXPECT_EQ(ReadAll(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
}

} // namespace

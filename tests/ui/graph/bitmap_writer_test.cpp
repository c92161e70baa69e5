#include "ui/graph/bitmap_writer.h"

#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"
#include "ui/graph/graph.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);

TEST(BitmapEncodingTest, OneBitBottomUpRowsPaddedBlackFirstWhiteIsOne)
{
    // File header (size 102, bits at 62), 40-byte info header: 37 x 5, one
    // plane, one bit, no compression, 40 bytes of bits; black, then white.
    const QByteArray header("BM\x66\0\0\0\0\0\0\0\x3e\0\0\0"
                            "\x28\0\0\0\x25\0\0\0\x05\0\0\0\x01\0\x01\0\0\0\0\0\x28\0\0\0",
                            38);
    // Eight bytes a row: 37 pixels in five bytes, three bytes of padding.
    const QByteArray bottom("\x7f\xff\xff\xff\xf8\0\0\0", 8), top("\xff\xff\xff\xff\xf0\0\0\0", 8);
    const QByteArray middle("\xff\xff\xff\xff\xf8\0\0\0", 8);
    // Whichever index the image keeps white at, white is written as 1.
    for (const QList<QRgb>& table : {QList<QRgb>{kBlack, kWhite}, QList<QRgb>{kWhite, kBlack}}) {
        // 37 x 5, white but for its bottom-left and top-right pixels.
        QImage image(37, 5, QImage::Format_Mono);
        image.setColorTable(table);
        image.fill(table.indexOf(kWhite));
        image.setPixel(0, 4, table.indexOf(kBlack));
        image.setPixel(36, 0, table.indexOf(kBlack));
        const QByteArray bytes = EncodeMonoBitmap(image);
        EXPECT_EQ(bytes.left(38), header);
        EXPECT_EQ(bytes.mid(54, 8), QByteArray("\0\0\0\0\xff\xff\xff\0", 8));
        EXPECT_EQ(bytes.mid(62), bottom + middle + middle + middle + top);
    }
    EXPECT_TRUE(EncodeMonoBitmap(QImage()).isEmpty());
}

// The copy is drawn without the gray region and without antialiasing, also
// on a painter that antialiases (no blended edges for the threshold to turn
// into solid blocks); every pixel not white is black.
TEST(MonochromeRenderTest, CopyModeDrawsPlainlyAndEveryPixelNotWhiteIsBlack)
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    CGraph graph = CGraph::PerformanceCurve();
    const QImage mono = RenderGraphMonochrome(graph, &rec, QSize(640, 480));
    EXPECT_EQ(graph.CopyMode(), 0); // the view's own drawing fills the gray region again
    EXPECT_TRUE(RenderGraphMonochrome(graph, &rec, QSize(0, 480)).isNull());
    graph.SetCopyMode(1);
    QImage copy(mono.size(), QImage::Format_ARGB32);
    copy.fill(Qt::white);
    QPainter painter(&copy);
    painter.setRenderHint(QPainter::Antialiasing); // the copy turns it off
    graph.Draw(painter, &rec, copy.width(), copy.height(), false);
    painter.end();
    QSet<QRgb> colours;
    for (int y = 0; y < copy.height(); ++y)
        for (int x = 0; x < copy.width(); ++x) {
            colours << copy.pixel(x, y);
            copy.setPixel(x, y, copy.pixel(x, y) == kWhite ? kWhite : kBlack);
        }
    EXPECT_EQ(mono.convertToFormat(QImage::Format_ARGB32), copy);
    EXPECT_LE(colours.size(), 8);
    EXPECT_FALSE(colours.contains(qRgb(150, 150, 150)));
}

} // namespace

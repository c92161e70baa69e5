#include "ui/graph/talo_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <utility>

#include <gtest/gtest.h>

#include "tests/support/records.h"
#include "tests/support/scripted_seams.h"
#include "ui/graph/bitmap_writer.h"
#include "ui/graph/graph.h"
#include "ui/talo_doc.h"

namespace {

const QRgb kGrayRegion = qRgb(150, 150, 150), kWhite = qRgb(255, 255, 255);

TEST(InitialPlacementTest, CentresTheFrameOnTheDesktop)
{
    // Lower than 600 pixels, the frame is 479 high instead of 539.
    const std::pair<QSize, QRect> cases[] = {{QSize(1024, 768), QRect(192, 114, 639, 539)},
                                             {QSize(640, 480), QRect(0, 0, 639, 479)},
                                             {QSize(800, 600), QRect(80, 30, 639, 539)},
                                             {QSize(800, 599), QRect(80, 59, 639, 479)}};
    for (const auto& [desktop, frame] : cases)
        EXPECT_EQ(InitialFrameRect(desktop), frame) << desktop.width() << "x" << desktop.height();
}

// The pixels of the image in the colour.
QList<QPoint> PixelsOf(const QImage& image, QRgb colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QList<QPoint> found;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) == colour)
                found << QPoint(x, y);
    return found;
}

// A view as the only window, showing the starting one-sample mean analysis.
class TaloViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_doc.m_dqoOriginal = StartingRecord(kOneMean);
        m_doc.CopyOriginalToCurrent();
        m_doc.ComputeResults();
        m_view.resize(520, 400);
        m_view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_view));
    }

    QImage WindowImage() { return m_view.grab().toImage(); }

    CScriptedSeams m_seams;
    CTaloDoc m_doc;
    CTaloView m_view{m_doc};
    QTemporaryDir m_dir;
};

TEST_F(TaloViewTest, CentreIsTheDesktopsAtStartAndTheWindowsAfterEachUpdate)
{
    const QSize desktop = m_view.screen()->geometry().size();
    m_view.OnInitialUpdate();
    EXPECT_EQ(m_view.frameGeometry(), InitialFrameRect(desktop));
    EXPECT_EQ(QPoint(m_doc.m_nCentreX, m_doc.m_nCentreY),
              QPoint(desktop.width() / 2, desktop.height() / 2));

    m_view.move(137, 71);
    m_doc.UpdateAllViews();
    const QRect frame = m_view.frameGeometry();
    EXPECT_EQ(QPoint(m_doc.m_nCentreX, m_doc.m_nCentreY),
              frame.topLeft() + QPoint(frame.width() / 2, frame.height() / 2));
}

TEST_F(TaloViewTest, NewAnalysisBringsBackTheStandingTitle)
{
    m_doc.ResetDQO();
    m_doc.UpdateAllViews();
    // At most a few smoothed edges of the title's letters.
    EXPECT_LT(PixelsOf(WindowImage(), kGrayRegion).size(), 100);
}

TEST_F(TaloViewTest, CopyIsBlackAndWhiteOfTheClientSizeWhileTheWindowKeepsTheGray)
{
    QGuiApplication::clipboard()->clear();
    m_view.OnCopyGraph();

    const QImage copy = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(copy.size(), m_view.size());
    const auto black = PixelsOf(copy, qRgb(0, 0, 0)).size();
    EXPECT_GT(black, 0);
    EXPECT_EQ(black + PixelsOf(copy, kWhite).size(), copy.width() * copy.height());
    // Where the window fills the gray region, the copy is white (but for
    // the lines and texts drawn over it).
    const QList<QPoint> gray = PixelsOf(WindowImage(), kGrayRegion);
    ASSERT_GT(gray.size(), 1000) << "the window still shows the gray region";
    const auto white =
        std::count_if(gray.begin(), gray.end(), [&](QPoint p) { return copy.pixel(p) == kWhite; });
    EXPECT_GT(white, gray.size() * 95 / 100);
}

// A saved file holds the one-bit bitmap of the client size, also over a
// longer file; a cancelled prompt writes and says nothing; a failed write
// warns once naming the file and leaves no file.
TEST_F(TaloViewTest, SaveGraphWritesTheBitmapOrSaysWhyNot)
{
    const QString saved = m_dir.filePath("curve.bmp");
    const QString unwritable = m_dir.filePath("no-such-folder/curve.bmp");
    QFile longer(saved);
    ASSERT_TRUE(longer.open(QIODevice::WriteOnly) && longer.write(QByteArray(500000, 'x')));
    longer.close();
    m_seams.fileNames = {QString(), unwritable, saved};
    for (int save = 0; save < 3; ++save)
        m_view.OnSaveGraph();

    ASSERT_EQ(m_seams.requests.size(), 3u);
    EXPECT_EQ(m_seams.requests[0].filters, "Bitmap Files (*.BMP);;All Files (*.*)");
    EXPECT_EQ(m_seams.requests[0].defaultSuffix, "bmp");
    ASSERT_EQ(m_seams.shown.size(), 1u);
    EXPECT_EQ(std::make_pair(m_seams.shown[0].title, m_seams.shown[0].icon),
              std::make_pair(QStringLiteral("TALO"), MessageIcon::Warning));
    EXPECT_TRUE(m_seams.shown[0].text.contains(QDir::toNativeSeparators(unwritable)));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"curve.bmp"});
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    CGraph graph = CGraph::PerformanceCurve();
    const QImage mono = RenderGraphMonochrome(graph, &m_doc.m_dqoCurrent, QSize(520, 400));
    EXPECT_EQ(file.readAll(), EncodeMonoBitmap(mono));
}

TEST_F(TaloViewTest, PrintedPageFillsTheGrayRegionWithBlackAxes)
{
    QImage page(1100, 850, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    m_view.DrawPage(painter, page.rect());
    painter.end();
    EXPECT_GT(PixelsOf(page, kGrayRegion).size(), 10000);
    // The axes are black, not blue, also where their edges are blended.
    int bluish = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            bluish += qBlue(page.pixel(x, y)) >
                      std::max(qRed(page.pixel(x, y)), qGreen(page.pixel(x, y))) + 40;
    EXPECT_EQ(bluish, 0);
}

TEST_F(TaloViewTest, PrintGraphPrintsToThePdfPrinterOnlyWhenTheDialogIsAccepted)
{
    for (const int answer : {QDialog::Rejected, QDialog::Accepted}) {
        const QString path = m_dir.filePath(QString::number(answer) + ".pdf");
        m_seams.scripts = {[&](QDialog& dialog) {
            auto* printDialog = qobject_cast<QPrintDialog*>(&dialog);
            ASSERT_NE(printDialog, nullptr);
            printDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            printDialog->printer()->setOutputFileName(path);
            dialog.done(answer);
        }};
        m_view.OnPrintGraph();
        EXPECT_EQ(QFile(path).size() > 0, answer == QDialog::Accepted);
    }
}

} // namespace

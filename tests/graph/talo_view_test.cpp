#include "graph/talo_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "doc/talo_doc.h"
#include "tests/support/records.h"
#include "tests/support/scripted_seams.h"

namespace {

const QRgb kGrayRegion = qRgb(150, 150, 150);
const QRgb kScreenAxis = qRgb(0, 0, 200);

struct PlacementCase {
    QSize desktop;
    QRect frame;
};

class InitialPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(InitialPlacement, CentresTheFrameOnTheDesktop)
{
    EXPECT_EQ(InitialFrameRect(GetParam().desktop), GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(Desktops, InitialPlacement,
                         ::testing::ValuesIn(std::vector<PlacementCase>{
                             {QSize(1024, 768), QRect(192, 114, 639, 539)},
                             {QSize(640, 480), QRect(0, 0, 639, 479)},
                             {QSize(800, 800), QRect(80, 130, 639, 539)},
                             {QSize(1920, 1080), QRect(640, 270, 639, 539)},
                             {QSize(800, 600), QRect(80, 30, 639, 539)},
                             {QSize(800, 599), QRect(80, 59, 639, 479)},
                         }));

bool OnlyBlackAndWhite(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            if (pixel != qRgb(0, 0, 0) && pixel != qRgb(255, 255, 255))
                return false;
        }
    return true;
}

int CountPixels(const QImage& image, QRgb colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            count += rgb.pixel(x, y) == colour;
    return count;
}

// Pixels of the filled gray region: gray with all eight neighbours gray, so
// that smoothed text edges of the same shade do not count.
QList<QPoint> GrayFill(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto gray = [&rgb](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (rgb.pixel(x + dx, y + dy) != kGrayRegion)
                    return false;
        return true;
    };
    QList<QPoint> fill;
    for (int y = 1; y + 1 < rgb.height(); ++y)
        for (int x = 1; x + 1 < rgb.width(); ++x)
            if (gray(x, y))
                fill << QPoint(x, y);
    return fill;
}

quint32 ReadLittleEndian32(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[offset + i]);
    return value;
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

TEST_F(TaloViewTest, InitialUpdatePlacesTheWindowAndTakesTheDesktopCentre)
{
    const QSize desktop = m_view.screen()->geometry().size();

    m_view.OnInitialUpdate();

    EXPECT_EQ(m_view.frameGeometry(), InitialFrameRect(desktop));
    EXPECT_EQ(m_doc.m_nCentreX, desktop.width() / 2);
    EXPECT_EQ(m_doc.m_nCentreY, desktop.height() / 2);
}

TEST_F(TaloViewTest, UpdateTakesTheCentreOfTheMovedWindow)
{
    m_view.move(100, 50);
    m_doc.UpdateAllViews();
    const QRect frame = m_view.frameGeometry();
    EXPECT_EQ(m_doc.m_nCentreX, frame.left() + frame.width() / 2);
    EXPECT_EQ(m_doc.m_nCentreY, frame.top() + frame.height() / 2);
    const QPoint before(m_doc.m_nCentreX, m_doc.m_nCentreY);

    m_view.move(137, 71);
    EXPECT_EQ(QPoint(m_doc.m_nCentreX, m_doc.m_nCentreY), before) << "only an update moves it";
    m_doc.UpdateAllViews();

    EXPECT_EQ(QPoint(m_doc.m_nCentreX, m_doc.m_nCentreY), before + QPoint(37, 21));
}

TEST_F(TaloViewTest, WindowShowsTheGrayRegionOnlyOnceResultsAreReady)
{
    EXPECT_FALSE(GrayFill(WindowImage()).isEmpty());

    m_doc.ResetDQO();
    m_doc.UpdateAllViews();

    EXPECT_TRUE(GrayFill(WindowImage()).isEmpty());
}

TEST_F(TaloViewTest, CopyGraphPutsABlackAndWhiteImageWithoutGrayFill)
{
    QGuiApplication::clipboard()->clear();

    m_view.OnCopyGraph();

    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), m_view.size());
    EXPECT_TRUE(OnlyBlackAndWhite(copied));
    EXPECT_GT(CountPixels(copied, qRgb(0, 0, 0)), 0);
    // Where the window fills the gray region, the copy is white.
    const QList<QPoint> fill = GrayFill(WindowImage());
    EXPECT_FALSE(fill.isEmpty()) << "the window still shows the gray region";
    const QImage copy = copied.convertToFormat(QImage::Format_RGB32);
    for (const QPoint& point : fill)
        ASSERT_EQ(copy.pixel(point), qRgb(255, 255, 255)) << point.x() << "," << point.y();
}

TEST_F(TaloViewTest, SaveGraphWritesAOneBitBitmapOfTheClientSize)
{
    const QString path = m_dir.filePath(QStringLiteral("curve.bmp"));
    m_seams.fileNames = {path};

    m_view.OnSaveGraph();

    ASSERT_EQ(m_seams.requests.size(), 1u);
    EXPECT_EQ(m_seams.requests[0].filters, QStringLiteral("Bitmap Files (*.BMP);;All Files (*.*)"));
    EXPECT_EQ(m_seams.requests[0].defaultSuffix, QStringLiteral("bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 62);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(ReadLittleEndian32(bytes, 2), static_cast<quint32>(bytes.size()));
    EXPECT_EQ(ReadLittleEndian32(bytes, 10), 62u);
    EXPECT_EQ(ReadLittleEndian32(bytes, 18), 520u);
    EXPECT_EQ(ReadLittleEndian32(bytes, 22), 400u);
    EXPECT_TRUE(m_seams.shown.empty());
}

TEST_F(TaloViewTest, CancelledSaveWritesAndSaysNothing)
{
    m_seams.fileNames = {QString()};

    m_view.OnSaveGraph();

    EXPECT_EQ(m_seams.requests.size(), 1u);
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
    EXPECT_TRUE(m_seams.shown.empty());
}

TEST_F(TaloViewTest, UnwritableFileIsReportedOnce)
{
    const QString path = m_dir.filePath(QStringLiteral("no-such-folder/curve.bmp"));
    m_seams.fileNames = {path};

    m_view.OnSaveGraph();

    ASSERT_EQ(m_seams.shown.size(), 1u);
    EXPECT_EQ(m_seams.shown[0].title, QStringLiteral("TALO"));
    EXPECT_TRUE(m_seams.shown[0].text.contains(QDir::toNativeSeparators(path)))
        << m_seams.shown[0].text.toStdString();
    EXPECT_EQ(m_seams.shown[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(TaloViewTest, PrintedPageFillsTheGrayRegionWithBlackAxes)
{
    QImage page(1100, 850, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        m_view.DrawPage(painter, page.rect());
    }

    EXPECT_FALSE(GrayFill(page).isEmpty());
    EXPECT_EQ(CountPixels(page, kScreenAxis), 0);
    EXPECT_GT(CountPixels(WindowImage(), kScreenAxis), 0) << "the screen draws blue axes";
}

TEST_F(TaloViewTest, PrintingToAPdfPrinterWritesAFile)
{
    const QString path = m_dir.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);

    m_view.PrintGraphPage(printer);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}

// The print dialog's printer, sent to a PDF file, then the dialog's answer.
CScriptedSeams::Script AnswerPrintDialog(const QString& path, int answer)
{
    return [path, answer](QDialog& dialog) {
        auto* printDialog = qobject_cast<QPrintDialog*>(&dialog);
        ASSERT_NE(printDialog, nullptr);
        printDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        printDialog->printer()->setOutputFileName(path);
        dialog.done(answer);
    };
}

TEST_F(TaloViewTest, PrintGraphPrintsOnlyWhenTheDialogIsAccepted)
{
    const QString accepted = m_dir.filePath(QStringLiteral("accepted.pdf"));
    const QString cancelled = m_dir.filePath(QStringLiteral("cancelled.pdf"));
    m_seams.scripts = {AnswerPrintDialog(accepted, QDialog::Accepted),
                       AnswerPrintDialog(cancelled, QDialog::Rejected)};

    m_view.OnPrintGraph();
    m_view.OnPrintGraph();

    EXPECT_EQ(m_seams.modalRuns, 2);
    EXPECT_GT(QFile(accepted).size(), 0);
    EXPECT_FALSE(QFile::exists(cancelled));
}

TEST_F(TaloViewTest, PrintPreviewShowsOnePage)
{
    int pages = -1;
    m_seams.scripts = {[&pages](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        pages = preview->pageCount();
        dialog.done(QDialog::Accepted);
    }};

    m_view.OnPrintPreview();

    EXPECT_EQ(pages, 1);
}

} // namespace

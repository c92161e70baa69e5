#include "ui/graph/talo_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/support/files.h"
#include "tests/support/records.h"
#include "tests/support/scripted_seams.h"
#include "ui/graph/bitmap_writer.h"
#include "ui/graph/graph.h"
#include "ui/talo_doc.h"

namespace {

TEST(InitialPlacementTest, CentresTheFrameOnTheDesktop)
{
    // Lower than 600 pixels, the frame is 479 high instead of 539.
    EXPECT_EQ(InitialFrameRect(QSize(1024, 768)), QRect(192, 114, 639, 539));
    EXPECT_EQ(InitialFrameRect(QSize(640, 480)), QRect(0, 0, 639, 479));
    EXPECT_EQ(InitialFrameRect(QSize(800, 600)), QRect(80, 30, 639, 539));
    EXPECT_EQ(InitialFrameRect(QSize(800, 599)), QRect(80, 59, 639, 479));
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

    QImage Mono()
    {
        CGraph graph = CGraph::PerformanceCurve();
        return RenderGraphMonochrome(graph, &m_doc.m_dqoCurrent, m_view.size());
    }

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

// The clipboard takes the one-bit picture of the client size; the window
// goes on showing the gray region. The printed page is the graph's.
TEST_F(TaloViewTest, CopyIsTheOneBitPictureWhileTheWindowKeepsTheGray)
{
    QGuiApplication::clipboard()->clear();
    m_view.OnCopyGraph();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              Mono().convertToFormat(QImage::Format_RGB32));
    const QImage window = m_view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(window.constBits());
    EXPECT_GT(std::count(pixels, pixels + window.width() * window.height(), qRgb(150, 150, 150)),
              1000);
}

// A saved file holds the one-bit bitmap of the client size, also over a
// longer file; a cancelled prompt writes and says nothing; a failed write
// warns once naming the file and leaves no file.
TEST_F(TaloViewTest, SaveGraphWritesTheBitmapOrSaysWhyNot)
{
    const QString saved = m_dir.filePath("curve.bmp");
    const QString unwritable = m_dir.filePath("no-such-folder/curve.bmp");
    ASSERT_TRUE((std::ofstream(saved.toStdString()) << std::string(500000, 'x')).good());
    m_seams.fileNames = {QString(), unwritable, saved};
    for (int save = 0; save < 3; ++save)
        m_view.OnSaveGraph();
    ASSERT_EQ(m_seams.requests.size(), 3u);
    EXPECT_EQ(std::make_pair(m_seams.requests[0].filters, m_seams.requests[0].defaultSuffix),
              std::make_pair(QString("Bitmap Files (*.BMP);;All Files (*.*)"), QString("bmp")));
    ASSERT_EQ(m_seams.shown.size(), 1u);
    EXPECT_EQ(std::make_pair(m_seams.shown[0].title, m_seams.shown[0].icon),
              std::make_pair(QString("TALO"), MessageIcon::Warning));
    EXPECT_TRUE(m_seams.shown[0].text.contains(QDir::toNativeSeparators(unwritable)));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"curve.bmp"});
    EXPECT_EQ(QByteArray::fromStdString(ReadFile(saved.toStdString())), EncodeMonoBitmap(Mono()));
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

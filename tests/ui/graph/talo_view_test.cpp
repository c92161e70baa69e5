#include "ui/graph/talo_view.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

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

    CScriptedSeams m_seams;
    CTaloDoc m_doc;
    CTaloView m_view{m_doc};
    QTemporaryDir m_dir;
};

// The frame is placed on the desktop at start; the screens' centre follows it.
TEST_F(TaloViewTest, PlacedAtStartThenTheCentreFollowsTheWindow)
{
    m_view.OnInitialUpdate();
    EXPECT_EQ(m_view.frameGeometry(), InitialFrameRect(m_view.screen()->geometry().size()));
    m_view.move(137, 71);
    m_doc.UpdateAllViews();
    const QPoint centre(m_doc.m_nCentreX, m_doc.m_nCentreY);
    EXPECT_LE((centre - m_view.frameGeometry().center()).manhattanLength(), 2);
}

// A saved file holds the one-bit bitmap of the client size, also over a
// longer file; a cancelled prompt writes and says nothing; a failed write
// warns once naming the file and leaves no file.
TEST_F(TaloViewTest, SaveGraphWritesTheBitmapWholeOrSaysWhyNot)
{
    const QString saved = m_dir.filePath("curve.bmp");
    const QString unwritable = m_dir.filePath("no-such-folder/curve.bmp");
    ASSERT_TRUE((std::ofstream(saved.toStdString()) << std::string(500000, 'x')).good());
    m_seams.fileNames = {QString(), unwritable, saved};
    for (int save = 0; save < 3; ++save)
        m_view.OnSaveGraph();
    ASSERT_EQ(m_seams.shown.size(), 1u);
    EXPECT_TRUE(m_seams.shown[0].text.contains(QDir::toNativeSeparators(unwritable)));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"curve.bmp"});
    CGraph graph = CGraph::PerformanceCurve();
    EXPECT_EQ(QByteArray::fromStdString(ReadFile(saved.toStdString())),
              EncodeMonoBitmap(RenderGraphMonochrome(graph, &m_doc.m_dqoCurrent, m_view.size())));
}

TEST_F(TaloViewTest, PrintGraphPrintsOnlyWhenTheDialogIsAccepted)
{
    for (const int answer : {QDialog::Rejected, QDialog::Accepted}) {
        const QString path = m_dir.filePath(QString::number(answer) + ".pdf");
        m_seams.scripts = {[&](QDialog& dialog) {
            QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            dialog.done(answer);
        }};
        m_view.OnPrintGraph();
        EXPECT_EQ(QFile(path).size() > 0, answer == QDialog::Accepted);
    }
}

} // namespace

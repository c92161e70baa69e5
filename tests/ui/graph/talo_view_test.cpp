#include "ui/graph/talo_view.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/support/files.h"
#include "tests/support/records.h"
#include "tests/support/scripted_seams.h"
#include "ui/graph/bitmap_writer.h"
#include "ui/graph/graph.h"
#include "ui/talo_doc.h"

namespace {

// The frame is centred on the desktop, 479 high instead of 539 when the
// desktop is lower than 600 pixels. Over a longer file, a saved file holds the one-bit bitmap of
// the client size; a cancelled prompt writes and says nothing; a failed write warns once naming the
// file and leaves no file. Printing prints only when the dialog is accepted.
TEST(TaloViewTest, PlacedSavedAndPrinted)
{
    EXPECT_EQ(InitialFrameRect(QSize(1024, 768)), QRect(192, 114, 639, 539));
    EXPECT_EQ(InitialFrameRect(QSize(640, 480)), QRect(0, 0, 639, 479));
    EXPECT_EQ(InitialFrameRect(QSize(800, 599)), QRect(80, 59, 639, 479));
    CScriptedSeams seams;
    CTaloDoc doc;
    doc.m_dqoOriginal = StartingRecord(kOneMean);
    doc.CopyOriginalToCurrent();
    doc.ComputeResults();
    CTaloView view(doc);
    view.resize(520, 400);
    QTemporaryDir dir;
    const QString saved = dir.filePath("curve.bmp");
    const QString unwritable = dir.filePath("no-such-folder/curve.bmp");
    ASSERT_TRUE((std::ofstream(saved.toStdString()) << std::string(500000, 'x')).good());
    seams.fileNames = {QString(), unwritable, saved};
    for (int save = 0; save < 3; ++save)
        view.OnSaveGraph();
    ASSERT_EQ(seams.shown.size(), 1u);
    EXPECT_TRUE(seams.shown[0].text.contains(QDir::toNativeSeparators(unwritable)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"curve.bmp"});
    CGraph graph = CGraph::PerformanceCurve();
    EXPECT_EQ(QByteArray::fromStdString(ReadFile(saved.toStdString())),
              EncodeMonoBitmap(RenderGraphMonochrome(graph, &doc.m_dqoCurrent, view.size())));
    for (const int answer : {QDialog::Rejected, QDialog::Accepted}) {
        const QString path = dir.filePath(QString::number(answer) + ".pdf");
        seams.scripts = {[&](QDialog& dialog) {
            dynamic_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(path); // a PDF
            dialog.done(answer);
        }};
        view.OnPrintGraph();
        EXPECT_EQ(QFile(path).size() > 0, answer == QDialog::Accepted);
    }
}

} // namespace

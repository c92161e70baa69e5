#include "ui/talo_doc.h"

#include <QFile>
#include <QPoint>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <utility>

#include <gtest/gtest.h>

#include "tests/support/records.h"
#include "tests/support/scripted_seams.h"

namespace {

// The document after the wizard has entered the starting one-sample mean
// analysis and handed it on.
void EnterStartingAnalysis(CTaloDoc& doc)
{
    doc.m_dqoOriginal = StartingRecord(kOneMean);
    doc.CopyOriginalToCurrent();
    doc.ComputeResults();
}

QString ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

TEST(TaloDoc, StartsWithoutResultsThenAnAnalysisTellsTheViews)
{
    CScriptedSeams seams;
    CTaloDoc doc;
    EXPECT_EQ(QPoint(doc.m_nCentreX, doc.m_nCentreY), QPoint(320, 240));
    EXPECT_EQ(doc.IsResultsReady(), 0);
    QSignalSpy updates(&doc, &CTaloDoc::ViewsUpdated);

    EnterStartingAnalysis(doc);

    EXPECT_EQ(doc.m_dqoCurrent.nSamples, 13);
    EXPECT_EQ(doc.IsResultsReady(), 1);
    EXPECT_EQ(updates.count(), 1);
}

// The report prompts at the first written save, then appends; a new
// analysis resets the original record only and forgets results and report.
TEST(TaloDoc, ReportPromptsOnceThenAppendsUntilANewAnalysis)
{
    CScriptedSeams seams;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("summary.txt"));
    seams.fileNames = {QString(), path, path}; // the first prompt is cancelled
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old\n") == 4);
    old.close();
    CTaloDoc doc;
    EnterStartingAnalysis(doc);
    EXPECT_EQ(doc.SaveSummaryReport(), 0);
    EXPECT_EQ(doc.SaveSummaryReport(), 1);
    EXPECT_EQ(doc.SaveSummaryReport(), 1);
    ASSERT_EQ(seams.requests.size(), 2u);
    EXPECT_EQ(std::make_pair(seams.requests[1].title, seams.requests[1].filters),
              std::make_pair(QStringLiteral("Save As"), QStringLiteral("All Files (*.*)")));
    EXPECT_EQ(ReadAll(path).count("Design/DQO Summary Screen"), 2);
    EXPECT_FALSE(ReadAll(path).contains(QStringLiteral("old"))) << "the first save truncates";

    doc.m_dqoOriginal.dActionLevel = 0;
    doc.ResetDQO();
    EXPECT_EQ(doc.m_dqoOriginal.dActionLevel, 50.0);
    EXPECT_EQ(doc.m_dqoCurrent.nSamples, 13) << "the current analysis is left alone";
    EXPECT_EQ(doc.IsResultsReady(), 0);
    ASSERT_EQ(doc.SaveSummaryReport(), 1);
    EXPECT_EQ(seams.requests.size(), 3u);
    EXPECT_EQ(ReadAll(path).count("Design/DQO Summary Screen"), 1); // started anew
}

} // namespace

#include "ui/talo_doc.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/number_text.h"
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

int CountBlocks(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return QString::fromLatin1(file.readAll()).count(QStringLiteral("Design/DQO Summary Screen"));
}

TEST(TaloDoc, StartsCentredOnTheDefaultWindowWithoutResults)
{
    CTaloDoc doc;

    EXPECT_EQ(doc.m_nCentreX, 320);
    EXPECT_EQ(doc.m_nCentreY, 240);
    EXPECT_EQ(doc.IsResultsReady(), 0);
}

TEST(TaloDoc, StartingAnalysisGivesThirteenSamplesAndTellsTheViews)
{
    CScriptedSeams seams;
    CTaloDoc doc;
    QSignalSpy updates(&doc, &CTaloDoc::ViewsUpdated);

    EnterStartingAnalysis(doc);

    EXPECT_EQ(doc.m_dqoCurrent.nSamples, 13);
    EXPECT_EQ(FormatText("%.2f", doc.m_dqoCurrent.dTotalCost), "13650.00");
    EXPECT_EQ(doc.GetPlotSpec().nPoints, 101);
    EXPECT_EQ(doc.IsResultsReady(), 1);
    EXPECT_EQ(updates.count(), 1);
}

TEST(TaloDoc, ReportPromptsAtTheFirstWrittenSaveThenAppends)
{
    CScriptedSeams seams;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("summary.txt"));
    seams.fileNames = {QString(), path}; // the first prompt is cancelled
    CTaloDoc doc;
    EnterStartingAnalysis(doc);

    EXPECT_EQ(doc.SaveSummaryReport(), 0);
    EXPECT_EQ(doc.SaveSummaryReport(), 1);
    EXPECT_EQ(doc.SaveSummaryReport(), 1);

    ASSERT_EQ(seams.requests.size(), 2u);
    EXPECT_EQ(seams.requests[1].title, QStringLiteral("Save As"));
    EXPECT_EQ(seams.requests[1].filters, QStringLiteral("All Files (*.*)"));
    EXPECT_EQ(CountBlocks(path), 2);
    EXPECT_EQ(doc.ReportFile().Path(), path.toStdString());
}

TEST(TaloDoc, ResetDQOResetsTheOriginalOnlyAndForgetsResultsAndReport)
{
    CScriptedSeams seams;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    seams.fileNames = {path, path};
    CTaloDoc doc;
    EnterStartingAnalysis(doc);
    ASSERT_EQ(doc.SaveSummaryReport(), 1);
    doc.m_dqoOriginal.dActionLevel = 0;
    doc.m_dqoOriginal.bSummaryRequested = 1;

    doc.ResetDQO();

    EXPECT_EQ(doc.m_dqoOriginal.dActionLevel, DQORecord().dActionLevel);
    EXPECT_EQ(doc.m_dqoOriginal.bSummaryRequested, 0);
    EXPECT_EQ(doc.m_dqoCurrent.nSamples, 13) << "the current analysis is left alone";
    EXPECT_EQ(doc.IsResultsReady(), 0);
    EXPECT_TRUE(doc.ReportFile().Path().empty());
    // The report was forgotten: the next save asks again and starts the file anew.
    ASSERT_EQ(doc.SaveSummaryReport(), 1);
    EXPECT_EQ(seams.requests.size(), 2u);
    EXPECT_EQ(CountBlocks(path), 1);
}

} // namespace

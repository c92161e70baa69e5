#include "doc/talo_doc.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "doc/number_text.h"
#include "tests/support/records.h"
#include "tests/support/scripted_seams.h"

namespace {

// The document after the wizard has entered the starting one-sample mean
// analysis and handed it on.
void EnterStartingAnalysis(CTaloDoc& doc)
{
    doc.m_dqoOriginal = StartingRecord(kOneMean);
    doc.CopyOriginalToCurrent();
}

int CountBlocks(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return QString::fromLatin1(file.readAll()).count(QStringLiteral("Design/DQO Summary Screen"));
}

TEST(TaloDocConstruction, CentresOnTheDefaultWindowWithoutResults)
{
    CTaloDoc doc;

    EXPECT_EQ(doc.m_nCentreX, 320);
    EXPECT_EQ(doc.m_nCentreY, 240);
    EXPECT_EQ(doc.IsResultsReady(), 0);
    EXPECT_TRUE(doc.ReportFile().Path().empty());
    EXPECT_EQ(doc.m_dqoOriginal.dActionLevel, 50);
    EXPECT_EQ(doc.m_dqoOriginal.dUpperBound, 75);
}

TEST(TaloDocReset, ResetsTheOriginalOnlyAndForgetsResultsAndReport)
{
    CScriptedSeams seams;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    seams.fileNames = {path, path};
    CTaloDoc doc;
    EnterStartingAnalysis(doc);
    doc.ComputeResults();
    ASSERT_EQ(doc.SaveSummaryReport(), 1);
    doc.m_dqoOriginal.nParameter = kTwoProportion;
    doc.m_dqoOriginal.dActionLevel = 0;
    doc.m_dqoOriginal.fLabCost = 7;
    doc.m_dqoOriginal.fAbove1Limit = 0.2f;
    doc.m_dqoOriginal.bSummaryRequested = 1;

    doc.ResetDQO();

    const DQORecord fresh;
    EXPECT_EQ(doc.m_dqoOriginal.nParameter, fresh.nParameter);
    EXPECT_EQ(doc.m_dqoOriginal.dActionLevel, fresh.dActionLevel);
    EXPECT_EQ(doc.m_dqoOriginal.fLabCost, fresh.fLabCost);
    EXPECT_EQ(doc.m_dqoOriginal.fAbove1Limit, fresh.fAbove1Limit);
    EXPECT_EQ(doc.m_dqoOriginal.dSD, fresh.dSD);
    EXPECT_EQ(doc.m_dqoOriginal.bSummaryRequested, 0);
    EXPECT_EQ(doc.m_dqoCurrent.nSamples, 13) << "the current analysis is left alone";
    EXPECT_EQ(doc.IsResultsReady(), 0);
    EXPECT_TRUE(doc.ReportFile().Path().empty());
    EXPECT_FALSE(doc.ReportFile().HasStream());

    // The report was forgotten: the next save asks again and truncates.
    ASSERT_EQ(doc.SaveSummaryReport(), 1);
    EXPECT_EQ(seams.requests.size(), 2u);
    EXPECT_EQ(CountBlocks(path), 1);
}

TEST(TaloDocResults, StartingAnalysisGivesThirteenSamplesAndTellsTheViews)
{
    CScriptedSeams seams;
    CTaloDoc doc;
    EnterStartingAnalysis(doc);
    QSignalSpy updates(&doc, &CTaloDoc::ViewsUpdated);

    doc.ComputeResults();

    EXPECT_EQ(doc.m_dqoCurrent.nSamples, 13);
    EXPECT_EQ(FormatText("%.2f", doc.m_dqoCurrent.dTotalCost), "13650.00");
    EXPECT_EQ(doc.GetPlotSpec().nPoints, 101);
    EXPECT_EQ(doc.IsResultsReady(), 1);
    EXPECT_EQ(updates.count(), 1);
    EXPECT_TRUE(seams.shown.empty());
}

TEST(TaloDocReport, FirstSavePromptsOnceAndLaterSavesAppend)
{
    CScriptedSeams seams;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("summary.txt"));
    seams.fileNames = {path};
    CTaloDoc doc;
    EnterStartingAnalysis(doc);
    doc.ComputeResults();

    EXPECT_EQ(doc.SaveSummaryReport(), 1);
    EXPECT_EQ(doc.SaveSummaryReport(), 1);

    ASSERT_EQ(seams.requests.size(), 1u);
    EXPECT_EQ(seams.requests[0].title, QStringLiteral("Save As"));
    EXPECT_EQ(seams.requests[0].filters, QStringLiteral("All Files (*.*)"));
    EXPECT_EQ(CountBlocks(path), 2);
    EXPECT_EQ(doc.ReportFile().Path(), path.toStdString());
    EXPECT_TRUE(seams.shown.empty());
}

TEST(TaloDocReport, CancelledPromptWritesAndSaysNothing)
{
    CScriptedSeams seams;
    seams.fileNames = {QString()};
    CTaloDoc doc;
    EnterStartingAnalysis(doc);
    doc.ComputeResults();

    EXPECT_EQ(doc.SaveSummaryReport(), 0);

    EXPECT_EQ(seams.requests.size(), 1u);
    EXPECT_TRUE(seams.shown.empty());
    EXPECT_TRUE(doc.ReportFile().Path().empty());
}

} // namespace

#include "ui/talo_doc.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/support/files.h"
#include "tests/support/records.h"
#include "tests/support/scripted_seams.h"

namespace {

// Results come once the wizard has handed an analysis on. The report
// prompts at the first written save, truncating, then appends; a new
// analysis leaves the current record alone and forgets results and report.
TEST(TaloDoc, ResultsThenReportsUntilANewAnalysis)
{
    CScriptedSeams seams;
    QTemporaryDir dir;
    const QString path = dir.filePath("summary.txt");
    const auto reports = [&] {
        return QString::fromStdString(ReadFile(path.toStdString()))
            .count("Design/DQO Summary Screen");
    };
    seams.fileNames = {QString(), path, path}; // the first prompt is cancelled
    ASSERT_TRUE((std::ofstream(path.toStdString()) << "old\n").good());
    CTaloDoc doc;
    QSignalSpy updates(&doc, &CTaloDoc::ViewsUpdated);
    doc.m_dqoOriginal = StartingRecord(kOneMean);
    doc.CopyOriginalToCurrent();
    doc.ComputeResults();
    EXPECT_EQ(doc.IsResultsReady(), 1);
    EXPECT_EQ(updates.count(), 1);

    for (const int saved : {0, 1, 1})
        EXPECT_EQ(doc.SaveSummaryReport(), saved);
    EXPECT_EQ(seams.requests.size(), 2u);
    EXPECT_EQ(reports(), 2);
    EXPECT_EQ(ReadFile(path.toStdString()).find("old"), std::string::npos);

    doc.ResetDQO();
    EXPECT_EQ(doc.m_dqoCurrent.nSamples, 13) << "the current analysis is left alone";
    EXPECT_EQ(doc.IsResultsReady(), 0);
    ASSERT_EQ(doc.SaveSummaryReport(), 1);
    EXPECT_EQ(seams.requests.size(), 3u);
    EXPECT_EQ(reports(), 1); // started anew
}

} // namespace

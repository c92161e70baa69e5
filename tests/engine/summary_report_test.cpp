#include "engine/summary_report.h"

#include <sstream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "tests/engine/stats/designed_records.h"
#include "tests/support/starting_report.h"

namespace {

TEST(SummaryReportText, StartingAnalysisGivesTheWholeBlock)
{
    EXPECT_EQ(FormatSummaryReport(Computed(kOneMean)), kStartingReport);
}

// A variation of a starting analysis and lines its block must hold in this
// order, each whole.
struct ReportCase {
    const char* name;
    void (*change)(DQORecord&);
    const char* lines;
};

const ReportCase kReportCases[] = {
    // After a too-large adjustment the bounds read 0.5 although the inputs
    // keep the user's limits: the table shows the calculation block.
    {"LimitsTableShowsCalculationBlock",
     [](DQORecord& r) { r.dErrorLimit[kRowLower] = r.dErrorLimit[kRowUpper] = 0.5; },
     "           50.000         0.5000        FR    \n"
     "           75.000         0.5000        FA\n"},
    // Each additional row carries its own flag; the bounds never do.
    {"BaselineAtLeastSwapsLabelsAndFlagsRows",
     [](DQORecord& r) {
         r = StartingRecord(kOneMean, kBaselineAtLeast);
         r.dBelow1 = 10, r.dBelow2 = 20, r.dAbove1 = 60, r.dAbove2 = 90;
         r.fBelow1Limit = 0.1f, r.fBelow2Limit = r.fAbove1Limit = r.fAbove2Limit = 0.05f;
         r.bNotSatisfied[1] = r.bNotSatisfied[2] = 1;
         FillCalculationBlock(r);
     },
     "Baseline Condition: mean >= 50.000\n"
     "           10.000         0.1000        FA    \n"
     "           20.000         0.0500        FA    Not Satisfied\n"
     "           25.000         0.0100        FA    \n"
     "           50.000         0.0100        FR\n"
     "           60.000         0.0500        FR    Not Satisfied\n"
     "           90.000         0.0500        FR\n"},
    {"TwoSampleMeanHasNoSDLine", [](DQORecord& r) { r = Computed(kTwoMean); },
     "Baseline Condition: mean1-mean2 <= 0.000\n"},
    {"Composite", [](DQORecord& r) { r.nDesign = kComposite, r.nAliquots = 4, r.dSDRatio = 0.5; },
     "For the Sampling Design of:  Composite Sampling\n"
     "Number of Aliquots within Composite: 4\n"
     "Ratio of Measurement SD to Total SD:  0.50\n"},
    {"StratifiedProportion",
     [](DQORecord& r) {
         r = Computed(kOneProportion);
         SetStrata(r, {0.25, 0.4}, {0.6, 0.4});
         r.nStratumSamples[0] = 12, r.nStratumSamples[1] = 7;
     },
     "Number of Strata: 2\n"
     "Stratum    Samples      Weight          Proportion\n"
     "   1         12          0.600              0.25\n"},
};

class SummaryReportCase : public ::testing::TestWithParam<ReportCase> {};

TEST_P(SummaryReportCase, BlockHasTheLinesOfTheDesign)
{
    DQORecord rec = Computed(kOneMean);
    GetParam().change(rec);
    const std::string block = FormatSummaryReport(rec);
    std::istringstream lines(GetParam().lines);
    std::size_t at = 0;
    for (std::string line; std::getline(lines, line) && at != std::string::npos;)
        at = block.find("\n" + line + "\n", at);
    EXPECT_NE(at, std::string::npos) << block;
    EXPECT_EQ(block.find("Standard Deviation") != std::string::npos, rec.nParameter == kOneMean);
}

INSTANTIATE_TEST_SUITE_P(Designs, SummaryReportCase, ::testing::ValuesIn(kReportCases), ByName);

// Answers every save prompt with the one name.
struct ScriptedPrompt : FilePrompt {
    std::string answer;
    bool AskSaveFileName(const std::string&, std::string& c) override { return c = answer, true; }
};

// The stream and the path stay, so the next save tries the same path again.
TEST(ReportFile, FailuresAreReportedAndKeepThePath)
{
    for (const auto& [path, message] :
         {std::pair<std::string, std::string>{::testing::TempDir() + "no_such_directory/r.txt",
                                              "ERROR: Cannot open file."},
          {"/dev/full", "ERROR: Cannot write to file."}}) {
        CReportFile report;
        RecordingMessages messages;
        ScriptedPrompt prompt;
        prompt.answer = path;
        EXPECT_EQ(report.Save(Computed(kOneMean), prompt, messages) +
                      report.Save(Computed(kOneMean), prompt, messages),
                  0);
        EXPECT_EQ(Shown(messages), (Texts{"(!) TALO: " + message, "(!) TALO: " + message}));
        EXPECT_FALSE(WriteTextFile(path, "text", true));
    }
}

} // namespace

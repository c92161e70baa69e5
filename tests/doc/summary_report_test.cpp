#include "doc/summary_report.h"

#include <cstdio>
#include <deque>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "doc/dqo_record.h"
#include "stats/messages.h"
#include "tests/support/recording_messages.h"
#include "tests/support/files.h"
#include "tests/support/starting_report.h"

namespace {

// The starting one-sample mean analysis: 13 samples at 1000 + 50 each.
DQORecord StartingAnalysis()
{
    DQORecord rec;
    rec.nSamples = 13;
    rec.dTotalCost = 13650;
    rec.dSD = 16.67;
    FillCalculationBlock(rec);
    return rec;
}

TEST(SummaryReportText, StartingAnalysisGivesTheWholeBlock)
{
    EXPECT_EQ(FormatSummaryReport(StartingAnalysis()), kStartingReport);
}

// The table shows the calculation block: after a too-large adjustment the
// bounds read 0.5 although the inputs keep the user's limits.
TEST(SummaryReportText, LimitsTableShowsCalculationBlock)
{
    DQORecord rec = StartingAnalysis();
    rec.dErrorLimit[kRowLower] = 0.5;
    rec.dErrorLimit[kRowUpper] = 0.5;

    const std::string block = FormatSummaryReport(rec);

    EXPECT_NE(block.find("           50.000         0.5000        FR    \n"
                         "           75.000         0.5000        FA\n"),
              std::string::npos)
        << block;
}

// One variation of the starting analysis: the inputs it changes before the
// calculation block is filled, the runs of text the block must contain and
// the texts it must not contain.
struct ReportCase {
    const char* name;
    void (*change)(DQORecord&);
    std::vector<std::string> excerpts;
    std::vector<std::string> absent;
};

void UseParameter(DQORecord& rec, int parameter)
{
    rec.nParameter = parameter;
    ApplyParameterDefaults(rec, parameter);
    rec.dLowerBound = rec.dActionLevel;
}

const ReportCase kReportCases[] = {
    {"BaselineAtLeastSwapsLabels",
     [](DQORecord& rec) {
         rec.nBaseline = kBaselineAtLeast;
         rec.dLowerBound = 25;
         rec.dUpperBound = 50;
         rec.dAbove1 = 60;
         rec.fAbove1Limit = 0.05f;
         rec.bNotSatisfied[2] = 1; // rows above carry no such column
     },
     {"Gray Region:     25.000 - 50.000\n"
      "Baseline Condition: mean >= 50.000\n",
      "             ---            ----         FA\n"
      "             ---            ----         FA\n"
      "           25.000         0.0100        FA    \n"
      "           50.000         0.0100        FR\n"
      "           60.000         0.0500        FR\n"
      "             ---            ----         FR\n"
      "\n"},
     {"Not Satisfied"}},
    {"FirstRowNotSatisfied",
     [](DQORecord& rec) {
         rec.dBelow1 = 20;
         rec.fBelow1Limit = 0.1f;
         rec.dBelow2 = 40;
         rec.fBelow2Limit = 0.05f;
         rec.bNotSatisfied[0] = 1;
     },
     {"            conc.        prob(error)     type\n"
      "           20.000         0.1000        FR    Not Satisfied\n"
      "           40.000         0.0500        FR    \n"
      "           50.000         0.0100        FR    \n"
      "           75.000         0.0100        FA\n"},
     {}},
    {"SecondRowNotSatisfied",
     [](DQORecord& rec) {
         rec.dBelow2 = 40;
         rec.fBelow2Limit = 0.05f;
         rec.bNotSatisfied[1] = 1;
     },
     {"            conc.        prob(error)     type\n"
      "             ---            ----         FR\n"
      "           40.000         0.0500        FR    Not Satisfied\n"
      "           50.000         0.0100        FR    \n"},
     {}},
    {"OneSampleProportion",
     [](DQORecord& rec) { UseParameter(rec, kOneProportion); },
     {"Gray Region:     0.500 - 0.750\n"
      "Baseline Condition: proportion <= 0.500\n"
      "\n"
      "                Decision Error Limits\n"
      "            prop.        prob(error)     type\n"},
     {"Standard Deviation"}},
    {"TwoSampleMeanHasNoSDLine",
     [](DQORecord& rec) { UseParameter(rec, kTwoMean); },
     {"Action Level:    0.000\n"
      "Gray Region:     0.000 - 5.000\n"
      "Baseline Condition: mean1-mean2 <= 0.000\n"
      "\n"
      "                Decision Error Limits\n"
      "            conc.        prob(error)     type\n"},
     {"Standard Deviation"}},
    {"TwoSampleProportion",
     [](DQORecord& rec) { UseParameter(rec, kTwoProportion); },
     {"Baseline Condition: prop1-prop2 <= 0.000\n"
      "\n"
      "                Decision Error Limits\n"
      "            prop.        prob(error)     type\n",
      "            0.000         0.0100        FR    \n"
      "            0.500         0.0100        FA\n"},
     {"Standard Deviation"}},
    {"Composite",
     [](DQORecord& rec) {
         rec.nDesign = kComposite;
         rec.nAliquots = 4;
         rec.dSDRatio = 0.5;
         rec.nSamples = 5;
         rec.dTotalCost = 5250.5;
         rec.fFieldCost = 12.5f;
     },
     {"For the Sampling Design of:  Composite Sampling\n"
      "Total Cost: $5250.50\n"
      "  Laboratory Cost per Sample: $1000.00\n"
      "  Field Cost per Sample: $12.50\n"
      "Number of Samples: 5\n"
      "Number of Aliquots within Composite: 4\n"
      "\n"
      "                Data Quality Objectives\n",
      "Standard Deviation (SD):  16.67\n"
      "Ratio of Measurement SD to Total SD:  0.50\n"
      "\n"
      "                Decision Error Limits\n"},
     {"Number of Strata", "Stratum"}},
    {"StratifiedProportion",
     [](DQORecord& rec) {
         UseParameter(rec, kOneProportion);
         rec.nDesign = kStratified;
         rec.nSamples = 19;
         rec.nStrata = 2;
         rec.nStratumSamples[0] = 12;
         rec.nStratumSamples[1] = 7;
         rec.dStratumWeight[0] = 0.6;
         rec.dStratumWeight[1] = 0.4;
         rec.dStratumValue[0] = 0.25;
         rec.dStratumValue[1] = 0.4;
     },
     {"For the Sampling Design of:  Stratified Sampling\n",
      "Number of Samples: 19\n"
      "Number of Strata: 2\n"
      "\n"
      "          Number of                     Underlying\n"
      "Stratum    Samples      Weight          Proportion\n"
      "   1         12          0.600              0.25\n"
      "   2          7          0.400              0.40\n"
      "\n"
      "                Data Quality Objectives\n"},
     {"Aliquots", "Standard Deviation"}},
    {"StratifiedMean",
     [](DQORecord& rec) {
         rec.nDesign = kStratified;
         rec.nStrata = 3;
         const int samples[] = {4, 10, 100};
         const double weights[] = {0.2, 0.3, 0.5};
         const double sds[] = {5, 12.5, 1234.5};
         for (int h = 0; h < 3; ++h) {
             rec.nStratumSamples[h] = samples[h];
             rec.dStratumWeight[h] = weights[h];
             rec.dStratumValue[h] = sds[h];
         }
     },
     {"Number of Strata: 3\n"
      "\n"
      "          Number of\n"
      "Stratum    Samples      Weight              SD    \n"
      "   1          4          0.200              5.00\n"
      "   2         10          0.300             12.50\n"
      "   3        100          0.500           1234.50\n"
      "\n"
      "                Data Quality Objectives\n",
      "Standard Deviation (SD):  16.67\n"
      "\n"},
     {"Ratio of Measurement", "Underlying"}},
    {"StrataBeyondTheArraysAreNotRead",
     [](DQORecord& rec) {
         rec.nDesign = kStratified;
         rec.nStrata = 7;
     },
     {"Number of Strata: 7\n", "   5          0          0.000              0.00\n"
                               "\n"
                               "                Data Quality Objectives\n"},
     {"   6    "}},
};

class SummaryReportCase : public ::testing::TestWithParam<ReportCase> {};

TEST_P(SummaryReportCase, BlockHasTheLinesOfTheDesign)
{
    const ReportCase& c = GetParam();
    DQORecord rec = StartingAnalysis();
    c.change(rec);
    FillCalculationBlock(rec);

    const std::string block = FormatSummaryReport(rec);

    for (const std::string& excerpt : c.excerpts)
        EXPECT_NE(block.find(excerpt), std::string::npos) << "missing:\n"
                                                          << excerpt << "\nin:\n"
                                                          << block;
    for (const std::string& text : c.absent)
        EXPECT_EQ(block.find(text), std::string::npos) << "unexpected: " << text << "\nin:\n"
                                                       << block;
}

INSTANTIATE_TEST_SUITE_P(Designs, SummaryReportCase, ::testing::ValuesIn(kReportCases),
                         [](const auto& info) { return std::string(info.param.name); });

// File side ---------------------------------------------------------------

// Answers the save prompt from a script; an answer not accepted is a cancel.
class ScriptedPrompt : public FilePrompt {
public:
    struct Answer {
        bool accept;
        std::string path;
    };

    explicit ScriptedPrompt(std::deque<Answer> answers) : m_answers(std::move(answers)) {}

    bool AskSaveFileName(const std::string& initialName, std::string& chosenName) override
    {
        initialNames.push_back(initialName);
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected save prompt";
            return false;
        }
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        chosenName = answer.path;
        return answer.accept;
    }

    std::vector<std::string> initialNames;

private:
    std::deque<Answer> m_answers;
};

class ReportFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = ::testing::TempDir() + "summary_report_" + info->name() + ".txt";
        std::remove(m_path.c_str());
    }
    void TearDown() override { std::remove(m_path.c_str()); }

    void ExpectOneWarning(const std::string& text) const
    {
        ASSERT_EQ(m_messages.shown.size(), 1u);
        EXPECT_EQ(m_messages.shown[0].title, "TALO");
        EXPECT_EQ(m_messages.shown[0].text, text);
        EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Warning);
    }

    std::string m_path;
    RecordingMessages m_messages;
    CReportFile m_report;
};

TEST_F(ReportFileTest, FirstSaveTruncatesLaterSavesAppendWithoutPrompt)
{
    ASSERT_TRUE(WriteTextFile(m_path, "an older report\n", false));
    ScriptedPrompt prompt({{true, m_path}});
    const DQORecord rec = StartingAnalysis();

    EXPECT_EQ(m_report.Save(rec, prompt, m_messages), 1);
    EXPECT_EQ(ReadFile(m_path), kStartingReport);
    EXPECT_EQ(m_report.Save(rec, prompt, m_messages), 1);

    EXPECT_EQ(ReadFile(m_path), std::string(kStartingReport) + kStartingReport);
    EXPECT_EQ(prompt.initialNames, std::vector<std::string>{""});
    EXPECT_EQ(m_report.Path(), m_path);
    EXPECT_TRUE(m_report.HasStream());
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ReportFileTest, CancelWritesNothingAndKeepsNoState)
{
    ASSERT_TRUE(WriteTextFile(m_path, "keep me\n", false));
    ScriptedPrompt prompt({{false, m_path}, {true, m_path}});

    EXPECT_EQ(m_report.Save(StartingAnalysis(), prompt, m_messages), 0);
    EXPECT_EQ(ReadFile(m_path), "keep me\n");
    EXPECT_FALSE(m_report.HasStream());
    EXPECT_EQ(m_report.Path(), "");
    EXPECT_TRUE(m_messages.shown.empty());

    // Still the first save: it asks again and truncates.
    EXPECT_EQ(m_report.Save(StartingAnalysis(), prompt, m_messages), 1);
    EXPECT_EQ(ReadFile(m_path), kStartingReport);
    EXPECT_EQ(prompt.initialNames.size(), 2u);
}

TEST_F(ReportFileTest, ForgetMakesTheNextSavePromptAndTruncate)
{
    ScriptedPrompt prompt({{true, m_path}, {true, m_path}});
    DQORecord rec = StartingAnalysis();
    ASSERT_EQ(m_report.Save(rec, prompt, m_messages), 1);

    m_report.Forget();
    EXPECT_FALSE(m_report.HasStream());
    EXPECT_EQ(m_report.Path(), "");
    rec.nSamples = 14;
    EXPECT_EQ(m_report.Save(rec, prompt, m_messages), 1);

    EXPECT_EQ(ReadFile(m_path), FormatSummaryReport(rec));
    EXPECT_EQ(prompt.initialNames, (std::vector<std::string>{"", ""}));
}

TEST_F(ReportFileTest, OpenFailureKeepsThePathForTheNextSave)
{
    const std::string missing = ::testing::TempDir() + "no_such_directory_for_report/report.txt";
    ScriptedPrompt prompt({{true, missing}});

    EXPECT_EQ(m_report.Save(StartingAnalysis(), prompt, m_messages), 0);
    ExpectOneWarning("ERROR: Cannot open file.");
    EXPECT_TRUE(m_report.HasStream());
    EXPECT_EQ(m_report.Path(), missing);

    EXPECT_EQ(m_report.Save(StartingAnalysis(), prompt, m_messages), 0);
    EXPECT_EQ(prompt.initialNames.size(), 1u);
    EXPECT_EQ(m_messages.shown.size(), 2u);
}

TEST_F(ReportFileTest, WriteFailureIsReported)
{
    if (!std::ifstream("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    ScriptedPrompt prompt({{true, "/dev/full"}});

    EXPECT_EQ(m_report.Save(StartingAnalysis(), prompt, m_messages), 0);
    ExpectOneWarning("ERROR: Cannot write to file.");
}

TEST(WriteTextFile, TruncatesOrAppends)
{
    const std::string path = ::testing::TempDir() + "summary_report_write_text.txt";
    const struct {
        bool append;
        const char* expected;
    } cases[] = {{false, "new\n"}, {true, "old\nnew\n"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteTextFile(path, "old\n", false));
        EXPECT_TRUE(WriteTextFile(path, "new\n", c.append));
        EXPECT_EQ(ReadFile(path), c.expected) << "append " << c.append;
    }
    std::remove(path.c_str());
}

TEST(WriteTextFile, FailsWhenTheFileCannotBeOpenedOrWritten)
{
    EXPECT_FALSE(WriteTextFile(::testing::TempDir() + "no_such_directory/x.txt", "text", false));
    if (std::ifstream("/dev/full")) {
        EXPECT_FALSE(WriteTextFile("/dev/full", "text", true));
    }
}

} // namespace

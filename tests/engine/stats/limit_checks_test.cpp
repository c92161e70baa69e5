#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "engine/stats/analysis.h"
#include "tests/engine/stats/designed_records.h"

namespace {

struct LimitCase {
    const char* name;
    int parameter, design, baseline;
    int row; // the one additional row in force
    double point;
    float limit;
    int notSatisfied;
};

class AdditionalLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(AdditionalLimitTest, FlagsOnlyTheRowThatIsNotMet)
{
    const LimitCase& c = GetParam();
    DQORecord rec = DesignedRecord(c.parameter, c.design, c.baseline);
    rec.dErrorPoint[c.row] = c.point, rec.dErrorLimit[c.row] = c.limit;
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);

    for (int k = 0; k < kAdditionalRows; ++k) // the flags in the order of the rows
        EXPECT_EQ(rec.bNotSatisfied[k],
                  k == (c.row < kRowLower ? c.row : c.row - 2) && c.notSatisfied);
    EXPECT_TRUE(messages.shown.empty());
}

// Designs: mean n = 13 (gray region 50-75, sd 16.67), composite 7, strata
// 11 + 21; proportion 76 (0.5-0.75), strata 35 + 34; two-sample mean 91 (0-5),
// two-sample proportion 33 (0-0.5). With Ho >= the gray region lies below the
// action level. Sizes and rates a row needs were worked out by hand from the
// closed formulas of the checks. False rejection (Fr) rows compare the size
// the limit needs with the design's, false acceptance (Fa) rows the rate at
// the point with the limit, with a tolerance of 0.001; strata each on its own.
const LimitCase kLimits[] = {
    {"MeanFrNotMet", kMean, kSR, kAtMost, kRowBelow2, 45, 0.001f, 1}, // needs 14
    // The rate at 70 is 0.0228035.
    {"MeanFaWithinTolerance", kMean, kSR, kAtMost, kRowAbove1, 70, 0.0219035f, 0},
    {"MeanFaBeyondTolerance", kMean, kSR, kAtMost, kRowAbove1, 70, 0.0217035f, 1},
    {"CompositeFa", kMean, kComp, kAtMost, kRowAbove1, 70, 0.01f, 0}, // rate 0.0067
    {"StrataFrMet", kMean, kStrat, kAtMost, kRowBelow1, 47, 0.002f, 0},
    {"StrataFrNotMet", kMean, kStrat, kAtMost, kRowBelow2, 49, 0.005f, 1}, // 22 > 21
    {"StrataFaNotMet", kMean, kStrat, kAtMost, kRowAbove2, 70, 0.08f, 1},
    {"PropFrNotMet", kProp, kSR, kAtMost, kRowBelow2, 0.48, 0.001f, 1}, // needs 90
    {"PropFaNotMet", kProp, kSR, kAtMost, kRowAbove1, 0.7, 0.01f, 1},   // rate 0.0717
    {"PropFaAtLeast", kProp, kSR, kAtLeast, kRowBelow2, 0.3, 0.01f, 1},
    {"PropStrataFrMet", kProp, kStrat, kAtMost, kRowBelow1, 0.47, 0.002f, 0},
    {"PropStrataFrNotMet", kProp, kStrat, kAtMost, kRowBelow2, 0.45, 0.0005f, 1}, // 36 > 35
    {"PropStrataFaMet", kProp, kStrat, kAtMost, kRowAbove1, 0.7, 0.081f, 0},
    {"TwoMeanFrNotMet", kTwoMean, kSR, kAtMost, kRowBelow2, -1, 0.0001f, 1},   // needs 109
    {"TwoMeanFaNotMet", kTwoMean, kSR, kAtMost, kRowAbove1, 4, 0.01f, 1},      // needs 142
    {"TwoPropFaNotMet", kTwoProp, kSR, kAtMost, kRowAbove1, 0.45, 0.01f, 1},   // needs 41
    {"TwoPropFrAtLeast", kTwoProp, kSR, kAtLeast, kRowAbove1, 0.1, 0.001f, 0}, // needs 31
};

INSTANTIATE_TEST_SUITE_P(Rows, AdditionalLimitTest, ::testing::ValuesIn(kLimits), ByName);

TEST(AdditionalLimitTest, UnknownParameterIsAnInternalErrorAndCountsAsMet)
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    rec.nCalcParameter = 7;
    rec.dErrorLimit[kRowBelow1] = rec.dErrorLimit[kRowAbove1] = 0.01;
    CAnalysis analysis(rec, messages);
    EXPECT_EQ(analysis.check_fpos(kRowBelow1, 16.67) + analysis.check_fneg(kRowAbove1, 4.6, kSR),
              0);
    EXPECT_EQ(Shown(messages),
              (Texts{"(!) TALO - internal error: m_dqoCurrent.nParameter = 6 in check_fpos",
                     "(!) TALO - internal error: m_dqoCurrent.nParameter = 6 in check_fneg"}));
}

} // namespace

#include <gtest/gtest.h>

#include <cmath>

#include "engine/analysis_pass.h"
#include "engine/stats/analysis.h"
#include "engine/stats/normal.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

namespace {

struct LimitCase {
    const char* name;
    int parameter;
    int baseline;
    int row;      // ErrorRow of the additional point
    double point; // its value
    float limit;
    int notSatisfied;
};

DQORecord WithAdditionalPoint(const LimitCase& c)
{
    DQORecord rec = StartingRecord(c.parameter, c.baseline);
    double* points[kErrorRows] = {&rec.dBelow1, &rec.dBelow2, nullptr,
                                  nullptr,      &rec.dAbove1, &rec.dAbove2};
    float* limits[kErrorRows] = {&rec.fBelow1Limit, &rec.fBelow2Limit, nullptr,
                                 nullptr,           &rec.fAbove1Limit, &rec.fAbove2Limit};
    *points[c.row] = c.point;
    *limits[c.row] = c.limit;
    FillCalculationBlock(rec);
    return rec;
}

int FlagOfRow(int row)
{
    switch (row) {
    case kRowBelow1:
        return 0;
    case kRowBelow2:
        return 1;
    case kRowAbove1:
        return 2;
    default:
        return 3;
    }
}

class AdditionalLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(AdditionalLimitTest, FlagsOnlyTheRowThatIsNotMet)
{
    const LimitCase& c = GetParam();
    DQORecord rec = WithAdditionalPoint(c);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    for (int k = 0; k < kAdditionalRows; ++k)
        EXPECT_EQ(rec.bNotSatisfied[k], k == FlagOfRow(c.row) ? c.notSatisfied : 0) << k;
    EXPECT_TRUE(messages.shown.empty());
}

// Starting designs: mean n = 13 (gray region 50-75, sd 16.67), proportion
// n = 76 (0.5-0.75), two-sample mean n = 91 (0-5), two-sample proportion
// n = 33 (0-0.5). Ho <= puts rows below the gray region on the false
// rejection side; Ho >= puts the rows above on it.
INSTANTIATE_TEST_SUITE_P(
    Rows, AdditionalLimitTest,
    ::testing::Values(
        // False rejection rows: the size the limit needs against the design's.
        LimitCase{"MeanFrFarMet", kOneMean, kBaselineAtMost, kRowBelow1, 20, 0.01f, 0},
        LimitCase{"MeanFrNearNotMet", kOneMean, kBaselineAtMost, kRowBelow2, 45, 0.001f, 1},
        LimitCase{"MeanFrAboveNotMet", kOneMean, kBaselineAtLeast, kRowAbove1, 30, 0.001f, 1},
        LimitCase{"MeanFrAboveMet", kOneMean, kBaselineAtLeast, kRowAbove2, 80, 0.01f, 0},
        // False acceptance rows: the error rate at the point against the limit.
        LimitCase{"MeanFaFarMet", kOneMean, kBaselineAtMost, kRowAbove2, 95, 0.001f, 0},
        LimitCase{"MeanFaNearNotMet", kOneMean, kBaselineAtMost, kRowAbove1, 70, 0.01f, 1},
        LimitCase{"MeanFaBelowNotMet", kOneMean, kBaselineAtLeast, kRowBelow2, 30, 0.01f, 1},
        LimitCase{"PropFrMet", kOneProportion, kBaselineAtMost, kRowBelow1, 0.3, 0.01f, 0},
        LimitCase{"PropFrNotMet", kOneProportion, kBaselineAtMost, kRowBelow2, 0.48, 0.001f, 1},
        LimitCase{"PropFaNotMet", kOneProportion, kBaselineAtMost, kRowAbove1, 0.7, 0.01f, 1},
        LimitCase{"PropFaMet", kOneProportion, kBaselineAtMost, kRowAbove2, 0.95, 0.01f, 0},
        LimitCase{"TwoMeanFrMet", kTwoMean, kBaselineAtMost, kRowBelow1, -10, 0.01f, 0},
        LimitCase{"TwoMeanFrNotMet", kTwoMean, kBaselineAtMost, kRowBelow2, -1, 0.0001f, 1},
        LimitCase{"TwoMeanFaNotMet", kTwoMean, kBaselineAtMost, kRowAbove1, 4, 0.01f, 1},
        LimitCase{"TwoMeanFaMet", kTwoMean, kBaselineAtMost, kRowAbove2, 15, 0.01f, 0},
        LimitCase{"TwoPropFrMet", kTwoProportion, kBaselineAtMost, kRowBelow1, -0.5, 0.01f, 0},
        LimitCase{"TwoPropFaNotMet", kTwoProportion, kBaselineAtMost, kRowAbove1, 0.45, 0.01f, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AdditionalLimitTest, RateWithinTheToleranceIsSatisfied)
{
    // A false acceptance row whose rate exceeds its limit by less than 0.001
    // is met; by more it is not.
    LimitCase c{"", kOneMean, kBaselineAtMost, kRowAbove1, 70, 0.01f, 0};
    DQORecord rec = WithAdditionalPoint(c);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    // Above the gray region the rate is P(deciding "not greater") at 70 with n = 13.
    const double rate =
        NormalCdf((50.0 - 70.0) / (16.67 / std::sqrt(13.0)) + NormalQuantile(0.01f));
    for (double excess : {0.0009, 0.0011}) {
        rec.dErrorLimit[kRowAbove1] = rate - excess;
        EXPECT_EQ(CAnalysis(rec, messages).CheckAdditionalLimit(kRowAbove1, kSimpleRandom),
                  excess > 0.001 ? 1 : 0)
            << excess;
    }
}

TEST(AdditionalLimitTest, BoundRowsAreAlwaysMet)
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    CAnalysis analysis(rec, messages);
    EXPECT_EQ(analysis.CheckAdditionalLimit(kRowLower, kSimpleRandom), 0);
    EXPECT_EQ(analysis.CheckAdditionalLimit(kRowUpper, kSimpleRandom), 0);
}

TEST(AdditionalLimitTest, UnknownParameterIsAnInternalError)
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    rec.nCalcParameter = 7;
    rec.dErrorPoint[kRowBelow1] = 20;
    rec.dErrorLimit[kRowBelow1] = 0.01;
    rec.dErrorPoint[kRowAbove1] = 90;
    rec.dErrorLimit[kRowAbove1] = 0.01;
    CAnalysis analysis(rec, messages);
    EXPECT_EQ(analysis.check_fpos(kRowBelow1, 16.67), 0);
    EXPECT_EQ(analysis.check_fneg(kRowAbove1, 4.6, kSimpleRandom), 0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].title, "TALO - internal error");
    EXPECT_EQ(messages.shown[0].text, "m_dqoCurrent.nParameter = 6 in check_fpos");
    EXPECT_EQ(messages.shown[1].text, "m_dqoCurrent.nParameter = 6 in check_fneg");
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Warning);
}

TEST(StrataFalseRejectionTest, ComparesEachStratumWithItsAllocation)
{
    DQORecord rec = StartingRecord(kOneMean);
    rec.nDesign = kStratified;
    rec.nStrata = 2;
    rec.dStratumValue[0] = rec.dStratumValue[1] = 16.67;
    rec.dStratumWeight[0] = 0.5;
    rec.dStratumWeight[1] = 0.5;
    rec.dBelow1 = 20;
    rec.fBelow1Limit = 0.01f;
    rec.dBelow2 = 49;
    rec.fBelow2Limit = 0.0001f;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_EQ(rec.bNotSatisfied[0], 0);
    EXPECT_EQ(rec.bNotSatisfied[1], 1);
}

} // namespace

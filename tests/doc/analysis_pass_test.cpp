#include <gtest/gtest.h>

#include "doc/analysis_pass.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

namespace {

TEST(ComputeAnalysisPassTest, StartingAnalysisResults)
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_EQ(rec.nSamples, 13);
    EXPECT_DOUBLE_EQ(rec.dTotalCost, 13650.0);
    EXPECT_EQ(rec.plotSpec.nPoints, 101);
    EXPECT_EQ(rec.plotSpec.dValues[50], rec.dCurve[50]);
    EXPECT_TRUE(messages.shown.empty());
}

struct TypedRate {
    const char* name;
    int baseline;
    float expectedLower;
    float expectedUpper; // a negative value: the achieved rate goes here
};

class ApplyTypedSamplesTest : public ::testing::TestWithParam<TypedRate> {};

TEST_P(ApplyTypedSamplesTest, AchievedRateBecomesTheFalseAcceptanceLimit)
{
    const TypedRate& c = GetParam();
    DQORecord rec = StartingRecord(kOneMean);
    if (c.baseline == kBaselineAtLeast) {
        rec.nBaseline = kBaselineAtLeast;
        rec.dLowerBound = 25;
        rec.dUpperBound = 50;
        FillCalculationBlock(rec);
    }
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    AcceptTypedSamplesAndCost(rec, 10, rec.dTotalCost);
    ASSERT_EQ(rec.bSamplesChanged, 1);
    ApplyTypedSamples(rec, messages);

    const float achieved = static_cast<float>(rec.dBeta);
    EXPECT_NEAR(achieved, 0.0424f, 5e-5f);
    EXPECT_EQ(rec.fLimitAtLower, c.expectedLower < 0 ? achieved : c.expectedLower);
    EXPECT_EQ(rec.fLimitAtUpper, c.expectedUpper < 0 ? achieved : c.expectedUpper);
    EXPECT_EQ(rec.bSamplesChanged, 0);
}

INSTANTIATE_TEST_SUITE_P(Baselines, ApplyTypedSamplesTest,
                         ::testing::Values(TypedRate{"AtMost", kBaselineAtMost, 0.01f, -1},
                                           TypedRate{"AtLeast", kBaselineAtLeast, -1, 0.01f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyTypedSamplesTest, NothingAskedNothingChanged)
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    ApplyTypedSamples(rec, messages);
    EXPECT_EQ(rec.fLimitAtUpper, 0.01f);
    EXPECT_TRUE(messages.shown.empty());
}

struct CompositeCost {
    const char* name;
    int fieldCostTotal;
    double typedCost;
    int samples;
};

class CompositeTypedCostTest : public ::testing::TestWithParam<CompositeCost> {};

TEST_P(CompositeTypedCostTest, CompositesTheCostBuys)
{
    const CompositeCost& c = GetParam();
    DQORecord rec = StartingRecord(kOneMean);
    rec.nDesign = kComposite;
    rec.dSDRatio = 0.5;
    rec.nAliquots = 4;
    rec.bFieldCostTotal = c.fieldCostTotal;
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    AcceptTypedSamplesAndCost(rec, rec.nSamples, c.typedCost);
    EXPECT_EQ(rec.nUserSamples, c.samples);
}

// Per composite: 4 aliquots of 50, compositing 10, lab 1000 = 1210.
INSTANTIATE_TEST_SUITE_P(FieldCost, CompositeTypedCostTest,
                         ::testing::Values(CompositeCost{"PerAliquot", 0, 12100.0, 10},
                                           CompositeCost{"PerAliquotRoundsUp", 0, 12101.0, 11},
                                           CompositeCost{"Total", 1, 10150.0, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
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
    DQORecord rec = StartingRecord(kOneMean, c.baseline);
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

struct TypedCost {
    const char* name;
    int parameter;
    int design;
    int fieldCostTotal;
    int typedSamples; // -1: the number shown is left as it is
    double typedCost; // -1: the cost shown is left as it is
    int changed;
    int userSamples;
};

class TypedCostTest : public ::testing::TestWithParam<TypedCost> {};

TEST_P(TypedCostTest, NumberOfSamplesTheCostBuys)
{
    const TypedCost& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter);
    rec.nDesign = c.design;
    rec.dSDRatio = 0.5;
    rec.nAliquots = 4;
    rec.bFieldCostTotal = c.fieldCostTotal;
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    AcceptTypedSamplesAndCost(rec, c.typedSamples < 0 ? rec.nSamples : c.typedSamples,
                              c.typedCost < 0 ? rec.dTotalCost : c.typedCost);
    EXPECT_EQ(rec.bSamplesChanged, c.changed);
    EXPECT_EQ(rec.nUserSamples, c.userSamples);
}

// Per sample 1000 + 50; per composite 4 aliquots of 50, compositing 10 and lab 1000.
INSTANTIATE_TEST_SUITE_P(
    Costs, TypedCostTest,
    ::testing::Values(
        TypedCost{"TenThousandFiveHundred", kOneMean, kSimpleRandom, 0, -1, 10500.0, 1, 10},
        TypedCost{"PerPopulation", kTwoMean, kSimpleRandom, 0, -1, 10500.0, 1, 5},
        TypedCost{"SameCents", kOneMean, kSimpleRandom, 0, -1, 13650.004, 0, 0},
        TypedCost{"Unchanged", kOneMean, kSimpleRandom, 0, -1, -1, 0, 0},
        TypedCost{"ZeroCostIgnored", kOneMean, kSimpleRandom, 0, -1, 0.0, 0, 0},
        TypedCost{"SamplesWinOverCost", kOneMean, kSimpleRandom, 0, 20, 10500.0, 1, 20},
        TypedCost{"CompositePerAliquot", kOneMean, kComposite, 0, -1, 12100.0, 1, 10},
        TypedCost{"CompositeRoundsUp", kOneMean, kComposite, 0, -1, 12101.0, 1, 11},
        TypedCost{"CompositeTotal", kOneMean, kComposite, 1, -1, 10150.0, 1, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedCostTest, CostsAreAddedInDoublePrecision)
{
    // 9 samples at 1000 + 0.36 (single precision) cost 9003.24; that cost buys 9.
    DQORecord rec = StartingRecord(kOneMean);
    rec.fFieldCost = 0.36f;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    AcceptTypedSamplesAndCost(rec, rec.nSamples, 9003.24);
    EXPECT_EQ(rec.nUserSamples, 9);
}

} // namespace

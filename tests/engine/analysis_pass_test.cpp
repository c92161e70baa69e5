#include "engine/analysis_pass.h"

#include <string>

#include <gtest/gtest.h>

#include "engine/screen_state.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

namespace {

// A number of samples or a total cost typed on the summary screen.
struct TypedRate {
    const char* name;
    int parameter, baseline;
    const char* samples; // typed over the number shown, "" to leave it
    const char* cost;    // typed over the total cost shown, "" to leave it
    bool recomputed;
    float rate; // the achieved rate that becomes the false acceptance limit
    int samplesAfter;
};

class TypedSamplesTest : public ::testing::TestWithParam<TypedRate> {};

TEST_P(TypedSamplesTest, RateBecomesTheLimitThatYieldsTheTypedSize)
{
    const TypedRate& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter, c.baseline);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    SummaryScreen summary;
    FillSummaryScreen(summary, rec);
    if (*c.samples)
        summary.m_strSamples = c.samples;
    if (*c.cost)
        summary.m_strTotalCost = c.cost;
    ASSERT_EQ(RecomputeForTypedSamples(summary, rec, messages), c.recomputed);

    const bool atMost = c.baseline == kBaselineAtMost;
    EXPECT_NEAR(atMost ? rec.fLimitAtUpper : rec.fLimitAtLower, c.rate, 5e-5f);
    EXPECT_EQ(atMost ? rec.fLimitAtLower : rec.fLimitAtUpper, 0.01f);
    EXPECT_EQ(rec.bSamplesChanged, 0);
    EXPECT_NEAR(rec.nSamples, c.samplesAfter, 1); // or the size next to it after rounding
    EXPECT_TRUE(messages.shown.empty());
}

// Ten samples instead of 13 give 0.0424; a total cost of 10500 buys ten at
// 1000 + 50. The two-sample rate 0.1325 was computed by hand from the power
// formula.
INSTANTIATE_TEST_SUITE_P(
    Sizes, TypedSamplesTest,
    ::testing::Values(TypedRate{"Samples", kOneMean, kBaselineAtMost, "10", "", true, 0.0424f, 10},
                      TypedRate{"Cost", kOneMean, kBaselineAtMost, "", "10500", true, 0.0424f, 10},
                      TypedRate{"AtLeast", kOneMean, kBaselineAtLeast, "10", "", true, 0.0424f, 10},
                      TypedRate{"TwoMean", kTwoMean, kBaselineAtMost, "50", "", true, 0.1325f, 50},
                      TypedRate{"Nothing", kOneMean, kBaselineAtMost, "", "", false, 0.01f, 13}),
    [](const auto& info) { return std::string(info.param.name); });

struct TypedCost {
    const char* name;
    int parameter, design, fieldCostTotal;
    float fieldCost;
    int typedSamples; // -1: the number shown is left as it is
    double typedCost; // -1: the cost shown is left as it is
    int userSamples;  // 0: nothing asked for
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
    rec.fFieldCost = c.fieldCost;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    AcceptTypedSamplesAndCost(rec, c.typedSamples < 0 ? rec.nSamples : c.typedSamples,
                              c.typedCost < 0 ? rec.dTotalCost : c.typedCost);
    EXPECT_EQ(rec.bSamplesChanged, c.userSamples != 0 ? 1 : 0);
    EXPECT_EQ(rec.nUserSamples, c.userSamples);
}

// Per sample 1000 + 50; per composite 4 aliquots of 50, compositing 10 and lab 1000.
INSTANTIATE_TEST_SUITE_P(
    Costs, TypedCostTest,
    ::testing::Values(
        TypedCost{"TenThousandFiveHundred", kOneMean, kSimpleRandom, 0, 50, -1, 10500.0, 10},
        TypedCost{"PerPopulation", kTwoMean, kSimpleRandom, 0, 50, -1, 10500.0, 5},
        TypedCost{"SameCents", kOneMean, kSimpleRandom, 0, 50, -1, 13650.004, 0},
        TypedCost{"Unchanged", kOneMean, kSimpleRandom, 0, 50, -1, -1, 0},
        TypedCost{"ZeroCostIgnored", kOneMean, kSimpleRandom, 0, 50, -1, 0.0, 0},
        TypedCost{"SamplesWinOverCost", kOneMean, kSimpleRandom, 0, 50, 20, 10500.0, 20},
        TypedCost{"FieldCostTotal", kOneMean, kSimpleRandom, 1, 50, -1, 10050.0, 10},
        TypedCost{"CompositePerAliquot", kOneMean, kComposite, 0, 50, -1, 12100.0, 10},
        TypedCost{"CompositeRoundsUp", kOneMean, kComposite, 0, 50, -1, 12101.0, 11},
        TypedCost{"CompositeTotal", kOneMean, kComposite, 1, 50, -1, 10150.0, 10},
        // 9 samples at 1000 + 0.36 (single precision) cost 9003.24, which buys 9.
        TypedCost{"CostsAddedInDouble", kOneMean, kSimpleRandom, 0, 0.36f, -1, 9003.24, 9}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

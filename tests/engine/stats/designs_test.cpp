#include <gtest/gtest.h>

#include <cmath>

#include "engine/analysis_pass.h"
#include "engine/stats/analysis.h"
#include "engine/stats/sample_size.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

namespace {

DQORecord CompositeRecord(double ratio, int aliquots)
{
    DQORecord rec = StartingRecord(kOneMean);
    rec.nDesign = kComposite;
    rec.dSDRatio = ratio;
    rec.nAliquots = aliquots;
    return rec;
}

TEST(CompositeTest, StandardDeviationOfOneCompositeSample)
{
    DQORecord rec = CompositeRecord(0.5, 4);
    rec.dCalcSD = 10;
    RecordingMessages messages;
    EXPECT_NEAR(CAnalysis(rec, messages).CompositeSD(), 6.6144, 5e-5);
    rec.dSDRatio = 1.0;
    EXPECT_DOUBLE_EQ(CAnalysis(rec, messages).CompositeSD(), 10.0);
}

struct CompositeCostCase {
    int fieldCostTotal;
    double expected;
};

class CompositeCostTest : public ::testing::TestWithParam<CompositeCostCase> {};

TEST_P(CompositeCostTest, ThirteenCompositesOfFourAliquots)
{
    DQORecord rec = CompositeRecord(0.5, 4);
    rec.bFieldCostTotal = GetParam().fieldCostTotal;
    rec.nCalcSamples = 13;
    rec.fCompositingCost = 10;
    RecordingMessages messages;
    CAnalysis(rec, messages).CompositeCost();
    EXPECT_DOUBLE_EQ(rec.dCalcTotalCost, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(FieldCost, CompositeCostTest,
                         ::testing::Values(CompositeCostCase{0, (200 + 10 + 1000) * 13.0},
                                           CompositeCostCase{1, (10 + 1000) * 13.0 + 50}));

TEST(CompositeTest, DesignUsesTheCompositeDeviationEverywhere)
{
    DQORecord rec = CompositeRecord(0.5, 4);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    // sd 16.67 becomes 11.026: ((2.32679 * 2) * 11.026 / 25)^2 + 2.707 = 6.92 -> 7
    EXPECT_EQ(rec.nSamples, 7);
    EXPECT_DOUBLE_EQ(rec.dTotalCost, (4 * 50.0 + 10 + 1000) * 7);
    EXPECT_NEAR(rec.dCurve[50], 0.01, 2e-3);
}

DQORecord StratifiedMean(std::initializer_list<double> sds, std::initializer_list<double> weights)
{
    DQORecord rec = StartingRecord(kOneMean);
    rec.nDesign = kStratified;
    rec.nStrata = static_cast<int>(sds.size());
    std::copy(sds.begin(), sds.end(), rec.dStratumValue);
    std::copy(weights.begin(), weights.end(), rec.dStratumWeight);
    return rec;
}

TEST(StratifiedMeanTest, EqualDeviationsAreAllocatedProportionally)
{
    DQORecord rec = StratifiedMean({16.67, 16.67}, {0.3, 0.7});
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    // Full size 12.3356: 3.70 -> 4 and 8.63 -> 9.
    EXPECT_EQ(rec.nStratumSamples[0], 4);
    EXPECT_EQ(rec.nStratumSamples[1], 9);
    EXPECT_EQ(rec.nSamples, 13);
    EXPECT_NEAR(rec.dCalcSamples, 9.6286, 5e-5);
    EXPECT_DOUBLE_EQ(rec.dTotalCost, 13 * 1050.0);
}

TEST(StratifiedMeanTest, SmallShareGetsTwo)
{
    DQORecord rec = StratifiedMean({16.67, 16.67}, {0.05, 0.95});
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_EQ(rec.nStratumSamples[0], 2);
}

TEST(StratifiedMeanTest, UnequalDeviationsUseNeymanAllocation)
{
    DQORecord rec = StratifiedMean({5, 10}, {0.5, 0.5});
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    // S = 7.5; n_h = (z sum / 25)^2 * 7.5 * 0.5 * sd_h: 0.65 -> 2 and 1.30 -> 2.
    const double base = std::pow((2 * 2.32678533) / 25.0, 2) * 7.5 * 0.5;
    EXPECT_NEAR(rec.dStratumExact[0], std::max(2.0, base * 5), 1e-6);
    EXPECT_EQ(rec.nSamples, rec.nStratumSamples[0] + rec.nStratumSamples[1]);
}

TEST(StratifiedMeanTest, SecondStratumGetsTwiceTheSamples)
{
    DQORecord rec = StratifiedMean({50, 100}, {0.5, 0.5});
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_NEAR(rec.dStratumExact[1], 2 * rec.dStratumExact[0], 1e-9);
    EXPECT_NEAR(rec.nStratumSamples[1], 2 * rec.nStratumSamples[0], 1);
}

TEST(StratifiedMeanTest, TooLargeNamesTheLimitOfAllStrata)
{
    DQORecord rec = StratifiedMean({1000, 1000, 1000}, {0.3, 0.3, 0.4});
    rec.dUpperBound = 50.5;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown[0].text.rfind("Sample size is larger than 90000.\n\n", 0), 0u);
    for (int h = 0; h < 3; ++h)
        EXPECT_EQ(rec.nStratumSamples[h], 2);
}

TEST(StratifiedMeanTest, NeymanTooLargeFallsBack)
{
    DQORecord rec = StratifiedMean({1000, 3000}, {0.5, 0.5});
    rec.dUpperBound = 50.5;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind("Sample size is larger than 60000.", 0), 0u);
    EXPECT_EQ(rec.nSamples, 4);
    EXPECT_EQ(rec.dErrorLimit[kRowLower], 0.5);
}

TEST(StratifiedProportionTest, SizesFollowWeightTimesVariance)
{
    DQORecord rec = StartingRecord(kOneProportion);
    rec.nDesign = kStratified;
    rec.nStrata = 2;
    rec.dStratumValue[0] = 0.5;
    rec.dStratumValue[1] = 0.2;
    rec.dStratumWeight[0] = 0.4;
    rec.dStratumWeight[1] = 0.6;
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    const double c = std::pow(2 * 2.32678533 / 0.25, 2);
    EXPECT_NEAR(rec.dStratumExact[0], c * 0.25 * 0.4, 1e-4);
    EXPECT_NEAR(rec.dStratumExact[1], c * 0.16 * 0.6, 1e-4);
    EXPECT_EQ(rec.nStratumSamples[0], RoundSampleSize(c * 0.25 * 0.4));
    EXPECT_EQ(rec.nSamples, rec.nStratumSamples[0] + rec.nStratumSamples[1]);
}

TEST(StratifiedStandardErrorTest, SmallExactSizesCountAsTwo)
{
    DQORecord rec = StratifiedMean({10, 20}, {0.5, 0.5});
    rec.dStratumExact[0] = 1.2;
    rec.dStratumExact[1] = 8.0;
    RecordingMessages messages;
    const double se = CAnalysis(rec, messages).StratifiedStandardError();
    EXPECT_DOUBLE_EQ(rec.dStratumExact[0], 2.0);
    EXPECT_NEAR(se, std::sqrt(25.0 / 2 + 100.0 / 8), 1e-12);
}

TEST(StratifiedRateTest, TypedOneWithUnequalDeviationsClampsWithTheMinimumMessage)
{
    DQORecord rec = StratifiedMean({5, 10}, {0.5, 0.5});
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    rec.nUserSamples = 1;
    CAnalysis(rec, messages).EvaluateOneSample(kStratified, 1);
    EXPECT_EQ(rec.dBeta, 0.5);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Minimum sample size allowed is 2.\nProgram will adjust the size accordingly.");
}

TEST(StratifiedRateTest, EqualDeviationsMatchTheSimpleRandomRate)
{
    DQORecord stratified = StratifiedMean({16.67, 16.67}, {0.5, 0.5});
    DQORecord simple = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(stratified, messages);
    ComputeAnalysisPass(simple, messages);
    CAnalysis(stratified, messages).EvaluateOneSample(kStratified, 10);
    CAnalysis(simple, messages).EvaluateOneSample(kSimpleRandom, 10);
    EXPECT_NEAR(stratified.dBeta, simple.dBeta, 1e-12);
    EXPECT_NEAR(simple.dBeta, 0.0424, 5e-5);
}

} // namespace

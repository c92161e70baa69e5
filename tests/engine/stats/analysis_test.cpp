#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "engine/stats/analysis.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

namespace {

struct DesignCase {
    const char* name;
    int parameter;
    float limitLower;
    float limitUpper;
    int samples;
    double exactSamples; // dCalcSamples, or a negative value when not worked out
    double exactTolerance;
    double totalCost;
};

class SimpleRandomDesignTest : public ::testing::TestWithParam<DesignCase> {};

TEST_P(SimpleRandomDesignTest, SizeAndCostOfTheStartingInputs)
{
    const DesignCase& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter);
    rec.fLimitAtLower = c.limitLower;
    rec.fLimitAtUpper = c.limitUpper;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);

    EXPECT_EQ(rec.nSamples, c.samples);
    if (c.exactSamples >= 0) {
        EXPECT_NEAR(rec.dCalcSamples, c.exactSamples, c.exactTolerance);
    }
    EXPECT_DOUBLE_EQ(rec.dTotalCost, c.totalCost);
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, SimpleRandomDesignTest,
    ::testing::Values(
        DesignCase{"OneMean", kOneMean, 0.01f, 0.01f, 13, 9.6286, 5e-5, 13650.0},
        DesignCase{"OneMeanFivePercent", kOneMean, 0.05f, 0.05f, 7, -1, 0, 7350.0},
        DesignCase{"OneProportion", kOneProportion, 0.01f, 0.01f, 76, 75.406, 5e-4, 79800.0},
        // Per population: the cost counts both populations.
        DesignCase{"TwoMean", kTwoMean, 0.01f, 0.01f, 91, -1, 0, 191100.0},
        DesignCase{"TwoProportion", kTwoProportion, 0.01f, 0.01f, 33, -1, 0, 69300.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OneMeanSampleSizeTest, RealSizeIncludesTheSmallSampleTerm)
{
    // x = 12.3356 is rounded; dCalcSamples keeps the value without 0.5 z(alpha)^2.
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    CAnalysis analysis(rec, messages);
    analysis.SelectErrorLimits();
    analysis.OneMeanSampleSize(rec.dCalcSD, 0, kSimpleRandom);
    EXPECT_EQ(rec.nCalcSamples, 13);
    EXPECT_NEAR(rec.dCalcSamples + 0.5 * 2.32678533 * 2.32678533, 12.3356, 5e-5);
}

TEST(OneMeanSampleSizeTest, SmallSizesAreRaisedToTwo)
{
    DQORecord rec = StartingRecord(kOneMean);
    rec.dSD = 1.0;
    rec.fLimitAtLower = rec.fLimitAtUpper = 0.2f; // x = 0.36
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_EQ(rec.nSamples, 2);
}

TEST(CostTest, FieldCostAsATotal)
{
    DQORecord rec = StartingRecord(kOneMean);
    rec.bFieldCostTotal = 1;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_DOUBLE_EQ(rec.dTotalCost, 13 * 1000.0 + 50.0);
}

TEST(TooLargeTest, AdjustsTheCalculationBlockAndReportsOnce)
{
    DQORecord rec = StartingRecord(kOneMean);
    rec.dSD = 1000;
    rec.dUpperBound = 51;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);

    EXPECT_EQ(rec.nSamples, 2);
    EXPECT_EQ(rec.dAlpha, 0.5);
    EXPECT_EQ(rec.dBeta, 0.5);
    EXPECT_EQ(rec.dErrorLimit[kRowLower], 0.5);
    EXPECT_EQ(rec.dErrorLimit[kRowUpper], 0.5);
    EXPECT_EQ(rec.fLimitAtLower, 0.01f); // the user's limits stay
    EXPECT_EQ(rec.fLimitAtUpper, 0.01f);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "TALO ERROR");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].text,
              "Sample size is larger than 30000.\n\n"
              "The error rates for the bounds of the gray region have been\n"
              "set to 0.5.  To resume your analysis adjust these error\n"
              "rates and other data quality objectives such as the standard\n"
              "deviation or the bounds of the gray region.");
}

TEST(TooLargeTest, ProportionAndSpreadToCoincidingRows)
{
    DQORecord rec = StartingRecord(kOneProportion);
    rec.dUpperBound = 0.5005;
    rec.dAbove1 = rec.dUpperBound; // an above point on the upper bound takes its limit
    rec.fAbove1Limit = 0.2f;
    rec.dAbove2 = 0.9;
    rec.fAbove2Limit = 0.2f;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_EQ(rec.nSamples, 2);
    EXPECT_EQ(rec.dErrorLimit[kRowAbove1], 0.5);
    EXPECT_EQ(rec.dErrorLimit[kRowAbove2], 0.5);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(PerformanceCurveTest, StartingOneSampleMean)
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_NEAR(rec.dCurve[50], 0.009988, 5e-7); // x = 50, the action level: about alpha
    EXPECT_NEAR(rec.dCurve[75], 0.990012, 5e-7); // x = 75: about 1 - beta
    EXPECT_NEAR(rec.dCurve[0], 0.0, 1e-12);
    for (int i = 1; i < kCurvePoints; ++i)
        EXPECT_GE(rec.dCurve[i], rec.dCurve[i - 1]) << i;
}

struct CurveEnds {
    const char* name;
    int parameter;
    int baseline;
    double tolerance; // the proportion's curve is only near 1 - beta at the other bound
};

class CurveAtTheBoundsTest : public ::testing::TestWithParam<CurveEnds> {};

TEST_P(CurveAtTheBoundsTest, AlphaAtTheActionLevelAndBetaAtTheOtherBound)
{
    const CurveEnds& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter, c.baseline);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);

    double x[kCurvePoints];
    PerformanceCurveX(rec, x);
    const int atAl = 50;
    const int atOther = c.baseline == kBaselineAtMost ? 75 : 25;
    EXPECT_NEAR(x[atAl], rec.dActionLevel, 1e-9);
    const double alpha = 0.01f;
    if (c.baseline == kBaselineAtMost) {
        EXPECT_NEAR(rec.dCurve[atAl], alpha, 1e-3);
        EXPECT_NEAR(rec.dCurve[atOther], 1 - alpha, c.tolerance);
    } else {
        EXPECT_NEAR(rec.dCurve[atAl], 1 - alpha, 1e-3);
        EXPECT_NEAR(rec.dCurve[atOther], alpha, c.tolerance);
    }
    EXPECT_EQ(rec.dCurve[0], rec.dCurve[0]); // never NaN
    EXPECT_EQ(rec.dCurve[100], rec.dCurve[100]);
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, CurveAtTheBoundsTest,
    ::testing::Values(CurveEnds{"MeanAtMost", kOneMean, kBaselineAtMost, 1e-3},
                      CurveEnds{"MeanAtLeast", kOneMean, kBaselineAtLeast, 1e-3},
                      CurveEnds{"PropAtMost", kOneProportion, kBaselineAtMost, 1e-2},
                      CurveEnds{"PropAtLeast", kOneProportion, kBaselineAtLeast, 1e-2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PerformanceCurveTest, ProportionEndsTakeTheirNeighbours)
{
    DQORecord rec = StartingRecord(kOneProportion);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_EQ(rec.dCurve[0], rec.dCurve[1]);
    EXPECT_EQ(rec.dCurve[100], rec.dCurve[99]);
}

TEST(PerformanceCurveTest, TwoProportionGridIsFixed)
{
    DQORecord rec = StartingRecord(kTwoProportion);
    rec.dMinimum = -0.3; // ignored: the difference runs from -1 to 1
    FillCalculationBlock(rec);
    double x[kCurvePoints];
    PerformanceCurveX(rec, x);
    EXPECT_DOUBLE_EQ(x[0], -1.0);
    EXPECT_DOUBLE_EQ(x[50], 0.0);
    EXPECT_DOUBLE_EQ(x[100], 1.0);
}

struct Evaluation {
    const char* name;
    int parameter;
    int typed;
    double rate; // expected dBeta after the evaluation, to the digits given
    double tolerance;
    const char* message; // expected message text, empty for none
    MessageIcon icon;
};

class EvaluationTest : public ::testing::TestWithParam<Evaluation> {};

TEST_P(EvaluationTest, AchievedRateAndMessage)
{
    const Evaluation& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    rec.nUserSamples = c.typed;
    CAnalysis analysis(rec, messages);
    if (c.parameter <= kOneProportion)
        analysis.EvaluateOneSample(rec.nDesign, c.typed);
    else
        analysis.EvaluateTwoSample(c.typed);

    EXPECT_NEAR(rec.dBeta, c.rate, c.tolerance);
    if (*c.message == '\0') {
        EXPECT_TRUE(messages.shown.empty());
    } else {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, "TALO");
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(messages.shown[0].icon, c.icon);
    }
}

constexpr const char* kMinimum =
    "Minimum sample size allowed is 2.\nProgram will adjust the size accordingly.";
constexpr const char* kLarger =
    "Sample size is much larger than necessary.\nProgram will adjust the size accordingly.";

INSTANTIATE_TEST_SUITE_P(
    Sizes, EvaluationTest,
    ::testing::Values(
        Evaluation{"Mean13", kOneMean, 13, 0.00648, 5e-6, "", MessageIcon::None},
        Evaluation{"Mean10", kOneMean, 10, 0.0424, 5e-5, "", MessageIcon::None},
        Evaluation{"MeanOne", kOneMean, 1, 0.5, 1e-12, kMinimum, MessageIcon::Information},
        Evaluation{"MeanThree", kOneMean, 3, 0.5, 1e-12,
                   "False acceptance error rate is greater than 0.5.\nSample size is much smaller "
                   "than necessary.\nProgram will adjust the size accordingly.",
                   MessageIcon::Information},
        Evaluation{"MeanHuge", kOneMean, 100000, 0.000001, 1e-12, kLarger,
                   MessageIcon::Information},
        // No samples at all is treated like a size below 2.
        Evaluation{"MeanZero", kOneMean, 0, 0.5, 1e-12, kMinimum, MessageIcon::Information},
        Evaluation{"ProportionNegative", kOneProportion, -5, 0.5, 1e-12, kMinimum,
                   MessageIcon::Information},
        Evaluation{"TwoMean91", kTwoMean, 91, 0.00963, 5e-6, "", MessageIcon::None},
        Evaluation{"TwoMeanThree", kTwoMean, 3, 0.5, 1e-12,
                   "False Acceptance error rate is greater than 0.5.\nSample size is much smaller "
                   "than necessary.\nProgram will adjust the size accordingly.",
                   MessageIcon::Warning},
        Evaluation{"TwoMeanOne", kTwoMean, 1, 0.5, 1e-12, kMinimum, MessageIcon::Information},
        Evaluation{"TwoProportionZero", kTwoProportion, 0, 0.5, 1e-12, kMinimum,
                   MessageIcon::Information}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EvaluationTest, OneSampleRateBecomesTheFalseAcceptanceRow)
{
    DQORecord rec = StartingRecord(kOneMean);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    CAnalysis(rec, messages).EvaluateOneSample(kSimpleRandom, 10);
    EXPECT_EQ(rec.dErrorLimit[kRowUpper], rec.dBeta); // baseline <=: FA at the upper bound
    EXPECT_NEAR(rec.dErrorLimit[kRowLower], 0.01, 1e-9);
}

TEST(TypedSamplesTest, TypedSizeBecomesTheDesignSize)
{
    for (int typed : {5, 10, 20, 40}) {
        DQORecord rec = StartingRecord(kOneMean);
        RecordingMessages messages;
        ComputeAnalysisPass(rec, messages);
        AcceptTypedSamplesAndCost(rec, typed, rec.dTotalCost);
        ApplyTypedSamples(rec, messages);
        FillCalculationBlock(rec);
        ComputeAnalysisPass(rec, messages);
        EXPECT_NEAR(rec.nSamples, typed, 1) << typed;
        EXPECT_EQ(rec.bSamplesChanged, 0);
    }
}

} // namespace

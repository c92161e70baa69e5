#include "engine/stats/analysis.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "tests/engine/stats/designed_records.h"
#include "tests/support/recording_messages.h"

// Expected values without a worked value of their own were computed by hand
// (in double precision) from the closed formulas of the normal
// approximations, the sample sizes, the rates and the curve.

namespace {

using Prepare = void (*)(DQORecord&);

constexpr int kSR = kSimpleRandom;
constexpr int kAtMost = kBaselineAtMost;
constexpr int kAtLeast = kBaselineAtLeast;

DQORecord Analysed(int parameter, int design, int baseline = kAtMost, Prepare prepare = nullptr)
{
    DQORecord rec = DesignedRecord(parameter, design, baseline);
    if (prepare)
        prepare(rec);
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    EXPECT_TRUE(messages.shown.empty());
    return rec;
}

const Prepare FivePercent = [](DQORecord& r) { r.fLimitAtLower = r.fLimitAtUpper = 0.05f; };
const Prepare FieldCostTotal = [](DQORecord& r) { r.bFieldCostTotal = 1; };
const Prepare EqualStrata = [](DQORecord& r) { SetStrata(r, {16.67, 16.67}, {0.3, 0.7}); };
const Prepare SmallShare = [](DQORecord& r) { SetStrata(r, {16.67, 16.67}, {0.05, 0.95}); };
const Prepare SmallStrata = [](DQORecord& r) { SetStrata(r, {5, 10}, {0.5, 0.5}); };

struct DesignCase {
    const char* name;
    int parameter;
    int design;
    Prepare prepare;
    int samples;
    double exact; // dCalcSamples; negative when not checked
    double tolerance;
    double cost;
    int stratum0, stratum1; // stratum sizes, 0 when not stratified
};

class DesignTest : public ::testing::TestWithParam<DesignCase> {};

TEST_P(DesignTest, SizeCostAndAllocation)
{
    const DesignCase& c = GetParam();
    const DQORecord rec = Analysed(c.parameter, c.design, kAtMost, c.prepare);
    EXPECT_EQ(rec.nSamples, c.samples);
    if (c.exact >= 0) {
        EXPECT_NEAR(rec.dCalcSamples, c.exact, c.tolerance);
    }
    EXPECT_DOUBLE_EQ(rec.dTotalCost, c.cost);
    EXPECT_EQ(rec.nStratumSamples[0], c.stratum0);
    EXPECT_EQ(rec.nStratumSamples[1], c.stratum1);
}

const DesignCase kDesigns[] = {
    {"Mean", kOneMean, kSR, nullptr, 13, 9.6286, 5e-5, 13650, 0, 0},
    {"MeanFivePercent", kOneMean, kSR, FivePercent, 7, -1, 0, 7350, 0, 0},
    // The composite sd 11.0261686 makes x = 6.9195: 7 composites of 4 aliquots.
    {"Composite", kOneMean, kComposite, nullptr, 7, 4.2125190, 5e-8, 1210 * 7, 0, 0},
    {"CompositeFieldTotal", kOneMean, kComposite, FieldCostTotal, 7, -1, 0, 1010 * 7 + 50, 0, 0},
    // Equal sds: the full size 12.3356 shared 3.70 -> 4 and 8.63 -> 9.
    {"StrataProportional", kOneMean, kStratified, EqualStrata, 13, 9.6286, 5e-5, 13650, 4, 9},
    // 0.62 of a sample is raised to the minimum of 2.
    {"StrataSmallShare", kOneMean, kStratified, SmallShare, 14, -1, 0, 14 * 1050, 2, 12},
    // Neyman: S = 30, exact sizes 10.395 and 20.789.
    {"StrataNeyman", kOneMean, kStratified, nullptr, 32, 31.184237, 5e-7, 32 * 1050, 11, 21},
    // S = 7.5: 0.65 and 1.30 both become 2.
    {"StrataNeymanSmall", kOneMean, kStratified, SmallStrata, 4, 1.949015, 5e-7, 4200, 2, 2},
    {"Proportion", kOneProportion, kSR, nullptr, 76, 75.406, 5e-4, 76 * 1050, 0, 0},
    // c = 346.50: 34.649 and 33.263.
    {"ProportionStrata", kOneProportion, kStratified, nullptr, 69, 67.912338, 5e-7, 72450, 35, 34},
    // Per population; the cost counts both populations.
    {"TwoMean", kTwoMean, kSR, nullptr, 91, -1, 0, 2 * 91 * 1050, 0, 0},
    {"TwoMeanFieldTotal", kTwoMean, kSR, FieldCostTotal, 91, -1, 0, 2 * (91000 + 50), 0, 0},
    {"TwoProportion", kTwoProportion, kSR, nullptr, 33, -1, 0, 2 * 33 * 1050, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Designs, DesignTest, ::testing::ValuesIn(kDesigns),
                         [](const auto& info) { return std::string(info.param.name); });

// With an additional point on the upper bound both rows above take its limit.
void NarrowAboveBound(DQORecord& rec, double upper)
{
    rec.dUpperBound = rec.dAbove1 = upper;
    rec.dAbove2 = 0.9 * rec.dMaximum;
    rec.fAbove1Limit = rec.fAbove2Limit = 0.2f;
}
void WideMean(DQORecord& rec)
{
    rec.dSD = 1000;
    NarrowAboveBound(rec, 51);
}
const Prepare NarrowProportion = [](DQORecord& r) { NarrowAboveBound(r, 0.5005); };
void ThreeWideStrata(DQORecord& rec)
{
    SetStrata(rec, {1000, 1000, 1000}, {0.3, 0.3, 0.4});
    NarrowAboveBound(rec, 50.5);
}

struct TooLargeCase {
    const char* name;
    int parameter;
    int design;
    Prepare prepare;
    int limit;
    int samples;
};

class TooLargeTest : public ::testing::TestWithParam<TooLargeCase> {};

TEST_P(TooLargeTest, BoundsOfTheCalculationBlockBecomeOneHalfWithOneMessage)
{
    const TooLargeCase& c = GetParam();
    DQORecord rec = DesignedRecord(c.parameter, c.design);
    c.prepare(rec);
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);

    EXPECT_EQ(rec.nSamples, c.samples);
    for (const double value :
         {rec.dAlpha, rec.dBeta, rec.dErrorLimit[kRowLower], rec.dErrorLimit[kRowUpper],
          rec.dErrorLimit[kRowAbove1], rec.dErrorLimit[kRowAbove2]})
        EXPECT_EQ(value, 0.5);
    EXPECT_EQ(rec.fLimitAtLower, 0.01f); // the user's limits stay
    EXPECT_EQ(rec.fLimitAtUpper, 0.01f);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "TALO ERROR");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].text,
              "Sample size is larger than " + std::to_string(c.limit) +
                  ".\n\n"
                  "The error rates for the bounds of the gray region have been\n"
                  "set to 0.5.  To resume your analysis adjust these error\n"
                  "rates and other data quality objectives such as the standard\n"
                  "deviation or the bounds of the gray region.");
}

const TooLargeCase kTooLarge[] = {
    {"Mean", kOneMean, kSR, WideMean, 30000, 2},
    {"ThreeEqualStrata", kOneMean, kStratified, ThreeWideStrata, 90000, 6},
    {"ProportionStrata", kOneProportion, kStratified, NarrowProportion, 60000, 4},
};

INSTANTIATE_TEST_SUITE_P(Designs, TooLargeTest, ::testing::ValuesIn(kTooLarge),
                         [](const auto& info) { return std::string(info.param.name); });

// The difference of proportions runs from -1 to 1 whatever the axis ends say.
void OtherAxisEnds(DQORecord& rec)
{
    rec.dMinimum = -0.3;
    rec.dMaximum = 0.9;
}

// Values of the curve at three grid points.
struct CurveCase {
    const char* name;
    int parameter;
    int design;
    int baseline;
    Prepare prepare;
    double tolerance;
    int i0;
    double v0;
    int i1;
    double v1;
    int i2;
    double v2;
};

class CurveTest : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CurveTest, ValuesAtTheGridPoints)
{
    const CurveCase& c = GetParam();
    const DQORecord rec = Analysed(c.parameter, c.design, c.baseline, c.prepare);
    EXPECT_NEAR(rec.dCurve[c.i0], c.v0, c.tolerance) << c.i0;
    EXPECT_NEAR(rec.dCurve[c.i1], c.v1, c.tolerance) << c.i1;
    EXPECT_NEAR(rec.dCurve[c.i2], c.v2, c.tolerance) << c.i2;
    for (int i = 0; i < kCurvePoints; ++i)
        ASSERT_TRUE(std::isfinite(rec.dCurve[i])) << i;
    if (c.parameter == kOneProportion) {
        // Where x(1 - x) can be 0 the ends take their neighbours' values.
        EXPECT_EQ(rec.dCurve[0], rec.dCurve[1]);
        EXPECT_EQ(rec.dCurve[100], rec.dCurve[99]);
    }
}

// Through alpha at the action level and near 1 - beta at the other bound for
// every design; the points between tell the designs apart.
const CurveCase kCurves[] = {
    // 0.009988 at the action level and 0.990012 at the other bound, to more digits.
    {"Mean", kOneMean, kSR, kAtMost, nullptr, 1e-9, 50, 0.0099883232, 60, 0.3208378965, 75,
     0.9900116768},
    {"MeanAtLeast", kOneMean, kSR, kAtLeast, nullptr, 1e-9, 25, 0.0099883232, 40, 0.6791621035, 50,
     0.9900116768},
    {"Composite", kOneMean, kComposite, kAtMost, nullptr, 1e-9, 50, 0.0099883232, 60, 0.3208378965,
     75, 0.9900116768},
    // Exact stratum sizes 0.65 and 1.30 count as 2 in the standard error.
    {"StrataSmall", kOneMean, kStratified, kAtMost, SmallStrata, 1e-9, 55, 0.1441464094, 60,
     0.5804468397, 75, 0.9999680141},
    {"Proportion", kOneProportion, kSR, kAtMost, nullptr, 1e-9, 50, 0.0099883232, 60, 0.2897085135,
     75, 0.9963923011},
    // A straight line in z through the two bounds, whatever the strata.
    {"ProportionStrata", kOneProportion, kStratified, kAtMost, nullptr, 1e-9, 50, 0.0099883232, 60,
     0.3208378965, 75, 0.9900116768},
    {"TwoMean", kTwoMean, kSR, kAtMost, nullptr, 1e-9, 50, 0.0099883232, 55, 0.3270751832, 62,
     0.9854559812},
    {"TwoProportion", kTwoProportion, kSR, kAtMost, OtherAxisEnds, 1e-9, 50, 0.0099883232, 60,
     0.3261320896, 75, 0.9909515873},
    {"TwoProportionAtLeast", kTwoProportion, kSR, kAtLeast, OtherAxisEnds, 1e-9, 25, 0.0090484127,
     40, 0.6738679104, 50, 0.9900116768},
};

INSTANTIATE_TEST_SUITE_P(Designs, CurveTest, ::testing::ValuesIn(kCurves),
                         [](const auto& info) { return std::string(info.param.name); });

struct Evaluation {
    const char* name;
    int parameter;
    int design;
    int baseline;
    int typed;
    double rate; // dBeta after the evaluation
    double tolerance;
    const char* message; // empty for none
    MessageIcon icon;
};

class EvaluationTest : public ::testing::TestWithParam<Evaluation> {};

TEST_P(EvaluationTest, AchievedRateAndMessage)
{
    const Evaluation& c = GetParam();
    DQORecord rec = Analysed(c.parameter, c.design, c.baseline);
    rec.nUserSamples = c.typed;
    RecordingMessages messages;
    CAnalysis analysis(rec, messages);
    if (IsTwoSample(c.parameter)) {
        analysis.EvaluateTwoSample(c.typed);
    } else {
        analysis.EvaluateOneSample(c.design, c.typed);
        // The false acceptance row takes the rate.
        EXPECT_EQ(rec.dErrorLimit[c.baseline == kAtMost ? kRowUpper : kRowLower], rec.dBeta);
    }
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

constexpr MessageIcon kNone = MessageIcon::None;
constexpr MessageIcon kInfo = MessageIcon::Information;
constexpr const char* kMinimum =
    "Minimum sample size allowed is 2.\nProgram will adjust the size accordingly.";
constexpr const char* kLarger =
    "Sample size is much larger than necessary.\nProgram will adjust the size accordingly.";
constexpr const char* kSmaller = "False acceptance error rate is greater than 0.5.\nSample size "
                                 "is much smaller than necessary.\nProgram will adjust the size "
                                 "accordingly.";

const Evaluation kEvaluations[] = {
    {"Mean13", kOneMean, kSR, kAtMost, 13, 0.00648, 5e-6, "", kNone},
    {"Mean10", kOneMean, kSR, kAtMost, 10, 0.0424, 5e-5, "", kNone},
    {"Composite5", kOneMean, kComposite, kAtMost, 5, 0.1342366198, 1e-9, "", kNone},
    {"Strata20", kOneMean, kStratified, kAtMost, 20, 0.0958391946, 1e-9, "", kNone},
    // With unequal sds a size of 1 gives the rate 1 - Phi(-z(alpha)).
    {"StrataOne", kOneMean, kStratified, kAtMost, 1, 0.5, 0, kMinimum, kInfo},
    {"Proportion50", kOneProportion, kSR, kAtMost, 50, 0.0813960598, 1e-9, "", kNone},
    {"ProportionAtLeast50", kOneProportion, kSR, kAtLeast, 50, 0.0813960598, 1e-9, "", kNone},
    {"ProportionStrata30", kOneProportion, kStratified, kAtMost, 30, 0.2375589438, 1e-9, "", kNone},
    {"TwoMean91", kTwoMean, kSR, kAtMost, 91, 0.00963, 5e-6, "", kNone},
    {"TwoProportion20", kTwoProportion, kSR, kAtMost, 20, 0.0926356684, 1e-9, "", kNone},
    {"MeanOne", kOneMean, kSR, kAtMost, 1, 0.5, 0, kMinimum, kInfo},
    {"MeanThree", kOneMean, kSR, kAtMost, 3, 0.5, 0, kSmaller, kInfo},
    {"MeanHuge", kOneMean, kSR, kAtMost, 100000, 1e-6, 0, kLarger, kInfo},
    // No samples at all is treated like a size below 2.
    {"ProportionNegative", kOneProportion, kSR, kAtMost, -5, 0.5, 0, kMinimum, kInfo},
    {"TwoMeanThree", kTwoMean, kSR, kAtMost, 3, 0.5, 0,
     "False Acceptance error rate is greater than 0.5.\nSample size is much smaller than "
     "necessary.\nProgram will adjust the size accordingly.",
     MessageIcon::Warning},
    {"TwoMeanOne", kTwoMean, kSR, kAtMost, 1, 0.5, 0, kMinimum, kInfo},
    {"TwoMeanHuge", kTwoMean, kSR, kAtMost, 5000, 1e-6, 0, kLarger, kInfo},
    {"TwoProportionZero", kTwoProportion, kSR, kAtMost, 0, 0.5, 0, kMinimum, kInfo},
};

INSTANTIATE_TEST_SUITE_P(Sizes, EvaluationTest, ::testing::ValuesIn(kEvaluations),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

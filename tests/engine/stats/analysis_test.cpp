#include "engine/stats/analysis.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "tests/engine/stats/designed_records.h"

// Expected values without a worked value of their own were computed by hand
// (in double precision) from the closed formulas of the normal
// approximations, the sample sizes, the rates and the curve.

namespace {

const Prepare FieldTotal = [](DQORecord& r) { r.bFieldCostTotal = 1; };
const Prepare EqualStrata = [](DQORecord& r) { SetStrata(r, {16.67, 16.67}, {0.3, 0.7}); };
const Prepare SmallShare = [](DQORecord& r) { SetStrata(r, {16.67, 16.67}, {0.05, 0.95}); };
// With an additional point on the upper bound both rows above take its limit.
const auto NarrowAbove = [](DQORecord& r, double upper) {
    r.dUpperBound = r.dAbove1 = upper, r.dAbove2 = 0.9 * r.dMaximum;
    r.fAbove1Limit = r.fAbove2Limit = 0.2f;
};
// So narrow that the residue of the quantile of 0.5 alone would ask for 5.
const Prepare NarrowMean = [](DQORecord& r) { r.dSD = 1000, NarrowAbove(r, 50.0001); };
const Prepare WideMean = [](DQORecord& r) { r.dSD = 1000, NarrowAbove(r, 51); };
const Prepare WideTwoMean = [](DQORecord& r) { r.dSD = 1e6, NarrowAbove(r, 5); };
const Prepare NarrowProp = [](DQORecord& r) { NarrowAbove(r, 0.5005); };
const Prepare WideStrata = [](DQORecord& r) {
    SetStrata(r, {1000, 1000, 1000}, {0.3, 0.3, 0.4});
    NarrowAbove(r, 50.5);
};

// dCalcSamples is checked only with a tolerance, the cost when not -1; the
// stratum sizes are 0 when not stratified; tooLarge is the size limit
// exceeded, 0 when none.
struct DesignCase {
    const char* name;
    int parameter, design;
    Prepare prepare;
    int samples;
    double exact, tolerance, cost;
    int stratum0, stratum1, tooLarge;
};

class DesignTest : public ::testing::TestWithParam<DesignCase> {};

// A size above the limit leaves one message, 0.5 at both bounds in the
// calculation block and the user's limits in the inputs.
TEST_P(DesignTest, SizeCostAllocationAndTooLargeAdjustment)
{
    const DesignCase& c = GetParam();
    RecordingMessages messages;
    const DQORecord rec = Analysed(c.parameter, c.design, kAtMost, c.prepare, messages);
    EXPECT_NEAR(rec.dCalcSamples, c.tolerance > 0 ? c.exact : rec.dCalcSamples, c.tolerance);
    EXPECT_DOUBLE_EQ(rec.dTotalCost, c.cost < 0 ? rec.dTotalCost : c.cost);
    Texts t = Shown(messages);
    t << rec.nSamples << rec.nStratumSamples[0] << rec.nStratumSamples[1];
    std::string expected = FormatText("%d|%d|%d|", c.samples, c.stratum0, c.stratum1);
    if (c.tooLarge != 0) {
        t << rec.dErrorLimit[kRowLower] << rec.dErrorLimit[kRowUpper] << rec.dErrorLimit[kRowAbove1]
          << rec.dErrorLimit[kRowAbove2] << rec.dAlpha << rec.dBeta << rec.fLimitAtLower
          << rec.fLimitAtUpper;
        expected = "(!) TALO ERROR: Sample size is larger than " + std::to_string(c.tooLarge) +
                   ".\n\nThe error rates for the bounds of the gray region have been\n"
                   "set to 0.5.  To resume your analysis adjust these error\n"
                   "rates and other data quality objectives such as the standard\n"
                   "deviation or the bounds of the gray region.|" +
                   expected + "0.5|0.5|0.5|0.5|0.5|0.5|0.01|0.01|";
    }
    EXPECT_EQ(t.Joined(), expected);
}

const DesignCase kDesigns[] = {
    {"Mean", kMean, kSR, nullptr, 13, 9.6286, 5e-5, 13650, 0, 0, 0},
    // The composite sd 11.0261686 makes x = 6.9195: 7 composites of 4 aliquots.
    {"Composite", kMean, kComp, nullptr, 7, 4.2125190, 5e-8, 1210 * 7, 0, 0, 0},
    {"CompositeFieldTotal", kMean, kComp, FieldTotal, 7, 0, 0, 1010 * 7 + 50, 0, 0, 0},
    // Equal sds: the full size 12.3356 shared 3.70 -> 4 and 8.63 -> 9.
    {"StrataProportional", kMean, kStrat, EqualStrata, 13, 9.6286, 5e-5, 13650, 4, 9, 0},
    // 0.62 of a sample is raised to the minimum of 2.
    {"StrataSmallShare", kMean, kStrat, SmallShare, 14, 0, 0, 14 * 1050, 2, 12, 0},
    // Neyman: S = 30, exact sizes 10.395 and 20.789.
    {"StrataNeyman", kMean, kStrat, nullptr, 32, 31.184237, 5e-7, 32 * 1050, 11, 21, 0},
    // S = 7.5: 0.65 and 1.30 both become 2.
    {"StrataNeymanSmall", kMean, kStrat, SmallStrata, 4, 1.949015, 5e-7, 4200, 2, 2, 0},
    {"Proportion", kProp, kSR, nullptr, 76, 75.406, 5e-4, 76 * 1050, 0, 0, 0},
    // c = 346.50: 34.649 and 33.263.
    {"ProportionStrata", kProp, kStrat, nullptr, 69, 67.912338, 5e-7, 72450, 35, 34, 0},
    // Per population; the cost counts both populations.
    {"TwoMean", kTwoMean, kSR, nullptr, 91, 0, 0, 2 * 91 * 1050, 0, 0, 0},
    {"TwoMeanFieldTotal", kTwoMean, kSR, FieldTotal, 91, 0, 0, 2 * (91000 + 50), 0, 0, 0},
    {"TwoProportion", kTwoProp, kSR, nullptr, 33, 0, 0, 2 * 33 * 1050, 0, 0, 0},
    // sd 1000 and a gray region of width 1, as the worked example.
    {"MeanTooLarge", kMean, kSR, WideMean, 2, 0, 0, -1, 0, 0, 30000},
    {"NarrowMeanTooLarge", kMean, kSR, NarrowMean, 2, 0, 0, -1, 0, 0, 30000},
    // Two-sample sizes have no limit of their own but must fit an int; never raised to 2.
    {"TwoMeanBeyondInt", kTwoMean, kSR, WideTwoMean, 1, 0, 0, 2 * 1050, 0, 0, INT_MAX},
    {"ThreeStrataTooLarge", kMean, kStrat, WideStrata, 6, 0, 0, -1, 2, 2, 90000},
    {"ProportionStrataTooLarge", kProp, kStrat, NarrowProp, 4, 0, 0, -1, 2, 2, 60000},
};

INSTANTIATE_TEST_SUITE_P(Designs, DesignTest, ::testing::ValuesIn(kDesigns), ByName);

// The rate is dBeta after the evaluation; message is empty for none.
struct Evaluation {
    const char* name;
    int parameter, design, typed;
    Prepare prepare;
    double rate, tolerance;
    const char* message;
};

class EvaluationTest : public ::testing::TestWithParam<Evaluation> {};

TEST_P(EvaluationTest, AchievedRateAndMessage)
{
    const Evaluation& c = GetParam();
    RecordingMessages messages;
    DQORecord rec = Analysed(c.parameter, c.design, kAtMost, c.prepare, messages);
    rec.nUserSamples = c.typed;
    CAnalysis analysis(rec, messages);
    if (IsTwoSample(c.parameter))
        analysis.EvaluateTwoSample(c.typed);
    else // the false acceptance row takes the rate
        analysis.EvaluateOneSample(c.design, c.typed);
    EXPECT_NEAR(rec.dBeta, c.rate, c.tolerance);
    EXPECT_EQ(rec.dErrorLimit[kRowUpper],
              IsTwoSample(c.parameter) ? rec.dErrorLimit[kRowUpper] : rec.dBeta);
    EXPECT_EQ(Shown(messages), *c.message ? Texts{c.message} : Texts{});
}

constexpr const char* kMinimum =
    "(i) TALO: Minimum sample size allowed is 2.\nProgram will adjust the size accordingly.";
constexpr const char* kLarger = "(i) TALO: Sample size is much larger than necessary.\nProgram "
                                "will adjust the size accordingly.";
constexpr const char* kSmaller = "(i) TALO: False acceptance error rate is greater than 0.5.\n"
                                 "Sample size is much smaller than necessary.\nProgram will "
                                 "adjust the size accordingly.";

const Evaluation kEvaluations[] = {
    {"Mean13", kMean, kSR, 13, nullptr, 0.00648, 5e-6, ""},
    {"Composite5", kMean, kComp, 5, nullptr, 0.1342366198, 1e-9, ""},
    // Equal deviations give the simple random rate.
    {"StrataEqual", kMean, kStrat, 10, EqualStrata, 0.0424218408, 1e-9, ""},
    {"Strata20", kMean, kStrat, 20, nullptr, 0.0958391946, 1e-9, ""},
    // With unequal sds a size of 1 gives the rate 1 - Phi(-z(alpha)).
    {"StrataOne", kMean, kStrat, 1, nullptr, 0.5, 0, kMinimum},
    {"Proportion50", kProp, kSR, 50, nullptr, 0.0813960598, 1e-9, ""},
    {"ProportionStrata30", kProp, kStrat, 30, nullptr, 0.2375589438, 1e-9, ""},
    {"TwoMean91", kTwoMean, kSR, 91, nullptr, 0.00963, 5e-6, ""},
    {"TwoProportion20", kTwoProp, kSR, 20, nullptr, 0.0926356684, 1e-9, ""},
    {"MeanThree", kMean, kSR, 3, nullptr, 0.5, 0, kSmaller},
    {"MeanHuge", kMean, kSR, 100000, nullptr, 1e-6, 0, kLarger},
    {"TwoMeanThree", kTwoMean, kSR, 3, nullptr, 0.5, 0,
     "(!) TALO: False Acceptance error rate is greater than 0.5.\nSample size is much smaller "
     "than necessary.\nProgram will adjust the size accordingly."},
    // No samples at all is treated like a size below 2.
    {"TwoProportionZero", kTwoProp, kSR, 0, nullptr, 0.5, 0, kMinimum},
};

INSTANTIATE_TEST_SUITE_P(Sizes, EvaluationTest, ::testing::ValuesIn(kEvaluations), ByName);

} // namespace

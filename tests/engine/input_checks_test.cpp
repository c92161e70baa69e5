#include "engine/input_checks.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/dqo_record.h"

namespace {

// One check of one screen with the values it was given.
using Call = std::function<std::string()>;

// A screen's check; called with the screen's values, it gives the call.
template <auto check> struct Screen {
    template <typename... Args> Call operator()(Args... args) const
    {
        return [=] { return check(args...); };
    }
};

constexpr Screen<CheckOneMeanInputs> OneMean{};
constexpr Screen<CheckTwoMeanInputs> TwoMean{};
constexpr Screen<CheckModifyMeanInputs> ModifyMean{};
constexpr Screen<CheckOnePropInputs> OneProp{};
constexpr Screen<CheckTwoPropInputs> TwoProp{};
constexpr Screen<CheckModifyPropInputs> ModifyProp{};
constexpr Screen<CheckCosts> Costs{};
constexpr Screen<CheckErrorLimits> ErrorLimits{};
constexpr Screen<CheckCompositeInputs> Composite{};
constexpr Screen<CheckStrataCount> StrataCount{};

// One message and every input that must give exactly it: boundaries and
// inputs that fail two checks, where the first check's message must win.
struct MessageRow {
    const char* name;
    std::string expected; // "" when the screen closes
    std::vector<Call> calls;
};

class InputChecks : public testing::TestWithParam<MessageRow> {};

TEST_P(InputChecks, GiveTheMessageOfTheFirstFailingCheck)
{
    const MessageRow& row = GetParam();
    for (size_t i = 0; i < row.calls.size(); ++i)
        EXPECT_EQ(row.calls[i](), row.expected) << "input " << i;
}

constexpr int kAtMost = kBaselineAtMost;
constexpr int kAtLeast = kBaselineAtLeast;

MeanInputs SD(double min, double max, double al, double bound, int baseline, double sd)
{
    return {min, max, al, bound, baseline, kSDByValue, sd, 0};
}
MeanInputs CV(double min, double max, double al, double bound, int baseline, double cvPercent)
{
    return {min, max, al, bound, baseline, kSDByCV, 0, cvPercent};
}

DQORecord Record(int parameter, int baseline, double min, double max, double al, double lower,
                 double upper)
{
    DQORecord rec;
    rec.nParameter = parameter;
    rec.nBaseline = baseline;
    rec.dMinimum = min;
    rec.dMaximum = max;
    rec.dActionLevel = al;
    rec.dLowerBound = lower;
    rec.dUpperBound = upper;
    return rec;
}

const DQORecord kMeanAtMost = Record(kOneMean, kAtMost, 0, 100, 50, 50, 75);
const DQORecord kMeanAtLeast = Record(kOneMean, kAtLeast, 0, 100, 50, 25, 50);
const DQORecord kMeanNoBaseline = Record(kOneMean, -1, 0, 100, 50, 50, 75);
const DQORecord kOneProp = Record(kOneProportion, kAtMost, 0, 1, 0.5, 0.5, 0.75);
// The range of two proportions is -1 to 1 whatever the record holds.
const DQORecord kTwoProp = Record(kTwoProportion, kAtLeast, 0, 100, 0, -0.2, 0);

constexpr AdditionalLimitRow kNo = {false, 0, 0};
AdditionalLimitRow At(double point, double limit)
{
    return {true, point, limit};
}

// Rows below 1, below 2, above 1, above 2: on the limits screen left bottom,
// left top, right top, right bottom; on the summary screen rows 1, 2, 5, 6.
using Rows = AdditionalLimitRows;
constexpr Screen<CheckAdditionalLimits> Additional{};
constexpr Screen<CheckSummaryLimits> Summary{};
constexpr Screen<CheckErrorLimit> BoundLimit{}; // the summary screen's rows 3 and 4

// The deviation bound follows the calculation block's copy of the range only.
const DQORecord kCalcRange = [] {
    DQORecord rec;
    rec.dMaximum = 1;
    rec.dCalcMaximum = 100;
    return rec;
}();

using Stratum = StratumInputs;
constexpr Screen<CheckMeanStratum> MeanStratum{};
constexpr Screen<CheckPropStratum> PropStratum{};

// "For Ho: mean <= Action Level, ..." and the relation that must hold.
std::string Relation(const char* ho, const char* relation)
{
    return std::string("For Ho: ") + ho +
           " Action Level, the following relationship must be satisfied:\n\n    " + relation;
}

const std::string kSumPrefix = "ERROR: Sum of stratum weights must be <= 1.0.\n"
                               "\tAccumulated Weights of previous strata: ";

const MessageRow kRows[] = {
    {"Accepted",
     "",
     {OneMean(SD(0, 100, 50, 75, kAtMost, 16.67)), OneMean(SD(0, 100, 50, 25, kAtLeast, 10)),
      OneMean(SD(0, 9999999, 50, 75, kAtMost, 10)), OneMean(CV(0, 100, 50, 75, kAtMost, 20)),
      // The action level may equal the minimum or maximum of a difference.
      TwoMean(SD(0, 10, 0, 5, kAtMost, 1)), TwoMean(SD(-10, 0, 0, -5, kAtLeast, 1)),
      ModifyMean(kTwoMean, SD(0, 10, 0, 5, kAtMost, 1)),
      ModifyMean(kTwoMean, SD(-10, 0, 0, -5, kAtLeast, 1)),
      // The modify screen does not check the range again.
      ModifyMean(kOneMean, SD(0, 1e8, 50, 75, kAtMost, 10)),
      OneMean(SD(0, 100, 50, 75, kAtMost, 1e150)), OneMean(SD(0, 100, 50, 75, kAtMost, 1e-150)),
      OneProp(kAtMost, 0.5, 0.75), OneProp(kAtLeast, 0.5, 0.25), TwoProp(kAtMost, 0.15),
      TwoProp(kAtLeast, -0.999),
      // The hidden action level of two proportions is never read.
      ModifyProp(kTwoProportion, kAtMost, 5.0, 0.15),
      ModifyProp(kTwoProportion, kAtLeast, 0.0, -0.999), Costs(0.0, 0.0), Costs(3.4e38, 3.4e38),
      ErrorLimits(0.5, 0.5), ErrorLimits(1e-45, 0.01),
      Additional(kMeanAtMost, Rows{At(10, 0.1), At(49.9, 0.2), At(80, 0.2), At(90, 0.5)}),
      // A limit without its concentration is no row.
      Additional(kMeanAtMost, Rows{{false, 0, 0.2}, kNo, kNo, kNo}),
      Additional(kMeanAtLeast, Rows{At(20, 0.1), At(10, 0.1), At(60, 0.1), At(99, 0.1)}),
      Additional(kTwoProp, Rows{At(-0.5, 0.1), At(-0.999, 0.1), At(0.5, 0.1), At(0.999, 0.1)}),
      Additional(kMeanNoBaseline, Rows{At(1000, 0.1), kNo, kNo, At(-5, 0.1)}),
      Summary(kMeanAtMost, Rows{At(10, 0.1), kNo, At(80, 0.5), kNo}), BoundLimit(0.5),
      Composite(0.10, 4, 5.00), Composite(0.999, 1, 0.0), StrataCount(2), StrataCount(5),
      MeanStratum(kCalcRange, Stratum{200, 0.5, 0}), MeanStratum(kCalcRange, Stratum{10, 0, 0}),
      // 0.2 + 0.684 + 0.116 rounds to the smallest double above 1.
      MeanStratum(kCalcRange, Stratum{10, 0.116, 0.2 + 0.684}),
      PropStratum(Stratum{0.5, 0.116, 0.2 + 0.684})}},
    {"Range",
     "The Maximum-Minimum range must be less than 7 digits.",
     {OneMean(SD(0, 1e-8, 50, 75, kAtMost, 10)), OneMean(SD(0, 1e7, 50, 75, kAtMost, 10)),
      OneMean(SD(1e-8, 0, 50, 75, kAtMost, 10)), TwoMean(SD(0, 1e-8, 0, 5, kAtMost, 1))}},
    {"MinimumAboveMaximum",
     "The Minimum value must be less than the Maximum value.",
     {OneMean(SD(10, 5, 7, 8, kAtMost, 10))}},
    {"OneMeanAtMost",
     Relation("mean <=", "Minimum(0) < Action Level < Upper Bound of Gray Region < Maximum(10)"),
     {OneMean(SD(0, 10, 0, 5, kAtMost, 10)), OneMean(SD(0, 10, 5, 10, kAtMost, 0)),
      ModifyMean(kOneMean, SD(0, 10, 0, 5, kAtMost, 10))}},
    {"OneMeanAtLeast",
     Relation("mean >=", "Minimum(0) < Lower Bound of Gray Region < Action Level < Maximum(100)"),
     {OneMean(SD(0, 100, 50, 60, kAtLeast, 10)), OneMean(SD(0, 100, 50, 75, -1, 10)),
      ModifyMean(kOneMean, SD(0, 100, 50, 60, kAtLeast, 10))}},
    // No minimum/maximum check of its own: the relation catches it first.
    {"TwoMeanAtMost",
     Relation("mean1-mean2 <=",
              "Minimum(10) < Action Level(0) < Upper Bound of Gray Region( 5) < Maximum(5)"),
     {TwoMean(SD(10, 5, 0, 5, kAtMost, 0))}},
    {"TwoMeanAtLeast",
     Relation("mean >=",
              "Minimum(-10) < Lower Bound of Gray Region(5) < Action Level(0) < Maximum(10)"),
     {TwoMean(SD(-10, 10, 0, 5, kAtLeast, 1))}},
    {"ModifyTwoMeanAtLeast",
     Relation("mean1-mean2 >=",
              "Minimum(-20) < Lower Bound of Gray Region < Action Level <= Maximum(20)"),
     {ModifyMean(kTwoMean, SD(-20, 20, 30, -1.25, kAtLeast, 1))}},
    {"ModifyTwoMeanAtMost",
     Relation("mean1-mean2 <=",
              "Minimum(0) <= Action Level < Upper Bound of Gray Region < Maximum(10)"),
     {ModifyMean(kTwoMean, SD(0, 10, 5, 3, kAtMost, 0))}},
    // In coefficient mode both the coefficient and the deviation it gives
    // must be positive.
    {"StandardDeviation",
     "The estimate of the standard deviation must be\ngreater than zero: StdDev > 0.0",
     {OneMean(SD(0, 100, 50, 75, kAtMost, 0)), OneMean(CV(0, 100, 50, 75, kAtMost, 0)),
      OneMean(CV(-100, 0, -50, -75, kAtLeast, -20)), OneMean(CV(-100, 0, -50, -75, kAtLeast, 20)),
      TwoMean(SD(0, 10, 0, 5, kAtMost, 0)), ModifyMean(kTwoMean, CV(0, 10, 2, 5, kAtMost, 0)),
      // A deviation whose square overflows or vanishes, also as the coefficient gives it.
      OneMean(SD(0, 100, 50, 75, kAtMost, 1e155)), OneMean(SD(0, 100, 50, 75, kAtMost, 1e-160)),
      OneMean(CV(0, 100, 50, 75, kAtMost, 1e308)), TwoMean(SD(0, 10, 0, 5, kAtMost, 1e-200))}},
    {"OnePropAtMost",
     Relation("proportion <=", "0.00 < Action Level < Upper Bound of Gray Region < 1.00"),
     {OneProp(kAtMost, 0.5, 1.0), OneProp(kAtMost, 0.5, 0.4), OneProp(kAtMost, 0.0, 0.5),
      ModifyProp(kOneProportion, kAtMost, 0.5, 1.0)}},
    {"OnePropAtLeast",
     Relation("proportion >=", "0.00 < Lower Bound of Gray Region < Action Level < 1.00"),
     {OneProp(kAtLeast, 0.5, 0.0), OneProp(kAtLeast, 0.5, 0.6), OneProp(kAtLeast, 1.0, 0.5),
      OneProp(-1, 0.5, 0.75), ModifyProp(kOneProportion, kAtLeast, 0.5, 0.6)}},
    {"TwoPropAtMost",
     Relation("prop1-prop2 <=", "0.00 < Upper Bound of Gray Region(1) < 1.00"),
     {TwoProp(kAtMost, 1.0)}},
    {"TwoPropAtLeast",
     Relation("prop1-prop2 >=", "-1.00 < Lower Bound of Gray Region(-1) < 0.00"),
     {TwoProp(kAtLeast, -1.0)}},
    {"ModifyTwoPropAtMost",
     Relation("prop1-prop2 <=", "0.00 < Upper Bound of Gray Region < 1.00"),
     {ModifyProp(kTwoProportion, kAtMost, 0.0, 1.0)}},
    {"ModifyTwoPropAtLeast",
     Relation("prop1-prop2 >=", "-1.00 < Lower Bound of Gray Region < 0.00"),
     {ModifyProp(kTwoProportion, kAtLeast, 0.0, -1.0)}},
    {"Costs",
     "Laboratory and Field costs cannot be less than zero.",
     // A cost that single precision cannot hold is refused, not clamped.
     {Costs(-1.0, 0.0), Costs(0.0, -0.01), Costs(3.5e38, 0.0), Costs(0.0, 1e39)}},
    {"ErrorLimits",
     "Error limits must be in the range: 0 < Error Limit <= 0.5",
     {ErrorLimits(0.0, 0.5), ErrorLimits(0.5, 0.0), ErrorLimits(0.51, 0.5), ErrorLimits(0.5, 0.51),
      // Limits that single precision turns into 0.
      ErrorLimits(1e-46, 0.01), ErrorLimits(0.01, 1e-50),
      Additional(kMeanAtMost, Rows{At(10, 1e-50), kNo, kNo, kNo}),
      Additional(kMeanAtMost, Rows{At(10, 0), kNo, kNo, kNo}),
      Additional(kMeanAtMost, Rows{kNo, kNo, At(80, 0.51), kNo}),
      Additional(kMeanAtMost, Rows{kNo, kNo, At(80, 0), At(60, 0.1)}),
      Additional(kMeanNoBaseline, Rows{At(1000, 0), kNo, kNo, kNo}),
      Summary(kMeanAtMost, Rows{kNo, kNo, At(80, 0.6), kNo}), BoundLimit(0.6), BoundLimit(0)}},
    {"LeftBottomAtMost",
     "Additional concentrations in the false rejection region must be in the range:\n"
     "Minimum (0.000) < Additional concentration < Action Level (50.000)",
     {Additional(kMeanAtMost, Rows{At(50, 0.1), kNo, kNo, kNo}),
      Additional(kMeanAtMost, Rows{At(0, 0.1), kNo, kNo, kNo}),
      Additional(kMeanAtMost, Rows{At(60, 0), At(60, 0.1), kNo, kNo})}},
    {"LeftTopAtMost",
     "Additional concentrations in the false rejection region must be in the range:\n"
     "Minimum(0.000) < Additional concentration < Action Level(50.000)",
     {Additional(kMeanAtMost, Rows{kNo, At(50, 0.1), kNo, kNo}),
      Additional(kMeanAtMost, Rows{At(10, 0.1), At(60, 0.1), At(80, 0), kNo}),
      Summary(kMeanAtMost, Rows{At(60, 0.1), kNo, kNo, kNo})}},
    {"RightAtMost",
     "Additional concentrations in the false acceptance region must be in the range:\n"
     "Gray Region Upper Bound(75.000) < Additional concentration < Maximum(100.000)",
     {Additional(kMeanAtMost, Rows{kNo, kNo, At(75, 0.1), kNo}),
      Additional(kMeanAtMost, Rows{kNo, kNo, kNo, At(100, 0.1)}),
      Additional(kMeanAtMost, Rows{kNo, kNo, At(60, 0.1), At(80, 0)})}},
    // No plural in the summary screen's row 6.
    {"SummaryRow6",
     "Additional concentration in the false rejection region must be in the range:\n"
     "Action Level(50.000) < Additional concentration < Maximum(100.000)",
     {Summary(kMeanAtLeast, Rows{kNo, kNo, kNo, At(40, 0.1)})}},
    {"LeftAtLeast",
     "Additional concentrations in the false acceptance region must be in the range:\n"
     "Minimum(0.000) < Additional concentration < Gray Region Lower Bound(25.000)",
     {Additional(kMeanAtLeast, Rows{kNo, At(25, 0.1), kNo, kNo})}},
    {"RightAtLeast",
     "Additional concentrations in the false rejection region must be in the range:\n"
     "Action Level(50.000) < Additional concentration < Maximum(100.000)",
     {Additional(kMeanAtLeast, Rows{kNo, kNo, kNo, At(50, 0.1)})}},
    {"ProportionNames",
     "Additional proportions in the false rejection region must be in the range:\n"
     "Minimum(0.000) < Additional proportion < Action Level(0.500)",
     {Additional(kOneProp, Rows{kNo, At(0.5, 0.1), kNo, kNo})}},
    {"TwoPropLeft",
     "Additional proportions in the false acceptance region must be in the range:\n"
     "Minimum(-1.000) < Additional proportion < Gray Region Lower Bound(-0.200)",
     {Additional(kTwoProp, Rows{At(-1, 0.1), kNo, kNo, kNo})}},
    {"TwoPropRight",
     "Additional proportions in the false rejection region must be in the range:\n"
     "Action Level(0.000) < Additional proportion < Maximum(1.000)",
     {Additional(kTwoProp, Rows{kNo, kNo, At(0, 0.1), kNo}),
      Additional(kTwoProp, Rows{At(-0.5, 0.1), kNo, kNo, At(1, 0.1)})}},
    {"CompositeRatio",
     "ERROR: Ratio of measurement SD to Total SD must be in the range:\n\t\t0.0 < Ratio < 1.0\n",
     {Composite(1.0, 0, -1.0), Composite(0.0, 4, 5.0)}},
    {"CompositeAliquots",
     "ERROR: Number of aliquots per sample must be greater than zero.",
     {Composite(0.5, 0, -1.0)}},
    {"CompositingCost",
     "ERROR: Cost for compositing aliquots cannot be less than zero.",
     {Composite(0.5, 4, -0.01), Composite(0.5, 4, 1e39)}},
    {"StrataCount",
     "Error: Number of Strata must be in the range 2 to 5!\nRe-enter the number of strata.",
     {StrataCount(0), StrataCount(1), StrataCount(6)}},
    {"StratumDeviation",
     "ERROR: Stratum standard deviation must be in the range:\n\t\t0.0 < std dev <= 200.00\n",
     {MeanStratum(kCalcRange, Stratum{200.01, 0.5, 0}), MeanStratum(kCalcRange, Stratum{0, 1.1, 0}),
      MeanStratum(kCalcRange, Stratum{1e-300, 0.5, 0})}},
    {"StratumProportion",
     "ERROR: Stratum underlying proportion must be in the range:\n0.0 < proportion < 1.0",
     {PropStratum(Stratum{0, 0.5, 0}), PropStratum(Stratum{1, -0.1, 0}),
      PropStratum(Stratum{1e-310, 0.5, 0})}},
    {"StratumWeight",
     "ERROR: Stratum weight must be in the range:\n\t\t0.0 <= weight <= 1.0",
     {MeanStratum(kCalcRange, Stratum{10, -0.1, 0}), MeanStratum(kCalcRange, Stratum{10, 1.5, 0.5}),
      PropStratum(Stratum{0.5, 1.1, 0.5})}},
    {"MeanWeightSum",
     kSumPrefix + "0.600\n\tWeight for current stratum: 0.500\n\tSum: 1.100000",
     {MeanStratum(kCalcRange, Stratum{10, 0.5, 0.6})}},
    // Only the rounding of an exact sum of 1 is tolerated.
    {"MeanWeightSumJustAboveOne",
     kSumPrefix + "1.000\n\tWeight for current stratum: 0.000\n\tSum: 1.000000",
     {MeanStratum(kCalcRange, Stratum{10, std::ldexp(1.0, -51), 1.0})}},
    {"PropWeightSum",
     kSumPrefix + "0.600\n\tWeight for current stratum: 0.500",
     {PropStratum(Stratum{0.5, 0.5, 0.6})}},
};

INSTANTIATE_TEST_SUITE_P(Screens, InputChecks, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

#include "engine/input_checks.h"

#include <cmath>

#include <gtest/gtest.h>

#include "tests/engine/stats/designed_records.h"

namespace {

// The checks under the names of their screens; a row calls them with the
// values the screen has converted.
constexpr auto& OneMean = CheckOneMeanInputs;
constexpr auto& TwoMean = CheckTwoMeanInputs;
constexpr auto& ModifyMean = CheckModifyMeanInputs;
constexpr auto& OneProp = CheckOnePropInputs;
constexpr auto& TwoProp = CheckTwoPropInputs;
constexpr auto& ModifyProp = CheckModifyPropInputs;

// One message and every input that must give exactly it: boundaries and
// inputs that fail two checks, where the first check's message must win.
struct MessageRow {
    std::string expected; // "" when the screen closes
    std::vector<std::string> given;
};

class InputChecks : public testing::TestWithParam<MessageRow> {};

TEST_P(InputChecks, GiveTheMessageOfTheFirstFailingCheck)
{
    const MessageRow& row = GetParam();
    EXPECT_EQ(row.given, std::vector<std::string>(row.given.size(), row.expected));
}

const auto SD = [](double min, double max, double al, double bound, int baseline, double sd) {
    return MeanInputs{min, max, al, bound, baseline, kSDByValue, sd, 0};
};
const auto CV = [](double min, double max, double al, double bound, int baseline, double cv) {
    return MeanInputs{min, max, al, bound, baseline, kSDByCV, 0, cv};
};

// Gray regions 50 - 75 or 25 - 50 in 0 - 100, proportions 0.5 - 0.75; the
// range of two proportions is -1 to 1 whatever the record holds.
const DQORecord kMeanAtMost = StartingRecord(kOneMean);
const DQORecord kMeanAtLeast = StartingRecord(kOneMean, kAtLeast);
const DQORecord kMeanNoBaseline = With(kMeanAtMost, [](DQORecord& r) { r.nBaseline = -1; });
const DQORecord kPropAtMost = StartingRecord(kOneProportion);
const DQORecord kDiffAtLeast = With(StartingRecord(kTwoProportion, kAtLeast),
                                    [](DQORecord& r) { r.dMinimum = 0, r.dMaximum = 100; });

constexpr AdditionalLimitRow kNo = {false, 0, 0};
const auto At = [](double point, double limit) { return AdditionalLimitRow{true, point, limit}; };

// Rows below 1, below 2, above 1, above 2: on the limits screen left bottom,
// left top, right top, right bottom; on the summary screen rows 1, 2, 5, 6.
constexpr auto& Additional = CheckAdditionalLimits;

// The deviation bound follows the calculation block's copy of the range only.
const DQORecord kCalcRange = With({}, [](DQORecord& r) { r.dMaximum = 1, r.dCalcMaximum = 100; });

// "For Ho: mean <= Action Level, ..." and the relation that must hold.
std::string Relation(const char* ho, const char* relation)
{
    return std::string("For Ho: ") + ho +
           " Action Level, the following relationship must be satisfied:\n\n    " + relation;
}

const std::string kSumPrefix = "ERROR: Sum of stratum weights must be <= 1.0.\n"
                               "\tAccumulated Weights of previous strata: ";

// The checks run when the rows are made, as the tests are registered: after
// the locale was taken from the environment.
std::vector<MessageRow> Rows()
{
    return {
        // Accepted: the screen closes.
        {"",
         {OneMean(SD(0, 9999999, 50, 75, kAtMost, 10)), OneMean(CV(0, 100, 50, 75, kAtMost, 20)),
          // The action level may equal the minimum or maximum of a difference.
          TwoMean(SD(0, 10, 0, 5, kAtMost, 1)), TwoMean(SD(-10, 0, 0, -5, kAtLeast, 1)),
          // The modify screen does not check the range again.
          ModifyMean(kOneMean, SD(0, 1e8, 50, 75, kAtMost, 10)),
          OneMean(SD(0, 100, 50, 75, kAtMost, 1e150)), OneMean(SD(0, 100, 50, 75, kAtMost, 1e-150)),
          // The hidden action level of two proportions is never read.
          ModifyProp(kTwoProportion, kAtMost, 5.0, 0.15), CheckCosts(0.0, 0.0),
          CheckCosts(3.4e38, 3.4e38), CheckErrorLimits(0.5, 0.5), CheckErrorLimits(1e-45, 0.01),
          // A limit without its concentration is no row.
          Additional(kMeanAtMost, {{false, 0, 0.2}, kNo, kNo, kNo}),
          Additional(kDiffAtLeast, {At(-0.6, 0.1), At(-0.999, 0.1), At(0.5, 0.1), At(0.999, 0.1)}),
          Additional(kMeanNoBaseline, {At(1000, 0.1), kNo, kNo, At(-5, 0.1)}),
          CheckSummaryLimits(kMeanAtMost, {At(10, 0.1), kNo, At(80, 0.5), kNo}),
          CheckCompositeInputs(0.999, 1, 0.0), CheckStrataCount(2), CheckStrataCount(5),
          CheckMeanStratum(kCalcRange, {200, 0.5, 0}), CheckMeanStratum(kCalcRange, {10, 1, 0}),
          // 0.2 + 0.684 + 0.116 rounds to the smallest double above 1.
          CheckMeanStratum(kCalcRange, {10, 0.116, 0.2 + 0.684}),
          CheckPropStratum({0.5, 0.116, 0.2 + 0.684})}},
        {"The Maximum-Minimum range must be less than 7 digits.",
         {OneMean(SD(0, 1e-8, 50, 75, kAtMost, 10)), OneMean(SD(0, 1e7, 50, 75, kAtMost, 10)),
          TwoMean(SD(0, 1e-8, 0, 5, kAtMost, 1))}},
        {"The Minimum value must be less than the Maximum value.",
         {OneMean(SD(10, 5, 7, 8, kAtMost, 10))}},
        {Relation("mean <=",
                  "Minimum(0) < Action Level < Upper Bound of Gray Region < Maximum(10)"),
         {OneMean(SD(0, 10, 0, 5, kAtMost, 10)), OneMean(SD(0, 10, 5, 5, kAtMost, 10)),
          OneMean(SD(0, 10, 5, 10, kAtMost, 0))}},
        {Relation("mean >=",
                  "Minimum(0) < Lower Bound of Gray Region < Action Level < Maximum(100)"),
         {OneMean(SD(0, 100, 50, 0, kAtLeast, 10)), OneMean(SD(0, 100, 50, 60, kAtLeast, 10)),
          OneMean(SD(0, 100, 100, 50, kAtLeast, 10)), OneMean(SD(0, 100, 50, 75, -1, 10)),
          ModifyMean(kOneMean, SD(0, 100, 50, 60, kAtLeast, 10))}},
        // No minimum/maximum check of its own: the relation catches it first.
        {Relation("mean1-mean2 <=",
                  "Minimum(10) < Action Level(0) < Upper Bound of Gray Region( 5) < Maximum(5)"),
         {TwoMean(SD(10, 5, 0, 5, kAtMost, 0))}},
        {Relation("mean >=",
                  "Minimum(-10) < Lower Bound of Gray Region(5) < Action Level(0) < Maximum(10)"),
         {TwoMean(SD(-10, 10, 0, 5, kAtLeast, 1))}},
        {Relation("mean1-mean2 >=",
                  "Minimum(-20) < Lower Bound of Gray Region < Action Level <= Maximum(20)"),
         {ModifyMean(kTwoMean, SD(-20, 20, 30, -1.25, kAtLeast, 1))}},
        {Relation("mean1-mean2 <=",
                  "Minimum(0) <= Action Level < Upper Bound of Gray Region < Maximum(10)"),
         {ModifyMean(kTwoMean, SD(0, 10, 5, 3, kAtMost, 0))}},
        // In coefficient mode both the coefficient and the deviation it gives
        // must be positive.
        {"The estimate of the standard deviation must be\ngreater than zero: StdDev > 0.0",
         {OneMean(SD(0, 100, 50, 75, kAtMost, 0)), OneMean(CV(-100, 0, -50, -75, kAtLeast, -20)),
          OneMean(CV(-100, 0, -50, -75, kAtLeast, 20)),
          ModifyMean(kTwoMean, CV(0, 10, 2, 5, kAtMost, 0)),
          // A deviation whose square overflows or vanishes, also as the coefficient gives it.
          OneMean(SD(0, 100, 50, 75, kAtMost, 1e155)), OneMean(SD(0, 100, 50, 75, kAtMost, 1e-160)),
          OneMean(CV(0, 100, 50, 75, kAtMost, 1e308)), TwoMean(SD(0, 10, 0, 5, kAtMost, 1e-200))}},
        {Relation("proportion <=", "0.00 < Action Level < Upper Bound of Gray Region < 1.00"),
         {OneProp(kAtMost, 0.5, 1.0), OneProp(kAtMost, 0.0, 0.5),
          ModifyProp(kOneProportion, kAtMost, 0.5, 1.0)}},
        {Relation("proportion >=", "0.00 < Lower Bound of Gray Region < Action Level < 1.00"),
         {OneProp(kAtLeast, 0.5, 0.0), OneProp(kAtLeast, 1.0, 0.5), OneProp(-1, 0.5, 0.75)}},
        {Relation("prop1-prop2 <=", "0.00 < Upper Bound of Gray Region(1) < 1.00"),
         {TwoProp(kAtMost, 1.0)}},
        {Relation("prop1-prop2 >=", "-1.00 < Lower Bound of Gray Region(-1) < 0.00"),
         {TwoProp(kAtLeast, -1.0)}},
        {Relation("prop1-prop2 <=", "0.00 < Upper Bound of Gray Region < 1.00"),
         {ModifyProp(kTwoProportion, kAtMost, 0.0, 1.0)}},
        {Relation("prop1-prop2 >=", "-1.00 < Lower Bound of Gray Region < 0.00"),
         {ModifyProp(kTwoProportion, kAtLeast, 0.0, -1.0)}},
        {"Laboratory and Field costs cannot be less than zero.",
         // A cost that single precision cannot hold is refused, not clamped.
         {CheckCosts(-1.0, 0.0), CheckCosts(0.0, -0.01), CheckCosts(3.5e38, 0.0),
          CheckCosts(0.0, 1e39)}},
        {"Error limits must be in the range: 0 < Error Limit <= 0.5",
         {CheckErrorLimits(0.5, 0.0), CheckErrorLimits(0.51, 0.5),
          // Limits that single precision turns into 0.
          CheckErrorLimits(1e-46, 0.01), Additional(kMeanAtMost, {At(10, 1e-50), kNo, kNo, kNo}),
          Additional(kMeanAtMost, {kNo, kNo, At(80, 0), At(60, 0.1)}),
          CheckSummaryLimits(kMeanAtMost, {kNo, kNo, At(80, 0.6), kNo}), CheckErrorLimit(0.6),
          CheckErrorLimit(0)}},
        {"Additional concentrations in the false rejection region must be in the range:\n"
         "Minimum (0.000) < Additional concentration < Action Level (50.000)",
         {Additional(kMeanAtMost, {At(50, 0.1), kNo, kNo, kNo}),
          Additional(kMeanAtMost, {At(60, 0), At(60, 0.1), kNo, kNo})}},
        {"Additional concentrations in the false rejection region must be in the range:\n"
         "Minimum(0.000) < Additional concentration < Action Level(50.000)",
         {Additional(kMeanAtMost, {kNo, At(50, 0.1), kNo, kNo}),
          Additional(kMeanAtMost, {At(10, 0.1), At(60, 0.1), At(80, 0), kNo}),
          CheckSummaryLimits(kMeanAtMost, {At(60, 0.1), kNo, kNo, kNo})}},
        {"Additional concentrations in the false acceptance region must be in the range:\n"
         "Gray Region Upper Bound(75.000) < Additional concentration < Maximum(100.000)",
         {Additional(kMeanAtMost, {kNo, kNo, At(75, 0.1), kNo}),
          Additional(kMeanAtMost, {kNo, kNo, At(60, 0.1), At(80, 0)})}},
        // No plural in the verification screen's row 6, whatever the baseline.
        {"Additional concentration in the false acceptance region must be in the range:\n"
         "Gray Region Upper Bound(75.000) < Additional concentration < Maximum(100.000)",
         {CheckVerificationLimits(kMeanAtMost, {kNo, kNo, kNo, At(100, 0.1)})}},
        // No plural in the summary screen's row 6.
        {"Additional concentration in the false rejection region must be in the range:\n"
         "Action Level(50.000) < Additional concentration < Maximum(100.000)",
         {CheckSummaryLimits(kMeanAtLeast, {kNo, kNo, kNo, At(40, 0.1)})}},
        {"Additional concentrations in the false acceptance region must be in the range:\n"
         "Minimum(0.000) < Additional concentration < Gray Region Lower Bound(25.000)",
         {Additional(kMeanAtLeast, {kNo, At(25, 0.1), kNo, kNo})}},
        {"Additional concentrations in the false rejection region must be in the range:\n"
         "Action Level(50.000) < Additional concentration < Maximum(100.000)",
         {Additional(kMeanAtLeast, {kNo, kNo, kNo, At(50, 0.1)})}},
        {"Additional proportions in the false rejection region must be in the range:\n"
         "Minimum(0.000) < Additional proportion < Action Level(0.500)",
         {Additional(kPropAtMost, {kNo, At(0.5, 0.1), kNo, kNo})}},
        {"Additional proportions in the false acceptance region must be in the range:\n"
         "Minimum(-1.000) < Additional proportion < Gray Region Lower Bound(-0.500)",
         {Additional(kDiffAtLeast, {At(-1, 0.1), kNo, kNo, kNo})}},
        {"Additional proportions in the false rejection region must be in the range:\n"
         "Action Level(0.000) < Additional proportion < Maximum(1.000)",
         {Additional(kDiffAtLeast, {kNo, kNo, At(0, 0.1), kNo}),
          Additional(kDiffAtLeast, {At(-0.6, 0.1), kNo, kNo, At(1, 0.1)})}},
        {"ERROR: Ratio of measurement SD to Total SD must be in the range:\n\t\t0.0 < Ratio < "
         "1.0\n",
         {CheckCompositeInputs(1.0, 0, -1.0), CheckCompositeInputs(0.0, 4, 5.0)}},
        {"ERROR: Number of aliquots per sample must be greater than zero.",
         {CheckCompositeInputs(0.5, 0, -1.0)}},
        {"ERROR: Cost for compositing aliquots cannot be less than zero.",
         {CheckCompositeInputs(0.5, 4, -0.01), CheckCompositeInputs(0.5, 4, 1e39)}},
        {"Error: Number of Strata must be in the range 2 to 5!\nRe-enter the number of strata.",
         {CheckStrataCount(0), CheckStrataCount(1), CheckStrataCount(6)}},
        {"ERROR: Stratum standard deviation must be in the range:\n\t\t0.0 < std dev <= 200.00\n",
         {CheckMeanStratum(kCalcRange, {200.01, 0.5, 0}),
          CheckMeanStratum(kCalcRange, {1e-300, 0.5, 0})}},
        {"ERROR: Stratum underlying proportion must be in the range:\n0.0 < proportion < 1.0",
         {CheckPropStratum({0, 0.5, 0}), CheckPropStratum({1, -0.1, 0}),
          CheckPropStratum({1e-310, 0.5, 0})}},
        {"ERROR: Stratum weight must be in the range:\n\t\t0.0 <= weight <= 1.0",
         {CheckMeanStratum(kCalcRange, {10, -0.1, 0}), CheckPropStratum({0.5, 1.1, 0.5})}},
        {kSumPrefix + "0.600\n\tWeight for current stratum: 0.500\n\tSum: 1.100000",
         {CheckMeanStratum(kCalcRange, {10, 0.5, 0.6})}},
        // Only the rounding of an exact sum of 1 is tolerated.
        {kSumPrefix + "1.000\n\tWeight for current stratum: 0.000\n\tSum: 1.000000",
         {CheckMeanStratum(kCalcRange, {10, std::ldexp(1.0, -51), 1.0})}},
        {kSumPrefix + "0.600\n\tWeight for current stratum: 0.500",
         {CheckPropStratum({0.5, 0.5, 0.6})}},
    };
}

INSTANTIATE_TEST_SUITE_P(Screens, InputChecks, testing::ValuesIn(Rows()));

} // namespace

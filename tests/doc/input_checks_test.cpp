#include "doc/input_checks.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "doc/dqo_record.h"

namespace {

// One row of a table: the screen's converted inputs and the whole message
// expected ("" when the screen closes).
template <typename Input> struct Case {
    const char* name;
    Input input;
    std::string expected;
};

template <typename Input> std::string CaseName(const testing::TestParamInfo<Case<Input>>& info)
{
    return info.param.name;
}

const std::string kAccepted;
const std::string kRangeMessage = "The Maximum-Minimum range must be less than 7 digits.";
const std::string kMinMaxMessage = "The Minimum value must be less than the Maximum value.";
const std::string kSDMessage =
    "The estimate of the standard deviation must be\ngreater than zero: StdDev > 0.0";
const std::string kErrorLimitMessage = "Error limits must be in the range: 0 < Error Limit <= 0.5";

std::string OneMeanAtMostMessage(const char* min, const char* max)
{
    return std::string("For Ho: mean <= Action Level, the following relationship must be "
                       "satisfied:\n\n    Minimum(") +
           min + ") < Action Level < Upper Bound of Gray Region < Maximum(" + max + ")";
}

std::string OneMeanAtLeastMessage(const char* min, const char* max)
{
    return std::string("For Ho: mean >= Action Level, the following relationship must be "
                       "satisfied:\n\n    Minimum(") +
           min + ") < Lower Bound of Gray Region < Action Level < Maximum(" + max + ")";
}

MeanInputs ByValue(double min, double max, double al, double bound, int baseline, double sd)
{
    MeanInputs in;
    in.minimum = min;
    in.maximum = max;
    in.actionLevel = al;
    in.otherBound = bound;
    in.baseline = baseline;
    in.sdMode = kSDByValue;
    in.sd = sd;
    return in;
}

MeanInputs ByCV(double min, double max, double al, double bound, int baseline, double cvPercent)
{
    MeanInputs in = ByValue(min, max, al, bound, baseline, 0);
    in.sdMode = kSDByCV;
    in.cvPercent = cvPercent;
    return in;
}

// Means

class OneMeanCheck : public testing::TestWithParam<Case<MeanInputs>> {};

TEST_P(OneMeanCheck, GivesFirstFailingMessage)
{
    EXPECT_EQ(CheckOneMeanInputs(GetParam().input), GetParam().expected);
}

const Case<MeanInputs> kOneMeanCases[] = {
    {"WorkedExample", ByValue(0, 100, 50, 75, kBaselineAtMost, 16.67), kAccepted},
    {"AtLeastValid", ByValue(0, 100, 50, 25, kBaselineAtLeast, 10), kAccepted},
    {"RangeTooSmall", ByValue(0, 1e-8, 50, 75, kBaselineAtMost, 10), kRangeMessage},
    {"RangeTooLarge", ByValue(0, 1e7, 50, 75, kBaselineAtMost, 10), kRangeMessage},
    {"RangeOfSevenDigits", ByValue(0, 9999999, 50, 75, kBaselineAtMost, 10), kAccepted},
    {"RangeBeforeMinMax", ByValue(1e-8, 0, 50, 75, kBaselineAtMost, 10), kRangeMessage},
    {"MinAboveMax", ByValue(10, 5, 7, 8, kBaselineAtMost, 10), kMinMaxMessage},
    {"UpperBoundAtMaximum", ByValue(0, 100, 50, 100, kBaselineAtMost, 10),
     OneMeanAtMostMessage("0", "100")},
    {"ActionLevelAtMinimum", ByValue(0, 10, 0, 5, kBaselineAtMost, 10),
     OneMeanAtMostMessage("0", "10")},
    {"LowerBoundAboveActionLevel", ByValue(0, 100, 50, 60, kBaselineAtLeast, 10),
     OneMeanAtLeastMessage("0", "100")},
    {"NoBaselineChosenIsAtLeast", ByValue(0, 100, 50, 75, -1, 10),
     OneMeanAtLeastMessage("0", "100")},
    {"SixSignificantDigits", ByValue(0.000123456789, 1234567.8, 50, 40, kBaselineAtMost, 10),
     OneMeanAtMostMessage("0.000123457", "1.23457e+06")},
    {"RelationBeforeDeviation", ByValue(0, 100, 50, 100, kBaselineAtMost, 0),
     OneMeanAtMostMessage("0", "100")},
    {"DeviationZero", ByValue(0, 100, 50, 75, kBaselineAtMost, 0), kSDMessage},
    {"DeviationNegative", ByValue(0, 100, 50, 75, kBaselineAtMost, -1), kSDMessage},
    {"ValueModeIgnoresCoefficient", ByValue(0, 100, 50, 75, kBaselineAtMost, 10), kAccepted},
    {"CoefficientIgnoresValue", ByCV(0, 100, 50, 75, kBaselineAtMost, 20), kAccepted},
    {"CoefficientZero", ByCV(0, 100, 50, 75, kBaselineAtMost, 0), kSDMessage},
    // Both must be positive: a negative coefficient of a negative action
    // level gives a positive deviation, a positive one a negative deviation.
    {"CoefficientNegative", ByCV(-100, 0, -50, -75, kBaselineAtLeast, -20), kSDMessage},
    {"CoefficientDeviationNegative", ByCV(-100, 0, -50, -75, kBaselineAtLeast, 20), kSDMessage},
};

INSTANTIATE_TEST_SUITE_P(Table, OneMeanCheck, testing::ValuesIn(kOneMeanCases),
                         CaseName<MeanInputs>);

class TwoMeanCheck : public testing::TestWithParam<Case<MeanInputs>> {};

TEST_P(TwoMeanCheck, GivesFirstFailingMessage)
{
    EXPECT_EQ(CheckTwoMeanInputs(GetParam().input), GetParam().expected);
}

const Case<MeanInputs> kTwoMeanCases[] = {
    {"ActionLevelAtMinimum", ByValue(0, 10, 0, 5, kBaselineAtMost, 1), kAccepted},
    {"ActionLevelAtMaximum", ByValue(-10, 0, 0, -5, kBaselineAtLeast, 1), kAccepted},
    {"RangeTooSmall", ByValue(0, 1e-8, 0, 5, kBaselineAtMost, 1), kRangeMessage},
    {"AtMostRelation", ByValue(-10, 10, 5, 3, kBaselineAtMost, 1),
     "For Ho: mean1-mean2 <= Action Level, the following relationship must be satisfied:\n\n"
     "    Minimum(-10) < Action Level(5) < Upper Bound of Gray Region( 3) < Maximum(10)"},
    // No minimum/maximum check of its own: the relation catches it.
    {"MinAboveMax", ByValue(10, 5, 0, 5, kBaselineAtMost, 1),
     "For Ho: mean1-mean2 <= Action Level, the following relationship must be satisfied:\n\n"
     "    Minimum(10) < Action Level(0) < Upper Bound of Gray Region( 5) < Maximum(5)"},
    {"AtLeastRelation", ByValue(-10, 10, 0, 5, kBaselineAtLeast, 1),
     "For Ho: mean >= Action Level, the following relationship must be satisfied:\n\n"
     "    Minimum(-10) < Lower Bound of Gray Region(5) < Action Level(0) < Maximum(10)"},
    {"DeviationZero", ByValue(0, 10, 0, 5, kBaselineAtMost, 0), kSDMessage},
    {"CoefficientZero", ByCV(-10, 10, 2, 5, kBaselineAtMost, 0), kSDMessage},
};

INSTANTIATE_TEST_SUITE_P(Table, TwoMeanCheck, testing::ValuesIn(kTwoMeanCases),
                         CaseName<MeanInputs>);

struct ModifyMeanInput {
    int parameter;
    MeanInputs in;
};

class ModifyMeanCheck : public testing::TestWithParam<Case<ModifyMeanInput>> {};

TEST_P(ModifyMeanCheck, GivesFirstFailingMessage)
{
    const ModifyMeanInput& input = GetParam().input;
    EXPECT_EQ(CheckModifyMeanInputs(input.parameter, input.in), GetParam().expected);
}

const Case<ModifyMeanInput> kModifyMeanCases[] = {
    {"OneSampleValid", {kOneMean, ByValue(0, 100, 60, 80, kBaselineAtMost, 10)}, kAccepted},
    // The range is not checked again on this screen.
    {"NoRangeCheck", {kOneMean, ByValue(0, 1e8, 50, 75, kBaselineAtMost, 10)}, kAccepted},
    {"OneSampleActionLevelAtMinimum",
     {kOneMean, ByValue(0, 10, 0, 5, kBaselineAtMost, 10)},
     OneMeanAtMostMessage("0", "10")},
    {"OneSampleAtLeast",
     {kOneMean, ByValue(0, 100, 50, 60, kBaselineAtLeast, 10)},
     OneMeanAtLeastMessage("0", "100")},
    {"TwoSampleActionLevelAtMinimum",
     {kTwoMean, ByValue(0, 10, 0, 5, kBaselineAtMost, 1)},
     kAccepted},
    {"TwoSampleActionLevelAtMaximum",
     {kTwoMean, ByValue(-10, 0, 0, -5, kBaselineAtLeast, 1)},
     kAccepted},
    {"TwoSampleAtMost",
     {kTwoMean, ByValue(0, 10, 5, 3, kBaselineAtMost, 1)},
     "For Ho: mean1-mean2 <= Action Level, the following relationship must be satisfied:\n\n"
     "    Minimum(0) <= Action Level < Upper Bound of Gray Region < Maximum(10)"},
    {"TwoSampleAtLeast",
     {kTwoMean, ByValue(-10, 10, 0, 5, kBaselineAtLeast, 1)},
     "For Ho: mean1-mean2 >= Action Level, the following relationship must be satisfied:\n\n"
     "    Minimum(-10) < Lower Bound of Gray Region < Action Level <= Maximum(10)"},
    {"RelationBeforeDeviation",
     {kTwoMean, ByValue(0, 10, 5, 3, kBaselineAtMost, 0)},
     "For Ho: mean1-mean2 <= Action Level, the following relationship must be satisfied:\n\n"
     "    Minimum(0) <= Action Level < Upper Bound of Gray Region < Maximum(10)"},
    {"DeviationZero", {kOneMean, ByValue(0, 100, 50, 75, kBaselineAtMost, 0)}, kSDMessage},
    {"CoefficientZero", {kTwoMean, ByCV(0, 10, 2, 5, kBaselineAtMost, 0)}, kSDMessage},
};

INSTANTIATE_TEST_SUITE_P(Table, ModifyMeanCheck, testing::ValuesIn(kModifyMeanCases),
                         CaseName<ModifyMeanInput>);

// Proportions

struct PropInput {
    int parameter;
    int baseline;
    double actionLevel;
    double otherBound;
};

const std::string kOnePropAtMost =
    "For Ho: proportion <= Action Level, the following relationship must be satisfied:\n\n"
    "    0.00 < Action Level < Upper Bound of Gray Region < 1.00";
const std::string kOnePropAtLeast =
    "For Ho: proportion >= Action Level, the following relationship must be satisfied:\n\n"
    "    0.00 < Lower Bound of Gray Region < Action Level < 1.00";
const std::string kTwoPropAtMostFixed =
    "For Ho: prop1-prop2 <= Action Level, the following relationship must be satisfied:\n\n"
    "    0.00 < Upper Bound of Gray Region < 1.00";
const std::string kTwoPropAtLeastFixed =
    "For Ho: prop1-prop2 >= Action Level, the following relationship must be satisfied:\n\n"
    "    -1.00 < Lower Bound of Gray Region < 0.00";

std::string TwoPropAtMost(const char* bound)
{
    return std::string("For Ho: prop1-prop2 <= Action Level, the following relationship must be "
                       "satisfied:\n\n    0.00 < Upper Bound of Gray Region(") +
           bound + ") < 1.00";
}

std::string TwoPropAtLeast(const char* bound)
{
    return std::string("For Ho: prop1-prop2 >= Action Level, the following relationship must be "
                       "satisfied:\n\n    -1.00 < Lower Bound of Gray Region(") +
           bound + ") < 0.00";
}

class OnePropCheck : public testing::TestWithParam<Case<PropInput>> {};

TEST_P(OnePropCheck, GivesMessage)
{
    const PropInput& in = GetParam().input;
    EXPECT_EQ(CheckOnePropInputs(in.baseline, in.actionLevel, in.otherBound), GetParam().expected);
}

const Case<PropInput> kOnePropCases[] = {
    {"AtMostValid", {kOneProportion, kBaselineAtMost, 0.5, 0.75}, kAccepted},
    {"UpperBoundOne", {kOneProportion, kBaselineAtMost, 0.5, 1}, kOnePropAtMost},
    {"UpperBoundBelowActionLevel", {kOneProportion, kBaselineAtMost, 0.5, 0.4}, kOnePropAtMost},
    {"ActionLevelZero", {kOneProportion, kBaselineAtMost, 0, 0.5}, kOnePropAtMost},
    {"AtLeastValid", {kOneProportion, kBaselineAtLeast, 0.5, 0.25}, kAccepted},
    {"LowerBoundZero", {kOneProportion, kBaselineAtLeast, 0.5, 0}, kOnePropAtLeast},
    {"LowerBoundAboveActionLevel", {kOneProportion, kBaselineAtLeast, 0.5, 0.6}, kOnePropAtLeast},
    {"ActionLevelOne", {kOneProportion, kBaselineAtLeast, 1, 0.5}, kOnePropAtLeast},
    {"NoBaselineChosenIsAtLeast", {kOneProportion, -1, 0.5, 0.75}, kOnePropAtLeast},
};

INSTANTIATE_TEST_SUITE_P(Table, OnePropCheck, testing::ValuesIn(kOnePropCases),
                         CaseName<PropInput>);

class TwoPropCheck : public testing::TestWithParam<Case<PropInput>> {};

TEST_P(TwoPropCheck, GivesMessage)
{
    const PropInput& in = GetParam().input;
    EXPECT_EQ(CheckTwoPropInputs(in.baseline, in.otherBound), GetParam().expected);
}

const Case<PropInput> kTwoPropCases[] = {
    {"AtMostValid", {kTwoProportion, kBaselineAtMost, 0, 0.15}, kAccepted},
    {"UpperBoundOne", {kTwoProportion, kBaselineAtMost, 0, 1}, TwoPropAtMost("1")},
    {"UpperBoundZero", {kTwoProportion, kBaselineAtMost, 0, 0}, TwoPropAtMost("0")},
    {"UpperBoundNegative", {kTwoProportion, kBaselineAtMost, 0, -0.15}, TwoPropAtMost("-0.15")},
    {"LowerBoundMinusOne", {kTwoProportion, kBaselineAtLeast, 0, -1}, TwoPropAtLeast("-1")},
    {"LowerBoundInside", {kTwoProportion, kBaselineAtLeast, 0, -0.999}, kAccepted},
    {"LowerBoundZero", {kTwoProportion, kBaselineAtLeast, 0, 0}, TwoPropAtLeast("0")},
};

INSTANTIATE_TEST_SUITE_P(Table, TwoPropCheck, testing::ValuesIn(kTwoPropCases),
                         CaseName<PropInput>);

class ModifyPropCheck : public testing::TestWithParam<Case<PropInput>> {};

TEST_P(ModifyPropCheck, GivesMessage)
{
    const PropInput& in = GetParam().input;
    EXPECT_EQ(CheckModifyPropInputs(in.parameter, in.baseline, in.actionLevel, in.otherBound),
              GetParam().expected);
}

const Case<PropInput> kModifyPropCases[] = {
    {"OneSampleValid", {kOneProportion, kBaselineAtMost, 0.5, 0.75}, kAccepted},
    {"OneSampleUpperBoundOne", {kOneProportion, kBaselineAtMost, 0.5, 1}, kOnePropAtMost},
    {"OneSampleAtLeast", {kOneProportion, kBaselineAtLeast, 0.5, 0.6}, kOnePropAtLeast},
    // The hidden action level of two proportions is never read.
    {"TwoSampleIgnoresActionLevel", {kTwoProportion, kBaselineAtMost, 5, 0.15}, kAccepted},
    {"TwoSampleUpperBoundOne", {kTwoProportion, kBaselineAtMost, 0, 1}, kTwoPropAtMostFixed},
    {"TwoSampleLowerBoundMinusOne",
     {kTwoProportion, kBaselineAtLeast, 0, -1},
     kTwoPropAtLeastFixed},
    {"TwoSampleLowerBoundInside", {kTwoProportion, kBaselineAtLeast, 0, -0.999}, kAccepted},
};

INSTANTIATE_TEST_SUITE_P(Table, ModifyPropCheck, testing::ValuesIn(kModifyPropCases),
                         CaseName<PropInput>);

// Costs and decision error limits

struct Pair {
    double first;
    double second;
};

const std::string kCostMessage = "Laboratory and Field costs cannot be less than zero.";

class CostsCheck : public testing::TestWithParam<Case<Pair>> {};

TEST_P(CostsCheck, GivesMessage)
{
    EXPECT_EQ(CheckCosts(GetParam().input.first, GetParam().input.second), GetParam().expected);
}

const Case<Pair> kCostCases[] = {
    {"WorkedExample", {1000, 50}, kAccepted},
    {"BothZero", {0, 0}, kAccepted},
    {"LabNegative", {-1, 0}, kCostMessage},
    {"FieldNegative", {0, -0.01}, kCostMessage},
};

INSTANTIATE_TEST_SUITE_P(Table, CostsCheck, testing::ValuesIn(kCostCases), CaseName<Pair>);

class ErrorLimitsCheck : public testing::TestWithParam<Case<Pair>> {};

TEST_P(ErrorLimitsCheck, GivesMessage)
{
    EXPECT_EQ(CheckErrorLimits(GetParam().input.first, GetParam().input.second),
              GetParam().expected);
}

const Case<Pair> kErrorLimitCases[] = {
    {"WorkedExample", {0.01, 0.01}, kAccepted},
    {"BothHalf", {0.5, 0.5}, kAccepted},
    {"LowerZero", {0, 0.5}, kErrorLimitMessage},
    {"UpperZero", {0.5, 0}, kErrorLimitMessage},
    {"LowerAboveHalf", {0.51, 0.5}, kErrorLimitMessage},
    {"UpperAboveHalf", {0.5, 0.51}, kErrorLimitMessage},
};

INSTANTIATE_TEST_SUITE_P(Table, ErrorLimitsCheck, testing::ValuesIn(kErrorLimitCases),
                         CaseName<Pair>);

// Additional decision error limits

DQORecord MeanRecord(int baseline)
{
    DQORecord rec;
    rec.nParameter = kOneMean;
    rec.nBaseline = baseline;
    rec.dMinimum = 0;
    rec.dMaximum = 100;
    rec.dActionLevel = 50;
    rec.dLowerBound = baseline == kBaselineAtMost ? 50 : 25;
    rec.dUpperBound = baseline == kBaselineAtMost ? 75 : 50;
    return rec;
}

DQORecord OnePropRecord()
{
    DQORecord rec;
    rec.nParameter = kOneProportion;
    rec.nBaseline = kBaselineAtMost;
    rec.dMinimum = 0;
    rec.dMaximum = 1;
    rec.dActionLevel = 0.5;
    rec.dLowerBound = 0.5;
    rec.dUpperBound = 0.75;
    return rec;
}

DQORecord TwoPropRecord()
{
    DQORecord rec;
    rec.nParameter = kTwoProportion;
    rec.nBaseline = kBaselineAtLeast;
    rec.dMinimum = -1;
    rec.dMaximum = 1;
    rec.dActionLevel = 0;
    rec.dLowerBound = -0.2;
    rec.dUpperBound = 0;
    return rec;
}

// The range of two proportions is fixed, whatever the record's minimum and
// maximum hold.
DQORecord TwoPropRecordWithMeanRange()
{
    DQORecord rec = TwoPropRecord();
    rec.dMinimum = 0;
    rec.dMaximum = 100;
    return rec;
}

DQORecord NoBaselineRecord()
{
    DQORecord rec = MeanRecord(kBaselineAtMost);
    rec.nBaseline = -1;
    return rec;
}

constexpr AdditionalLimitRow kEmpty = {false, 0, 0};

AdditionalLimitRow Row(double point, double limit)
{
    return {true, point, limit};
}

struct AdditionalInput {
    DQORecord rec;
    AdditionalLimitRows rows;
};

const std::string kLeftBottomAtMost =
    "Additional concentrations in the false rejection region must be in the range:\n"
    "Minimum (0.000) < Additional concentration < Action Level (50.000)";
const std::string kLeftTopAtMost =
    "Additional concentrations in the false rejection region must be in the range:\n"
    "Minimum(0.000) < Additional concentration < Action Level(50.000)";
const std::string kRightAtMost =
    "Additional concentrations in the false acceptance region must be in the range:\n"
    "Gray Region Upper Bound(75.000) < Additional concentration < Maximum(100.000)";
const std::string kLeftAtLeast =
    "Additional concentrations in the false acceptance region must be in the range:\n"
    "Minimum(0.000) < Additional concentration < Gray Region Lower Bound(25.000)";
const std::string kRightAtLeast =
    "Additional concentrations in the false rejection region must be in the range:\n"
    "Action Level(50.000) < Additional concentration < Maximum(100.000)";

class AdditionalLimitsCheck : public testing::TestWithParam<Case<AdditionalInput>> {};

TEST_P(AdditionalLimitsCheck, GivesFirstFailingMessage)
{
    const AdditionalInput& in = GetParam().input;
    EXPECT_EQ(CheckAdditionalLimits(in.rec, in.rows), GetParam().expected);
}

// Rows in the order leftBottom, leftTop, rightTop, rightBottom.
const Case<AdditionalInput> kAdditionalCases[] = {
    {"NoRows", {MeanRecord(kBaselineAtMost), {kEmpty, kEmpty, kEmpty, kEmpty}}, kAccepted},
    {"AllRowsValid",
     {MeanRecord(kBaselineAtMost), {Row(10, 0.1), Row(40, 0.2), Row(80, 0.2), Row(90, 0.5)}},
     kAccepted},
    {"LeftBottomAtActionLevel",
     {MeanRecord(kBaselineAtMost), {Row(50, 0.1), kEmpty, kEmpty, kEmpty}},
     kLeftBottomAtMost},
    {"LeftTopAtActionLevel",
     {MeanRecord(kBaselineAtMost), {kEmpty, Row(50, 0.1), kEmpty, kEmpty}},
     kLeftTopAtMost},
    {"LeftJustBelowActionLevel",
     {MeanRecord(kBaselineAtMost), {Row(49.9, 0.1), kEmpty, kEmpty, kEmpty}},
     kAccepted},
    {"LeftAtMinimum",
     {MeanRecord(kBaselineAtMost), {Row(0, 0.1), kEmpty, kEmpty, kEmpty}},
     kLeftBottomAtMost},
    {"EmptyLimitReadsZero",
     {MeanRecord(kBaselineAtMost), {Row(10, 0), kEmpty, kEmpty, kEmpty}},
     kErrorLimitMessage},
    {"LimitWithoutPointNotChecked",
     {MeanRecord(kBaselineAtMost), {{false, 0, 0.2}, kEmpty, kEmpty, kEmpty}},
     kAccepted},
    {"LimitAboveHalf",
     {MeanRecord(kBaselineAtMost), {kEmpty, kEmpty, Row(80, 0.51), kEmpty}},
     kErrorLimitMessage},
    {"RightTopAtUpperBound",
     {MeanRecord(kBaselineAtMost), {kEmpty, kEmpty, Row(75, 0.1), kEmpty}},
     kRightAtMost},
    {"RightBottomAtMaximum",
     {MeanRecord(kBaselineAtMost), {kEmpty, kEmpty, kEmpty, Row(100, 0.1)}},
     kRightAtMost},
    {"AtLeastLeftAtLowerBound",
     {MeanRecord(kBaselineAtLeast), {kEmpty, Row(25, 0.1), kEmpty, kEmpty}},
     kLeftAtLeast},
    {"AtLeastRightAtActionLevel",
     {MeanRecord(kBaselineAtLeast), {kEmpty, kEmpty, kEmpty, Row(50, 0.1)}},
     kRightAtLeast},
    {"AtLeastValid",
     {MeanRecord(kBaselineAtLeast), {Row(20, 0.1), Row(10, 0.1), Row(60, 0.1), Row(99, 0.1)}},
     kAccepted},
    {"PointBeforeLimit",
     {MeanRecord(kBaselineAtMost), {Row(60, 0), kEmpty, kEmpty, kEmpty}},
     kLeftBottomAtMost},
    {"LeftBottomBeforeLeftTop",
     {MeanRecord(kBaselineAtMost), {Row(60, 0.1), Row(60, 0.1), kEmpty, kEmpty}},
     kLeftBottomAtMost},
    {"LeftTopBeforeRightTop",
     {MeanRecord(kBaselineAtMost), {Row(10, 0.1), Row(60, 0.1), Row(80, 0), kEmpty}},
     kLeftTopAtMost},
    {"RightTopBeforeRightBottom",
     {MeanRecord(kBaselineAtMost), {kEmpty, kEmpty, Row(80, 0), Row(60, 0.1)}},
     kErrorLimitMessage},
    {"RightTopPointBeforeRightBottomLimit",
     {MeanRecord(kBaselineAtMost), {kEmpty, kEmpty, Row(60, 0.1), Row(80, 0)}},
     kRightAtMost},
    {"ProportionNamesAndDecimals",
     {OnePropRecord(), {kEmpty, Row(0.5, 0.1), kEmpty, kEmpty}},
     "Additional proportions in the false rejection region must be in the range:\n"
     "Minimum(0.000) < Additional proportion < Action Level(0.500)"},
    {"TwoProportionsLeftAtMinusOne",
     {TwoPropRecord(), {Row(-1, 0.1), kEmpty, kEmpty, kEmpty}},
     "Additional proportions in the false acceptance region must be in the range:\n"
     "Minimum(-1.000) < Additional proportion < Gray Region Lower Bound(-0.200)"},
    {"TwoProportionsRightAtZero",
     {TwoPropRecord(), {kEmpty, kEmpty, Row(0, 0.1), kEmpty}},
     "Additional proportions in the false rejection region must be in the range:\n"
     "Action Level(0.000) < Additional proportion < Maximum(1.000)"},
    {"TwoProportionsValid",
     {TwoPropRecord(), {Row(-0.5, 0.1), Row(-0.999, 0.1), Row(0.5, 0.1), Row(0.999, 0.1)}},
     kAccepted},
    {"TwoProportionsRangeIsFixed",
     {TwoPropRecordWithMeanRange(), {Row(-0.5, 0.1), kEmpty, kEmpty, Row(1, 0.1)}},
     "Additional proportions in the false rejection region must be in the range:\n"
     "Action Level(0.000) < Additional proportion < Maximum(1.000)"},
    {"OtherBaselineHasNoRange",
     {NoBaselineRecord(), {Row(1000, 0.1), kEmpty, kEmpty, Row(-5, 0.1)}},
     kAccepted},
    {"OtherBaselineStillChecksLimit",
     {NoBaselineRecord(), {Row(1000, 0), kEmpty, kEmpty, kEmpty}},
     kErrorLimitMessage},
};

INSTANTIATE_TEST_SUITE_P(Table, AdditionalLimitsCheck, testing::ValuesIn(kAdditionalCases),
                         CaseName<AdditionalInput>);

// Sampling design inputs

struct CompositeInput {
    double ratio;
    int aliquots;
    double cost;
};

const std::string kRatioMessage =
    "ERROR: Ratio of measurement SD to Total SD must be in the range:\n\t\t0.0 < Ratio < 1.0\n";
const std::string kAliquotsMessage =
    "ERROR: Number of aliquots per sample must be greater than zero.";
const std::string kCompositingCostMessage =
    "ERROR: Cost for compositing aliquots cannot be less than zero.";

class CompositeCheck : public testing::TestWithParam<Case<CompositeInput>> {};

TEST_P(CompositeCheck, GivesFirstFailingMessage)
{
    const CompositeInput& in = GetParam().input;
    EXPECT_EQ(CheckCompositeInputs(in.ratio, in.aliquots, in.cost), GetParam().expected);
}

const Case<CompositeInput> kCompositeCases[] = {
    {"Defaults", {0.10, 4, 5.00}, kAccepted},
    {"RatioOne", {1, 4, 5}, kRatioMessage},
    {"RatioJustBelowOne", {0.999, 4, 5}, kAccepted},
    {"RatioZero", {0, 4, 5}, kRatioMessage},
    {"AliquotsZero", {0.5, 0, 5}, kAliquotsMessage},
    {"OneAliquot", {0.5, 1, 5}, kAccepted},
    {"CostZero", {0.5, 4, 0}, kAccepted},
    {"CostNegative", {0.5, 4, -0.01}, kCompositingCostMessage},
    {"RatioFirst", {1, 0, -1}, kRatioMessage},
    {"AliquotsBeforeCost", {0.5, 0, -1}, kAliquotsMessage},
};

INSTANTIATE_TEST_SUITE_P(Table, CompositeCheck, testing::ValuesIn(kCompositeCases),
                         CaseName<CompositeInput>);

TEST(StrataCountCheck, AcceptsTwoToFive)
{
    const std::string message =
        "Error: Number of Strata must be in the range 2 to 5!\nRe-enter the number of strata.";
    const struct {
        int strata;
        std::string expected;
    } cases[] = {{0, message}, {1, message}, {2, kAccepted}, {5, kAccepted}, {6, message}};
    for (const auto& c : cases)
        EXPECT_EQ(CheckStrataCount(c.strata), c.expected) << c.strata << " strata";
}

const std::string kWeightMessage =
    "ERROR: Stratum weight must be in the range:\n\t\t0.0 <= weight <= 1.0";

std::string StratumSDMessage(const char* limit)
{
    return std::string("ERROR: Stratum standard deviation must be in the range:\n\t\t0.0 < std "
                       "dev <= ") +
           limit + "\n";
}

const std::string kSumPrefix = "ERROR: Sum of stratum weights must be <= 1.0.\n\tAccumulated "
                               "Weights of previous strata: ";

class MeanStratumCheck : public testing::TestWithParam<Case<StratumInputs>> {};

TEST_P(MeanStratumCheck, GivesFirstFailingMessage)
{
    DQORecord rec;
    rec.dCalcMinimum = 0;
    rec.dCalcMaximum = 100;
    EXPECT_EQ(CheckMeanStratum(rec, GetParam().input), GetParam().expected);
}

const Case<StratumInputs> kMeanStratumCases[] = {
    {"DeviationTwiceRange", {200, 0.5, 0}, kAccepted},
    {"DeviationAboveTwiceRange", {200.01, 0.5, 0}, StratumSDMessage("200.00")},
    {"DeviationZero", {0, 0.5, 0}, StratumSDMessage("200.00")},
    {"EmptyWeight", {10, 0, 0}, kAccepted},
    {"WeightNegative", {10, -0.1, 0}, kWeightMessage},
    {"WeightAboveOne", {10, 1.1, 0}, kWeightMessage},
    {"DeviationBeforeWeight", {0, 1.1, 0}, StratumSDMessage("200.00")},
    {"WeightBeforeSum", {10, 1.5, 0.5}, kWeightMessage},
    {"SumAboveOne",
     {10, 0.5, 0.6},
     kSumPrefix + "0.600\n\tWeight for current stratum: 0.500\n\tSum: 1.100000"},
    {"OfferedWeights", {10, 0.334, 0.333 + 0.333}, kAccepted},
    // 0.2 + 0.684 + 0.116 rounds to the smallest double above 1.
    {"SumRoundedAboveOne", {10, 0.116, 0.2 + 0.684}, kAccepted},
    {"SumTwoStepsAboveOne",
     {10, std::ldexp(1.0, -51), 1.0},
     kSumPrefix + "1.000\n\tWeight for current stratum: 0.000\n\tSum: 1.000000"},
};

INSTANTIATE_TEST_SUITE_P(Table, MeanStratumCheck, testing::ValuesIn(kMeanStratumCases),
                         CaseName<StratumInputs>);

TEST(MeanStratumBound, FollowsCalculationRange)
{
    DQORecord rec;
    rec.dCalcMinimum = 10;
    rec.dCalcMaximum = 60;
    EXPECT_EQ(CheckMeanStratum(rec, {100, 0.5, 0}), kAccepted);
    EXPECT_EQ(CheckMeanStratum(rec, {100.01, 0.5, 0}), StratumSDMessage("100.00"));
}

class PropStratumCheck : public testing::TestWithParam<Case<StratumInputs>> {};

TEST_P(PropStratumCheck, GivesFirstFailingMessage)
{
    EXPECT_EQ(CheckPropStratum(GetParam().input), GetParam().expected);
}

const std::string kProportionMessage =
    "ERROR: Stratum underlying proportion must be in the range:\n0.0 < proportion < 1.0";

const Case<StratumInputs> kPropStratumCases[] = {
    {"Valid", {0.5, 0.5, 0}, kAccepted},
    {"ProportionZero", {0, 0.5, 0}, kProportionMessage},
    {"ProportionOne", {1, 0.5, 0}, kProportionMessage},
    {"ProportionBeforeWeight", {1, -0.1, 0}, kProportionMessage},
    {"WeightNegative", {0.5, -0.1, 0}, kWeightMessage},
    {"WeightBeforeSum", {0.5, 1.5, 0.5}, kWeightMessage},
    {"SumAboveOne", {0.5, 0.5, 0.6}, kSumPrefix + "0.600\n\tWeight for current stratum: 0.500"},
    {"SumRoundedAboveOne", {0.5, 0.116, 0.2 + 0.684}, kAccepted},
};

INSTANTIATE_TEST_SUITE_P(Table, PropStratumCheck, testing::ValuesIn(kPropStratumCases),
                         CaseName<StratumInputs>);

} // namespace

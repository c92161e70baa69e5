#include "engine/input_checks.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>

#include "engine/dqo_record.h"
#include "engine/number_text.h"
#include "engine/record_views.h"

namespace {

constexpr const char* kErrorLimitMessage =
    "Error limits must be in the range: 0 < Error Limit <= 0.5";

// The checks of a screen are listed in its order; the first failure is shown.
std::string FirstFailure(std::initializer_list<std::string> messages)
{
    for (const std::string& message : messages) {
        if (!message.empty())
            return message;
    }
    return std::string();
}

std::string FailureIf(bool failed, const char* message)
{
    return failed ? message : std::string();
}

// Costs and limits are stored in single precision: a value must still hold
// there, and a limit must not vanish to 0, which would take it out of force.
bool FitsFloat(double value)
{
    return std::fabs(value) <= FLT_MAX;
}

bool IsErrorLimitInRange(double limit)
{
    return limit > 0 && limit <= 0.5 && NarrowToFloat(limit) > 0;
}

// The formulas square a deviation and divide by it: its square must be a
// finite number clear of 0.
bool IsUsableSpread(double sd)
{
    return sd > 0 && std::isnormal(sd * sd);
}

// Means

std::string CheckMeanRange(const MeanInputs& in)
{
    const double range = std::fabs(in.maximum - in.minimum);
    return FailureIf(range < 1e-7 || range > 9999999,
                     "The Maximum-Minimum range must be less than 7 digits.");
}

// In coefficient mode both the coefficient and the deviation it gives must be
// positive; the deviation is checked as it is stored.
std::string CheckStandardDeviation(const MeanInputs& in)
{
    const bool positive =
        in.sdMode == kSDByValue
            ? IsUsableSpread(in.sd)
            : in.cvPercent > 0 && IsUsableSpread(in.cvPercent * in.actionLevel * 0.01);
    return FailureIf(!positive, "The estimate of the standard deviation must be\n"
                                "greater than zero: StdDev > 0.0");
}

bool OneMeanRelationHolds(const MeanInputs& in)
{
    const double min = in.minimum, max = in.maximum, al = in.actionLevel, b = in.otherBound;
    if (in.baseline == kBaselineAtMost)
        return min < al && al < b && b < max;
    return min < b && b < al && al < max;
}

// Two samples: the action level may equal the range end on the side away
// from the gray region.
bool TwoMeanRelationHolds(const MeanInputs& in)
{
    const double min = in.minimum, max = in.maximum, al = in.actionLevel, b = in.otherBound;
    if (in.baseline == kBaselineAtMost)
        return min <= al && al < max && al < b && b < max;
    return min < b && b < al && al <= max;
}

std::string CheckOneMeanRelation(const MeanInputs& in)
{
    if (OneMeanRelationHolds(in))
        return std::string();
    if (in.baseline == kBaselineAtMost)
        return FormatText("For Ho: mean <= Action Level, the following relationship must be "
                          "satisfied:\n\n    Minimum(%g) < Action Level < Upper Bound of Gray "
                          "Region < Maximum(%g)",
                          in.minimum, in.maximum);
    return FormatText("For Ho: mean >= Action Level, the following relationship must be "
                      "satisfied:\n\n    Minimum(%g) < Lower Bound of Gray Region < Action Level "
                      "< Maximum(%g)",
                      in.minimum, in.maximum);
}

std::string CheckTwoMeanRelation(const MeanInputs& in)
{
    if (TwoMeanRelationHolds(in))
        return std::string();
    if (in.baseline == kBaselineAtMost)
        return FormatText("For Ho: mean1-mean2 <= Action Level, the following relationship must "
                          "be satisfied:\n\n    Minimum(%g) < Action Level(%g) < Upper Bound of "
                          "Gray Region(%2g) < Maximum(%g)",
                          in.minimum, in.actionLevel, in.otherBound, in.maximum);
    return FormatText("For Ho: mean >= Action Level, the following relationship must be "
                      "satisfied:\n\n    Minimum(%g) < Lower Bound of Gray Region(%g) < Action "
                      "Level(%g) < Maximum(%g)",
                      in.minimum, in.otherBound, in.actionLevel, in.maximum);
}

std::string CheckModifyTwoMeanRelation(const MeanInputs& in)
{
    if (TwoMeanRelationHolds(in))
        return std::string();
    if (in.baseline == kBaselineAtMost)
        return FormatText("For Ho: mean1-mean2 <= Action Level, the following relationship must "
                          "be satisfied:\n\n    Minimum(%g) <= Action Level < Upper Bound of Gray "
                          "Region < Maximum(%g)",
                          in.minimum, in.maximum);
    return FormatText("For Ho: mean1-mean2 >= Action Level, the following relationship must be "
                      "satisfied:\n\n    Minimum(%g) < Lower Bound of Gray Region < Action Level "
                      "<= Maximum(%g)",
                      in.minimum, in.maximum);
}

// Proportions

// The difference of two proportions lies in (-1, 1) and the action level is 0.
bool TwoPropBoundHolds(int baseline, double b)
{
    if (baseline == kBaselineAtMost)
        return 0 < b && b < 1;
    return -1 < b && b < 0;
}

// Additional decision error limits

// Where a row lies. The rows share their ranges; only a few messages differ:
// the limits screen's first row puts a blank before the brackets, the
// summary's last row names the values without the plural "s" for Ho >=, and
// the verification screen's last row does so for either baseline.
enum class RowPlace { kBelowSpaced, kBelow, kAbove, kAboveSingular, kAboveSingularAlways };

// The open interval an additional point must lie in, and the message that
// names it (arguments: name, low, name, high); no format when the baseline
// code has no range.
struct PointRange {
    double low;
    double high;
    const char* format;
};

PointRange AdditionalPointRange(const DQORecord& rec, RowPlace place)
{
    const bool twoProportions = rec.nParameter == kTwoProportion;
    const double lo = twoProportions ? -1.0 : rec.dMinimum;
    const double hi = twoProportions ? 1.0 : rec.dMaximum;
    const bool below = place == RowPlace::kBelowSpaced || place == RowPlace::kBelow;
    if (rec.nBaseline == kBaselineAtMost && below)
        return {lo, rec.dActionLevel,
                place == RowPlace::kBelowSpaced
                    ? "Additional %ss in the false rejection region must be in the range:\n"
                      "Minimum (%.3f) < Additional %s < Action Level (%.3f)"
                    : "Additional %ss in the false rejection region must be in the range:\n"
                      "Minimum(%.3f) < Additional %s < Action Level(%.3f)"};
    if (rec.nBaseline == kBaselineAtMost)
        return {rec.dUpperBound, hi,
                place == RowPlace::kAboveSingularAlways
                    ? "Additional %s in the false acceptance region must be in the range:\n"
                      "Gray Region Upper Bound(%.3f) < Additional %s < Maximum(%.3f)"
                    : "Additional %ss in the false acceptance region must be in the range:\n"
                      "Gray Region Upper Bound(%.3f) < Additional %s < Maximum(%.3f)"};
    if (rec.nBaseline == kBaselineAtLeast && below)
        return {lo, rec.dLowerBound,
                "Additional %ss in the false acceptance region must be in the range:\n"
                "Minimum(%.3f) < Additional %s < Gray Region Lower Bound(%.3f)"};
    if (rec.nBaseline == kBaselineAtLeast)
        return {rec.dActionLevel, hi,
                place == RowPlace::kAboveSingular || place == RowPlace::kAboveSingularAlways
                    ? "Additional %s in the false rejection region must be in the range:\n"
                      "Action Level(%.3f) < Additional %s < Maximum(%.3f)"
                    : "Additional %ss in the false rejection region must be in the range:\n"
                      "Action Level(%.3f) < Additional %s < Maximum(%.3f)"};
    return {0, 0, nullptr};
}

std::string CheckAdditionalPoint(const DQORecord& rec, RowPlace place, double point)
{
    const PointRange range = AdditionalPointRange(rec, place);
    if (range.format == nullptr || (range.low < point && point < range.high))
        return std::string();
    const char* name = ParameterWord(ParameterOf(rec), ParameterWordForm::kNoun);
    return FormatText(range.format, name, range.low, name, range.high);
}

std::string CheckAdditionalRow(const DQORecord& rec, RowPlace place, const AdditionalLimitRow& row)
{
    if (!row.given)
        return std::string();
    return FirstFailure({CheckAdditionalPoint(rec, place, row.point), CheckErrorLimit(row.limit)});
}

// Strata

std::string CheckStratumWeight(const StratumInputs& in)
{
    return FailureIf(in.weight < 0 || in.weight > 1,
                     "ERROR: Stratum weight must be in the range:\n\t\t0.0 <= weight <= 1.0");
}

// Only the mean screen adds the sum to its message.
enum class SumLine { Shown, Omitted };

std::string CheckWeightSum(const StratumInputs& in, SumLine sumLine)
{
    const double sum = in.weightSum + in.weight;
    // The smallest double above 1 tolerates the rounding of an exact sum of 1.
    if (sum <= std::nextafter(1.0, 2.0))
        return std::string();
    std::string message = FormatText("ERROR: Sum of stratum weights must be <= 1.0.\n\tAccumulated "
                                     "Weights of previous strata: %.3f\n\tWeight for current "
                                     "stratum: %.3f",
                                     in.weightSum, in.weight);
    if (sumLine == SumLine::Shown)
        message += FormatText("\n\tSum: %f", sum);
    return message;
}

} // namespace

std::string CheckOneMeanInputs(const MeanInputs& in)
{
    return FirstFailure({CheckMeanRange(in),
                         FailureIf(in.minimum >= in.maximum,
                                   "The Minimum value must be less than the Maximum value."),
                         CheckOneMeanRelation(in), CheckStandardDeviation(in)});
}

std::string CheckTwoMeanInputs(const MeanInputs& in)
{
    return FirstFailure({CheckMeanRange(in), CheckTwoMeanRelation(in), CheckStandardDeviation(in)});
}

std::string CheckModifyMeanInputs(int parameter, const MeanInputs& in)
{
    const std::string relation =
        parameter == kOneMean ? CheckOneMeanRelation(in) : CheckModifyTwoMeanRelation(in);
    return FirstFailure({relation, CheckStandardDeviation(in)});
}

std::string CheckOnePropInputs(int baseline, double al, double b)
{
    if (baseline == kBaselineAtMost)
        return FailureIf(!(0 < al && al < 1 && al < b && b < 1),
                         "For Ho: proportion <= Action Level, the following relationship must "
                         "be satisfied:\n\n    0.00 < Action Level < Upper Bound of Gray Region "
                         "< 1.00");
    return FailureIf(!(0 < al && al < 1 && 0 < b && b < al),
                     "For Ho: proportion >= Action Level, the following relationship must be "
                     "satisfied:\n\n    0.00 < Lower Bound of Gray Region < Action Level < 1.00");
}

std::string CheckTwoPropInputs(int baseline, double otherBound)
{
    if (TwoPropBoundHolds(baseline, otherBound))
        return std::string();
    if (baseline == kBaselineAtMost)
        return FormatText("For Ho: prop1-prop2 <= Action Level, the following relationship must "
                          "be satisfied:\n\n    0.00 < Upper Bound of Gray Region(%g) < 1.00",
                          otherBound);
    return FormatText("For Ho: prop1-prop2 >= Action Level, the following relationship must be "
                      "satisfied:\n\n    -1.00 < Lower Bound of Gray Region(%g) < 0.00",
                      otherBound);
}

std::string CheckModifyPropInputs(int parameter, int baseline, double actionLevel,
                                  double otherBound)
{
    if (parameter == kOneProportion)
        return CheckOnePropInputs(baseline, actionLevel, otherBound);
    if (TwoPropBoundHolds(baseline, otherBound))
        return std::string();
    if (baseline == kBaselineAtMost)
        return "For Ho: prop1-prop2 <= Action Level, the following relationship must be "
               "satisfied:\n\n    0.00 < Upper Bound of Gray Region < 1.00";
    return "For Ho: prop1-prop2 >= Action Level, the following relationship must be "
           "satisfied:\n\n    -1.00 < Lower Bound of Gray Region < 0.00";
}

std::string CheckCosts(double labCost, double fieldCost)
{
    return FailureIf(labCost < 0 || fieldCost < 0 || !FitsFloat(labCost) || !FitsFloat(fieldCost),
                     "Laboratory and Field costs cannot be less than zero.");
}

std::string CheckErrorLimits(double limitAtLower, double limitAtUpper)
{
    return FailureIf(!IsErrorLimitInRange(limitAtUpper) || !IsErrorLimitInRange(limitAtLower),
                     kErrorLimitMessage);
}

std::string CheckAdditionalLimits(const DQORecord& rec, const AdditionalLimitRows& rows)
{
    return FirstFailure({CheckAdditionalRow(rec, RowPlace::kBelowSpaced, rows.below1),
                         CheckAdditionalRow(rec, RowPlace::kBelow, rows.below2),
                         CheckAdditionalRow(rec, RowPlace::kAbove, rows.above1),
                         CheckAdditionalRow(rec, RowPlace::kAbove, rows.above2)});
}

std::string CheckSummaryLimits(const DQORecord& rec, const AdditionalLimitRows& rows)
{
    return FirstFailure({CheckAdditionalRow(rec, RowPlace::kBelow, rows.below1),
                         CheckAdditionalRow(rec, RowPlace::kBelow, rows.below2),
                         CheckAdditionalRow(rec, RowPlace::kAbove, rows.above1),
                         CheckAdditionalRow(rec, RowPlace::kAboveSingular, rows.above2)});
}

std::string CheckVerificationLimits(const DQORecord& rec, const AdditionalLimitRows& rows)
{
    return FirstFailure({CheckAdditionalRow(rec, RowPlace::kBelow, rows.below1),
                         CheckAdditionalRow(rec, RowPlace::kBelow, rows.below2),
                         CheckAdditionalRow(rec, RowPlace::kAbove, rows.above1),
                         CheckAdditionalRow(rec, RowPlace::kAboveSingularAlways, rows.above2)});
}

std::string CheckErrorLimit(double limit)
{
    return FailureIf(!IsErrorLimitInRange(limit), kErrorLimitMessage);
}

std::string CheckCompositeInputs(double sdRatio, int aliquots, double compositingCost)
{
    return FirstFailure(
        {FailureIf(!(0 < sdRatio && sdRatio < 1),
                   "ERROR: Ratio of measurement SD to Total SD must be in the range:\n\t\t0.0 < "
                   "Ratio < 1.0\n"),
         FailureIf(aliquots < 1, "ERROR: Number of aliquots per sample must be greater than zero."),
         FailureIf(compositingCost < 0 || !FitsFloat(compositingCost),
                   "ERROR: Cost for compositing aliquots cannot be less than zero.")});
}

std::string CheckStrataCount(int strata)
{
    return FailureIf(strata < 2 || strata > kMaxStrata,
                     "Error: Number of Strata must be in the range 2 to 5!\nRe-enter the number "
                     "of strata.");
}

std::string CheckMeanStratum(const DQORecord& rec, const StratumInputs& in)
{
    const double limit = 2 * (rec.dCalcMaximum - rec.dCalcMinimum);
    const std::string sdMessage =
        FormatText("ERROR: Stratum standard deviation must be in the range:\n\t\t0.0 < std dev "
                   "<= %.2f\n",
                   limit);
    return FirstFailure(
        {FailureIf(!(IsUsableSpread(in.value) && in.value <= limit), sdMessage.c_str()),
         CheckStratumWeight(in), CheckWeightSum(in, SumLine::Shown)});
}

std::string CheckPropStratum(const StratumInputs& in)
{
    return FirstFailure(
        {FailureIf(!(0 < in.value && in.value < 1 && std::isnormal(in.value * (1.0 - in.value))),
                   "ERROR: Stratum underlying proportion must be in the range:\n0.0 < "
                   "proportion < 1.0"),
         CheckStratumWeight(in), CheckWeightSum(in, SumLine::Omitted)});
}

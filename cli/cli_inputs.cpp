#include "cli/cli_inputs.h"

#include <cmath>
#include <optional>
#include <vector>

#include "cli/cli_graph.h"
#include "cli/cli_options.h"
#include "engine/dqo_record.h"
#include "engine/input_checks.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/record_inputs.h"

namespace {

Refusal InputRefusal(const std::string& text)
{
    return {kTitleInputError, text};
}

Refusal DesignRefusal(const std::string& text)
{
    return {kTitleTalo, text};
}

// The text a field holds: what was typed, or what the screen was filled with.
std::string FieldText(const std::optional<std::string>& typed, const std::string& shown)
{
    return typed ? *typed : shown;
}

double FieldValue(const std::optional<std::string>& typed, const std::string& shown)
{
    return ReadDouble(FieldText(typed, shown));
}

std::string Shown(double value)
{
    return FormatText("%g", value);
}

// --- The wizard's screens -----------------------------------------------------

// The other bound a baseline button proposes when it is clicked.
std::string ProposedBound(const DQORecord& rec, int baseline, double minimum, double maximum,
                          double actionLevel)
{
    const bool atMost = baseline == kBaselineAtMost;
    switch (rec.nParameter) {
    case kOneMean:
        return Shown(((atMost ? maximum : minimum) + actionLevel) * 0.5);
    case kTwoMean:
        return atMost ? "5.0" : "-5.0";
    case kOneProportion:
        return Shown(atMost ? (actionLevel + 1) * 0.5 : actionLevel * 0.5);
    default: {
        const double size = std::fabs(OtherBound(rec));
        return Shown(atMost ? size : -size);
    }
    }
}

std::string BoundText(const CliOptions& o, const DQORecord& rec, int baseline, double minimum,
                      double maximum, double actionLevel)
{
    if (o.bound)
        return *o.bound;
    if (baseline == rec.nBaseline)
        return Shown(OtherBound(rec));
    return ProposedBound(rec, baseline, minimum, maximum, actionLevel);
}

Refusal EnterMeanInputs(DQORecord& rec, const CliOptions& o)
{
    MeanInputs in;
    in.minimum = FieldValue(o.minimum, Shown(rec.dMinimum));
    in.maximum = FieldValue(o.maximum, Shown(rec.dMaximum));
    in.actionLevel = FieldValue(o.actionLevel, Shown(rec.dActionLevel));
    in.baseline = o.baseline.value_or(rec.nBaseline);
    in.otherBound =
        ReadDouble(BoundText(o, rec, in.baseline, in.minimum, in.maximum, in.actionLevel));
    in.sdMode = o.sd ? kSDByValue : o.cv ? kSDByCV : rec.bSDFromCV;
    in.sd = FieldValue(o.sd, Shown(rec.dSDValue));
    in.cvPercent = FieldValue(o.cv, Shown(rec.dCV * 100));
    const std::string message =
        rec.nParameter == kTwoMean ? CheckTwoMeanInputs(in) : CheckOneMeanInputs(in);
    if (message.empty())
        StoreMeanInputs(rec, in);
    return InputRefusal(message);
}

Refusal EnterProportionInputs(DQORecord& rec, const CliOptions& o)
{
    const bool two = rec.nParameter == kTwoProportion;
    const double actionLevel = two ? 0.0 : FieldValue(o.actionLevel, Shown(rec.dActionLevel));
    const int baseline = o.baseline.value_or(rec.nBaseline);
    const double bound = ReadDouble(BoundText(o, rec, baseline, 0, 1, actionLevel));
    const std::string message = two ? CheckTwoPropInputs(baseline, bound)
                                    : CheckOnePropInputs(baseline, actionLevel, bound);
    if (message.empty()) {
        rec.dMinimum = two ? -1 : 0;
        rec.dMaximum = 1;
        rec.dActionLevel = actionLevel;
        StoreGrayRegion(rec, baseline, actionLevel, bound);
    }
    return InputRefusal(message);
}

Refusal EnterParameterInputs(DQORecord& rec, const CliOptions& o)
{
    // The one-sample mean screen shows the bounds as they are.
    if (rec.nParameter != kOneMean)
        TieBoundToActionLevel(rec);
    return IsProportion(rec.nParameter) ? EnterProportionInputs(rec, o) : EnterMeanInputs(rec, o);
}

Refusal EnterCosts(DQORecord& rec, const CliOptions& o)
{
    const double lab = FieldValue(o.labCost, FormatText("%.2f", rec.fLabCost));
    const double field = FieldValue(o.fieldCost, FormatText("%.2f", rec.fFieldCost));
    const std::string message = CheckCosts(lab, field);
    if (message.empty()) {
        rec.fLabCost = NarrowToFloat(lab);
        rec.fFieldCost = NarrowToFloat(field);
        rec.bFieldCostTotal = o.fieldCostTotal ? 1 : rec.bFieldCostTotal;
    }
    return InputRefusal(message);
}

Refusal EnterErrorLimits(DQORecord& rec, const CliOptions& o)
{
    const double lower = FieldValue(o.limitLower, Shown(rec.fLimitAtLower));
    const double upper = FieldValue(o.limitUpper, Shown(rec.fLimitAtUpper));
    const std::string message = CheckErrorLimits(lower, upper);
    if (message.empty()) {
        rec.fLimitAtLower = NarrowToFloat(lower);
        rec.fLimitAtUpper = NarrowToFloat(upper);
    }
    return InputRefusal(message);
}

AdditionalLimitRow TypedRow(const std::vector<CliLimitPoint>& points, size_t index)
{
    if (index >= points.size() || points[index].point.empty())
        return {};
    return {true, ReadDouble(points[index].point), ReadDouble(points[index].limit)};
}

Refusal EnterAdditionalLimits(DQORecord& rec, const CliOptions& o)
{
    AdditionalLimitRows rows;
    rows.leftBottom = TypedRow(o.below, 0);
    rows.leftTop = TypedRow(o.below, 1);
    rows.rightTop = TypedRow(o.above, 0);
    rows.rightBottom = TypedRow(o.above, 1);
    const std::string message = CheckAdditionalLimits(rec, rows);
    if (message.empty())
        StoreAdditionalLimits(rec, rows);
    return InputRefusal(message);
}

// --- The design screens of the summary ---------------------------------------

Refusal EnterCompositeInputs(DQORecord& rec, const CliOptions& o)
{
    // Before the first composite inputs the screen offers its own defaults.
    const bool first = rec.nAliquots == 0;
    const double ratio = FieldValue(o.sdRatio, first ? "0.10" : FormatText("%.2f", rec.dSDRatio));
    const int aliquots =
        ReadInt(FieldText(o.aliquots, first ? "4" : FormatText("%d", rec.nAliquots)));
    const double cost =
        FieldValue(o.compositingCost, first ? "5.00" : FormatText("%.2f", rec.fCompositingCost));
    const std::string message = CheckCompositeInputs(ratio, aliquots, cost);
    if (message.empty()) {
        rec.dSDRatio = ratio;
        rec.nAliquots = aliquots;
        rec.fCompositingCost = NarrowToFloat(cost);
    }
    return DesignRefusal(message);
}

Refusal EnterStratum(DQORecord& rec, const CliStratum& typed, int k, int count, double& weightSum)
{
    const bool last = k == count - 1;
    const std::string offeredWeight = FormatText("%.3f", (1.0 - weightSum) / (count - k));
    if (last && typed.weight && ReadDouble(*typed.weight) != ReadDouble(offeredWeight))
        return DesignRefusal(FormatText(
            "The weight of the final stratum is fixed at %s, the remainder of the others.",
            offeredWeight.c_str()));
    const std::string offeredValue = FormatText("%.4f", rec.dCalcSD);
    StratumInputs in;
    in.value = ReadDouble(typed.value.empty() ? offeredValue : typed.value);
    in.weight = ReadDouble(last ? offeredWeight : typed.weight.value_or(offeredWeight));
    in.weightSum = weightSum;
    const std::string message =
        rec.nParameter == kOneMean ? CheckMeanStratum(rec, in) : CheckPropStratum(in);
    if (message.empty()) {
        rec.dStratumValue[k] = in.value;
        rec.dStratumWeight[k] = in.weight;
        weightSum += in.weight;
    }
    return DesignRefusal(message);
}

Refusal EnterStrata(DQORecord& rec, const CliOptions& o)
{
    // Without any stratum typed, the screens offer two with their defaults.
    const std::vector<CliStratum> strata = o.strata.empty() ? std::vector<CliStratum>(2) : o.strata;
    const int count = static_cast<int>(strata.size());
    if (Refusal refusal = DesignRefusal(CheckStrataCount(count)))
        return refusal;
    rec.nStrata = count;
    // A proportion's strata are offered the action level.
    if (rec.nParameter == kOneProportion)
        rec.dCalcSD = rec.nCalcBaseline == kBaselineAtMost ? rec.dCalcLower : rec.dCalcUpper;
    double weightSum = 0;
    for (int k = 0; k < count; ++k) {
        if (Refusal refusal =
                EnterStratum(rec, strata[static_cast<size_t>(k)], k, count, weightSum))
            return refusal;
    }
    return {};
}

Refusal EnterDesign(DQORecord& rec, const CliOptions& o)
{
    if (o.design == kSimpleRandom)
        return {};
    if (IsTwoSample(rec.nParameter))
        return DesignRefusal(
            "Only Simple Random Sampling is available for the Two-Sample parameters.");
    rec.nDesign = o.design;
    return o.design == kComposite ? EnterCompositeInputs(rec, o) : EnterStrata(rec, o);
}

} // namespace

std::string MisplacedOption(const CliOptions& o)
{
    const bool mean = !IsProportion(o.parameter);
    if (!mean && (o.minimum || o.maximum))
        return "--minimum and --maximum are fixed for a proportion";
    if (!mean && (o.sd || o.cv))
        return "--sd and --cv apply to means only";
    if (o.sd && o.cv)
        return "give either --sd or --cv, not both";
    if (o.parameter == kTwoProportion && o.actionLevel)
        return "the action level of two proportions is fixed at 0";
    if (o.design != kComposite && (o.sdRatio || o.aliquots || o.compositingCost))
        return "--sd-ratio, --aliquots and --compositing-cost need --design composite";
    if (o.design != kStratified && !o.strata.empty())
        return "--stratum needs --design stratified";
    if (o.design == kComposite && o.parameter == kOneProportion)
        return "composite sampling is offered for a mean only";
    if (!o.graphFile.empty() && !IsGraphFileName(o.graphFile))
        return "--graph writes a .bmp, .png or .pdf file";
    return std::string();
}

Refusal EnterAnalysis(DQORecord& current, const CliOptions& o)
{
    DQORecord original;
    original.nParameter = o.parameter;
    ApplyParameterDefaults(original, o.parameter);
    using Step = Refusal (*)(DQORecord&, const CliOptions&);
    for (Step step : {EnterParameterInputs, EnterCosts, EnterErrorLimits, EnterAdditionalLimits}) {
        if (Refusal refusal = step(original, o))
            return refusal;
    }
    current = original;
    FillCalculationBlock(current);
    return EnterDesign(current, o);
}

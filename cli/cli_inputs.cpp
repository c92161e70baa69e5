#include "cli/cli_inputs.h"

#include <optional>
#include <type_traits>
#include <vector>

#include "cli/cli_graph.h"
#include "cli/cli_options.h"
#include "engine/analysis_pass.h"
#include "engine/design_screens.h"
#include "engine/dqo_record.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/screen_state.h"

namespace {

Refusal InputRefusal(const std::string& text)
{
    return {kTitleInputError, text};
}

Refusal DesignRefusal(const std::string& text)
{
    return {kTitleTalo, text};
}

// The screen's OK processing: its checks, and the store once they pass.
template <typename Screen, typename Store>
Refusal StoreIfAccepted(const Screen& screen, DQORecord& rec, const std::string& message,
                        Store store)
{
    if (message.empty())
        store(screen, rec);
    return InputRefusal(message);
}

// A field typed on the command line replaces the text the screen was
// filled with; a field not given keeps it.
void Type(std::string& field, const std::optional<std::string>& typed)
{
    if (typed)
        field = *typed;
}

// --- The wizard's screens -----------------------------------------------------

// A baseline other than the one shown is a click on its button, which
// proposes the other bound; a bound typed as well replaces the proposal.
template <typename Screen, typename Click>
void TypeBaseline(Screen& screen, const CliOptions& o, Click click)
{
    if (o.baseline && *o.baseline != screen.m_nBaseline)
        click(screen, *o.baseline);
    Type(screen.m_strOtherBound, o.bound);
}

void TypeMeanInputs(MeanInputsScreen& screen, const CliOptions& o)
{
    Type(screen.m_strMinimum, o.minimum);
    Type(screen.m_strMaximum, o.maximum);
    Type(screen.m_strActionLevel, o.actionLevel);
}

void TypeDeviation(MeanInputsScreen& screen, const CliOptions& o)
{
    if (o.sd)
        screen.m_nSDMode = kSDByValue;
    if (o.cv)
        screen.m_nSDMode = kSDByCV;
    Type(screen.m_strSD, o.sd);
    Type(screen.m_strCV, o.cv);
}

// The one- and two-sample mean screens differ only in their functions.
template <typename Screen, typename Fill, typename Click, typename Check>
Refusal EnterMean(DQORecord& rec, const CliOptions& o, Fill fill, Click click, Check check)
{
    Screen screen;
    fill(screen, rec);
    TypeMeanInputs(screen, o);
    TypeBaseline(screen, o, click);
    TypeDeviation(screen, o);
    return StoreIfAccepted(screen, rec, check(screen), StoreMeanScreen);
}

Refusal EnterOneProportion(DQORecord& rec, const CliOptions& o)
{
    OnePropInputsScreen screen;
    FillOnePropScreen(screen, rec);
    Type(screen.m_strActionLevel, o.actionLevel);
    TypeBaseline(screen, o, ClickOnePropBaseline);
    return StoreIfAccepted(screen, rec, CheckOnePropScreen(screen), StoreOnePropScreen);
}

Refusal EnterTwoProportion(DQORecord& rec, const CliOptions& o)
{
    TwoPropInputsScreen screen;
    FillTwoPropScreen(screen, rec);
    TypeBaseline(screen, o, ClickTwoPropBaseline);
    return StoreIfAccepted(screen, rec, CheckTwoPropScreen(screen), StoreTwoPropScreen);
}

Refusal EnterParameterInputs(DQORecord& rec, const CliOptions& o)
{
    switch (rec.nParameter) {
    case kOneMean:
        return EnterMean<OneMeanInputsScreen>(rec, o, FillOneMeanScreen, ClickOneMeanBaseline,
                                              CheckOneMeanScreen);
    case kOneProportion:
        return EnterOneProportion(rec, o);
    case kTwoMean:
        return EnterMean<TwoMeanInputsScreen>(rec, o, FillTwoMeanScreen, ClickTwoMeanBaseline,
                                              CheckTwoMeanScreen);
    default:
        return EnterTwoProportion(rec, o);
    }
}

Refusal EnterCosts(DQORecord& rec, const CliOptions& o)
{
    CostsScreen screen;
    FillCostsScreen(screen, rec);
    Type(screen.m_strLabCost, o.labCost);
    Type(screen.m_strFieldCost, o.fieldCost);
    if (o.fieldCostTotal)
        screen.m_bTotalFieldCost = 1;
    return StoreIfAccepted(screen, rec, CheckCostsScreen(screen), StoreCostsScreen);
}

Refusal EnterErrorLimits(DQORecord& rec, const CliOptions& o)
{
    ErrorLimitsScreen screen;
    FillErrorLimitsScreen(screen, rec);
    Type(screen.m_strLimitAtLower, o.limitLower);
    Type(screen.m_strLimitAtUpper, o.limitUpper);
    return StoreIfAccepted(screen, rec, CheckErrorLimitsScreen(screen), StoreErrorLimitsScreen);
}

void TypeRow(const std::vector<CliLimitPoint>& points, size_t index, std::string& point,
             std::string& limit)
{
    if (index < points.size()) {
        point = points[index].point;
        limit = points[index].limit;
    }
}

Refusal EnterAdditionalLimits(DQORecord& rec, const CliOptions& o)
{
    AdditionalLimitsScreen screen;
    FillAdditionalLimitsScreen(screen, rec);
    TypeRow(o.below, 0, screen.m_strBelow1, screen.m_strBelow1Limit);
    TypeRow(o.below, 1, screen.m_strBelow2, screen.m_strBelow2Limit);
    TypeRow(o.above, 0, screen.m_strAbove1, screen.m_strAbove1Limit);
    TypeRow(o.above, 1, screen.m_strAbove2, screen.m_strAbove2Limit);
    return StoreIfAccepted(screen, rec, CheckAdditionalLimitsScreen(screen, rec),
                           StoreAdditionalLimitsScreen);
}

// --- The design screens of the summary ---------------------------------------

Refusal EnterCompositeInputs(DQORecord& rec, const CliOptions& o)
{
    CompositeScreen screen;
    FillCompositeScreen(screen, rec);
    Type(screen.m_strSDRatio, o.sdRatio);
    Type(screen.m_strAliquots, o.aliquots);
    Type(screen.m_strCompositingCost, o.compositingCost);
    const std::string message = CheckCompositeScreen(screen);
    if (message.empty())
        StoreCompositeScreen(screen, rec);
    return DesignRefusal(message);
}

template <typename Screen>
Refusal EnterStratum(DQORecord& rec, Screen& screen, const CliStratum& typed, int stratum,
                     double& weightSum)
{
    if (!typed.value.empty())
        screen.m_strValue = typed.value;
    // The final stratum takes the remainder as the screen stores it; a weight
    // typed for it must be that remainder as the screen shows it.
    if (typed.weight && screen.m_bWeightFixed != 0 &&
        FormatText("%.3f", ReadDouble(*typed.weight)) != screen.m_strWeight)
        return DesignRefusal(FormatText(
            "The weight of the final stratum is fixed at %s, the remainder of the others.",
            screen.m_strWeight.c_str()));
    if (screen.m_bWeightFixed == 0)
        Type(screen.m_strWeight, typed.weight);
    std::string message;
    if constexpr (std::is_same_v<Screen, MeanStratumScreen>)
        message = CheckMeanStratumScreen(screen, rec);
    else
        message = CheckPropStratumScreen(screen);
    if (message.empty())
        weightSum += StoreStratumScreen(screen, rec, stratum);
    return DesignRefusal(message);
}

Refusal EnterStrata(DQORecord& rec, const CliOptions& o)
{
    StrataCountScreen count;
    FillStrataCountScreen(count, rec);
    // Without any stratum typed, the screen's offer of two stands.
    if (!o.strata.empty())
        count.m_strStrata = FormatText("%zu", o.strata.size());
    if (Refusal refusal = DesignRefusal(CheckStrataCountScreen(count)))
        return refusal;
    StoreStrataCountScreen(count, rec);
    double weightSum = 0;
    for (int k = 1; k <= rec.nStrata; ++k) {
        const size_t index = static_cast<size_t>(k - 1);
        const CliStratum typed = index < o.strata.size() ? o.strata[index] : CliStratum();
        Refusal refusal;
        if (rec.nParameter == kOneMean) {
            MeanStratumScreen screen;
            FillMeanStratumScreen(screen, rec, k, weightSum);
            refusal = EnterStratum(rec, screen, typed, k, weightSum);
        } else {
            PropStratumScreen screen;
            FillPropStratumScreen(screen, rec, k, weightSum);
            refusal = EnterStratum(rec, screen, typed, k, weightSum);
        }
        if (refusal)
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
    if (o.graphSize && o.graphFile.empty())
        return "--size needs --graph";
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

void ComputeAnalysis(DQORecord& rec, const CliOptions& o, Messages& messages)
{
    FillCalculationBlock(rec);
    ComputeAnalysisPass(rec, messages);
    if (!o.samples && !o.totalCost)
        return;
    SummaryScreen summary;
    FillSummaryScreen(summary, rec);
    if (o.samples)
        summary.m_strSamples = *o.samples;
    if (o.totalCost)
        summary.m_strTotalCost = *o.totalCost;
    RecomputeForTypedSamples(summary, rec, messages);
}

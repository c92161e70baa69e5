#include "engine/screen_state.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "engine/analysis_pass.h"
#include "engine/number_text.h"
#include "engine/record_views.h"
#include "engine/stats/analysis.h"

namespace {

std::string Shown(double value)
{
    return FormatText("%g", value);
}

// Before a screen shows the gray region, the bound that the baseline ties
// to the action level takes the action level.
void TieBoundToActionLevel(DQORecord& rec)
{
    if (rec.nBaseline == kBaselineAtMost)
        rec.dLowerBound = rec.dActionLevel;
    else
        rec.dUpperBound = rec.dActionLevel;
}

// (AL, other bound) for Ho <=, (other bound, AL) for any other baseline code.
void StoreBounds(DQORecord& rec, int baseline, double actionLevel, double otherBound)
{
    rec.dLowerBound = baseline == kBaselineAtMost ? actionLevel : otherBound;
    rec.dUpperBound = baseline == kBaselineAtMost ? otherBound : actionLevel;
}

void StoreStandardDeviation(DQORecord& rec, int sdMode, const std::string& sd,
                            const std::string& cvPercent, double actionLevel)
{
    if (sdMode == kSDByValue) {
        rec.bSDFromCV = 0;
        rec.dSDValue = rec.dSD = ReadDouble(sd);
    } else {
        rec.bSDFromCV = 1;
        rec.dSDFromCV = ReadDouble(cvPercent) * actionLevel * 0.01;
        rec.dCV = ReadDouble(cvPercent) * 0.01;
        rec.dSD = rec.dSDFromCV;
    }
}

std::string CoefficientLabel(double sd)
{
    // Coefficients near the largest number give an infinite product; the
    // label shows the largest finite one rather than "inf".
    return FormatText("%c of AL (= %-6.3g)", '%', std::clamp(sd, -DBL_MAX, DBL_MAX));
}

std::string CoefficientLabel(const std::string& cvPercent, const std::string& actionLevel)
{
    return CoefficientLabel(ReadDouble(cvPercent) * 0.01 * ReadDouble(actionLevel));
}

const char* ModifyBoundLabel(int baseline)
{
    return baseline == kBaselineAtMost ? "Gray Region Upper Bound:" : "Gray Region Lower Bound:";
}

// The baseline as the modify screens show it: "mean <= 50".
std::string ModifyBaseline(const DQORecord& rec, const char* valueFormat)
{
    const std::string format =
        std::string("%s ") + (rec.nBaseline == kBaselineAtMost ? "<= " : ">= ") + valueFormat;
    return FormatText(format.c_str(), ParameterWord(ParameterOf(rec), ParameterWordForm::kPlain),
                      rec.dActionLevel);
}

MeanInputs ConvertedMeanInputs(const MeanInputsScreen& s)
{
    return {ReadDouble(s.m_strMinimum),
            ReadDouble(s.m_strMaximum),
            ReadDouble(s.m_strActionLevel),
            ReadDouble(s.m_strOtherBound),
            s.m_nBaseline,
            s.m_nSDMode,
            ReadDouble(s.m_strSD),
            ReadDouble(s.m_strCV)};
}

// The range, the action level and the deviation, which the wizard's and the
// modify screens show alike.
template <typename Screen> void FillRangeAndDeviation(Screen& s, const DQORecord& rec)
{
    s.m_strMinimum = Shown(rec.dMinimum);
    s.m_strMaximum = Shown(rec.dMaximum);
    s.m_strActionLevel = Shown(rec.dActionLevel);
    s.m_nSDMode = rec.bSDFromCV;
    s.m_strSD = Shown(rec.dSDValue);
    s.m_strCV = Shown(rec.dCV * 100);
    s.m_strCVLabel = CoefficientLabel(rec.dSDFromCV);
}

void FillMeanScreen(MeanInputsScreen& s, const DQORecord& rec)
{
    FillRangeAndDeviation(s, rec);
    s.m_nBaseline = rec.nBaseline;
    s.m_strBoundLabel = OtherBoundLabel(rec.nBaseline);
    s.m_strOtherBound = Shown(OtherBound(rec));
}

// Additional limits: an entry given when its point has any text.

AdditionalLimitRow GivenRow(const std::string& point, double limit)
{
    if (point.empty())
        return {};
    return {true, ReadDouble(point), limit};
}

void StoreRow(const AdditionalLimitRow& row, double emptyPoint, double& point, float& limit)
{
    point = row.given ? row.point : emptyPoint;
    limit = row.given ? NarrowToFloat(row.limit) : 0.0f;
}

AdditionalLimitRows ScreenRows(const AdditionalLimitsScreen& s)
{
    return {GivenRow(s.m_strBelow1, ReadDouble(s.m_strBelow1Limit)),
            GivenRow(s.m_strBelow2, ReadDouble(s.m_strBelow2Limit)),
            GivenRow(s.m_strAbove1, ReadDouble(s.m_strAbove1Limit)),
            GivenRow(s.m_strAbove2, ReadDouble(s.m_strAbove2Limit))};
}

// The summary table reads its limits in single precision.
AdditionalLimitRows SummaryRows(const SummaryScreen& s)
{
    const auto row = [&s](ErrorRow r) {
        return GivenRow(s.m_strPoint[r], NarrowToFloat(ReadDouble(s.m_strLimit[r])));
    };
    return {row(kRowBelow1), row(kRowBelow2), row(kRowAbove1), row(kRowAbove2)};
}

// The number of samples and the total cost as Update takes them.
void AcceptTypedSamples(const SummaryScreen& s, DQORecord& rec)
{
    AcceptTypedSamplesAndCost(rec, ReadInt(s.m_strSamples), ReadDouble(s.m_strTotalCost));
}

void ComposeDesign(SummaryScreen& s, const DQORecord& rec)
{
    s.m_strDesign = DesignName(rec.nDesign);
    if (rec.nDesign == kComposite) {
        s.m_strDesignInputs1 =
            FormatText("Ratio of Measurement SD to Total SD: %.3f", rec.dSDRatio);
        s.m_strDesignInputs2 = FormatText("Size of Composite Sample: %d", rec.nAliquots);
        s.m_strSamplesNote =
            FormatText("(%lld Total Grabs)", static_cast<long long>(rec.nAliquots) * rec.nSamples);
    } else if (rec.nDesign == kStratified) {
        const bool proportion = IsProportion(rec.nParameter);
        s.m_strDesignInputs1 = proportion ? "Stratum weights:          " : "Stratum weights:  ";
        s.m_strDesignInputs2 = proportion ? "Underlying proportion: " : "Std. deviations:   ";
        s.m_strSamplesNote = "Samples per stratum: ";
        for (int h = 0; h < StrataCount(rec); ++h) {
            s.m_strDesignInputs1 += FormatText(" %-6.3f", rec.dStratumWeight[h]);
            s.m_strDesignInputs2 +=
                FormatText(proportion ? " %-6.3f" : " %-6.2f", rec.dStratumValue[h]);
            s.m_strSamplesNote += FormatText(" %d", rec.nStratumSamples[h]);
        }
        s.m_strStrata = FormatText("Number of Strata: %d", rec.nStrata);
    } else {
        s.m_strDesignInputs1 = "No design-specific inputs for Simple Random Sampling.";
    }
}

} // namespace

void ComposeGrayRegion(const DQORecord& rec, std::string& region, std::string (&points)[kErrorRows])
{
    const bool proportion = IsProportion(rec.nParameter);
    region = FormatText(proportion ? "%.3f - %.3f" : "%g - %g", rec.dLowerBound, rec.dUpperBound);
    points[kRowLower] = FormatText(proportion ? "%.3f*" : "%g*", rec.dLowerBound);
    points[kRowUpper] = FormatText(proportion ? "%.3f*" : "%g*", rec.dUpperBound);
}

void ComposeErrorLimits(const DQORecord& rec, std::string (&points)[kErrorRows],
                        std::string (&limits)[kErrorRows])
{
    limits[kRowLower] = Shown(rec.fLimitAtLower);
    limits[kRowUpper] = Shown(rec.fLimitAtUpper);
    const std::pair<double, float> rows[kAdditionalRows] = {{rec.dBelow1, rec.fBelow1Limit},
                                                            {rec.dBelow2, rec.fBelow2Limit},
                                                            {rec.dAbove1, rec.fAbove1Limit},
                                                            {rec.dAbove2, rec.fAbove2Limit}};
    for (int k = 0; k < kAdditionalRows; ++k) {
        const bool used = rows[k].second > 0;
        points[kAdditionalRowOf[k]] = used ? Shown(rows[k].first) : "";
        limits[kAdditionalRowOf[k]] = used ? Shown(rows[k].second) : "";
    }
}

namespace {

void ComposeInputValues(SummaryScreen& s, const DQORecord& rec)
{
    s.m_strParameter = ParameterWord(ParameterOf(rec), ParameterWordForm::kTitle);
    const bool proportion = IsProportion(rec.nParameter);
    const char* value = proportion ? "%.3f" : "%g";
    s.m_strActionLevel = FormatText(value, rec.dActionLevel);
    ComposeGrayRegion(rec, s.m_strGrayRegion, s.m_strPoint);
    if (proportion)
        s.m_strSD.clear();
    else if (rec.nDesign == kStratified)
        s.m_strSD = "N/A";
    else if (rec.bSDFromCV == 1)
        s.m_strSD = FormatText("%g (%g%c of AL)", rec.dSD, rec.dCV * 100, '%');
    else
        s.m_strSD = Shown(rec.dSD);
    s.m_strBaseline =
        FormatText(rec.nBaseline == kBaselineAtMost ? "%s <= %.3f" : "%s >= %.3f",
                   ParameterWord(ParameterOf(rec), ParameterWordForm::kSpaced), rec.dActionLevel);
}

// The typed rows of the summary table that pass Update's checks; a row that
// does not keeps the values last accepted, since Graph and Exit leave the
// screen without the checks.
void ReadBackCheckedRows(const SummaryScreen& s, DQORecord& rec)
{
    struct Slot {
        AdditionalLimitRow AdditionalLimitRows::*row;
        double DQORecord::*point;
        float DQORecord::*limit;
        double DQORecord::*emptyPoint;
    };
    static constexpr Slot kSlots[kAdditionalRows] = {
        {&AdditionalLimitRows::below1, &DQORecord::dBelow1, &DQORecord::fBelow1Limit,
         &DQORecord::dMinimum},
        {&AdditionalLimitRows::below2, &DQORecord::dBelow2, &DQORecord::fBelow2Limit,
         &DQORecord::dMinimum},
        {&AdditionalLimitRows::above1, &DQORecord::dAbove1, &DQORecord::fAbove1Limit,
         &DQORecord::dMaximum},
        {&AdditionalLimitRows::above2, &DQORecord::dAbove2, &DQORecord::fAbove2Limit,
         &DQORecord::dMaximum}};
    const AdditionalLimitRows typed = SummaryRows(s);
    for (const Slot& slot : kSlots) {
        AdditionalLimitRows alone;
        alone.*slot.row = typed.*slot.row;
        if (CheckSummaryLimits(rec, alone).empty())
            StoreRow(alone.*slot.row, rec.*slot.emptyPoint, rec.*slot.point, rec.*slot.limit);
    }
    rec.nBelowCount = (rec.fBelow1Limit > 0) + (rec.fBelow2Limit > 0);
    rec.nAboveCount = (rec.fAbove1Limit > 0) + (rec.fAbove2Limit > 0);
}

} // namespace

// --- Gray region ------------------------------------------------------------

const char* OtherBoundLabel(int baseline)
{
    if (baseline == kBaselineAtMost)
        return "Upper Bound:";
    return baseline == kBaselineAtLeast ? "Lower Bound:" : "";
}

const char* GrayRegionExplanation(int baseline)
{
    if (baseline == kBaselineAtMost)
        return "The gray region is bounded on one side by the action level (the lower bound).  "
               "Because of the selected baseline condition, the other bound (the upper bound) "
               "must be greater than the action level.  Enter the upper bound.";
    if (baseline == kBaselineAtLeast)
        return "The gray region is bounded on one side by the action level (the upper bound).  "
               "Because of the selected baseline condition, the other bound (the lower bound) "
               "must be less than the action level.  Enter the lower bound.";
    return "";
}

// --- Mean inputs ------------------------------------------------------------

void FillOneMeanScreen(OneMeanInputsScreen& screen, const DQORecord& rec)
{
    FillMeanScreen(screen, rec);
}

void FillTwoMeanScreen(TwoMeanInputsScreen& screen, DQORecord& rec)
{
    TieBoundToActionLevel(rec);
    FillMeanScreen(screen, rec);
}

void FillModifyMeanScreen(ModifyMeanScreen& screen, const DQORecord& rec)
{
    FillRangeAndDeviation(screen, rec);
    screen.m_strBound = Shown(OtherBound(rec));
    screen.m_strBaseline = ModifyBaseline(rec, "%g");
    screen.m_strBoundLabel = ModifyBoundLabel(rec.nBaseline);
}

void StoreMeanScreen(const MeanInputsScreen& screen, DQORecord& rec)
{
    const double actionLevel = ReadDouble(screen.m_strActionLevel);
    rec.dMinimum = ReadDouble(screen.m_strMinimum);
    rec.dMaximum = ReadDouble(screen.m_strMaximum);
    rec.dActionLevel = actionLevel;
    StoreStandardDeviation(rec, screen.m_nSDMode, screen.m_strSD, screen.m_strCV, actionLevel);
    StoreGrayRegion(rec, screen.m_nBaseline, actionLevel, ReadDouble(screen.m_strOtherBound));
}

void StoreModifyMeanScreen(const ModifyMeanScreen& screen, DQORecord& rec)
{
    const double actionLevel = ReadDouble(screen.m_strActionLevel);
    rec.dActionLevel = actionLevel;
    StoreStandardDeviation(rec, screen.m_nSDMode, screen.m_strSD, screen.m_strCV, actionLevel);
    StoreBounds(rec, rec.nBaseline, actionLevel, ReadDouble(screen.m_strBound));
}

std::string CheckOneMeanScreen(const OneMeanInputsScreen& screen)
{
    return CheckOneMeanInputs(ConvertedMeanInputs(screen));
}

std::string CheckTwoMeanScreen(const TwoMeanInputsScreen& screen)
{
    return CheckTwoMeanInputs(ConvertedMeanInputs(screen));
}

std::string CheckModifyMeanScreen(const ModifyMeanScreen& screen, const DQORecord& rec)
{
    const MeanInputs in{rec.dMinimum,
                        rec.dMaximum,
                        ReadDouble(screen.m_strActionLevel),
                        ReadDouble(screen.m_strBound),
                        rec.nBaseline,
                        screen.m_nSDMode,
                        ReadDouble(screen.m_strSD),
                        ReadDouble(screen.m_strCV)};
    return CheckModifyMeanInputs(rec.nParameter, in);
}

void ClickOneMeanBaseline(OneMeanInputsScreen& screen, BaselineCode baseline)
{
    const bool atMost = baseline == kBaselineAtMost;
    const double end = ReadDouble(atMost ? screen.m_strMaximum : screen.m_strMinimum);
    screen.m_nBaseline = baseline;
    screen.m_strBoundLabel = OtherBoundLabel(baseline);
    // Halves first: their sum cannot overflow, and halving is exact.
    screen.m_strOtherBound = Shown(end * 0.5 + ReadDouble(screen.m_strActionLevel) * 0.5);
}

void ClickTwoMeanBaseline(TwoMeanInputsScreen& screen, BaselineCode baseline)
{
    screen.m_nBaseline = baseline;
    screen.m_strBoundLabel = OtherBoundLabel(baseline);
    screen.m_strOtherBound = baseline == kBaselineAtMost ? "5.0" : "-5.0";
}

void ClickCoefficient(MeanInputsScreen& screen)
{
    screen.m_strCVLabel = CoefficientLabel(screen.m_strCV, screen.m_strActionLevel);
}

void ClickCoefficient(ModifyMeanScreen& screen)
{
    screen.m_strCVLabel = CoefficientLabel(screen.m_strCV, screen.m_strActionLevel);
}

// --- Proportion inputs ------------------------------------------------------

void FillOnePropScreen(OnePropInputsScreen& screen, DQORecord& rec)
{
    TieBoundToActionLevel(rec);
    screen.m_strActionLevel = Shown(rec.dActionLevel);
    screen.m_nBaseline = rec.nBaseline;
    screen.m_strOtherBound = Shown(OtherBound(rec));
}

void FillTwoPropScreen(TwoPropInputsScreen& screen, DQORecord& rec)
{
    TieBoundToActionLevel(rec);
    screen.m_strMinimum = Shown(rec.dMinimum);
    screen.m_strMaximum = Shown(rec.dMaximum);
    screen.m_nBaseline = rec.nBaseline;
    screen.m_strOtherBound = Shown(OtherBound(rec));
}

void FillModifyPropScreen(ModifyPropScreen& screen, const DQORecord& rec)
{
    screen.m_strMinimum = Money(rec.dMinimum);
    screen.m_strMaximum = Money(rec.dMaximum);
    screen.m_strBaseline = ModifyBaseline(rec, "%.3f");
    screen.m_strActionLevelLabel = rec.nParameter == kTwoProportion
                                       ? "Action Level (AL):         0.00 (fixed)"
                                       : "Action Level (AL):";
    screen.m_strActionLevel = ProportionText(rec.dActionLevel);
    screen.m_strBoundLabel = ModifyBoundLabel(rec.nBaseline);
    screen.m_strBound = ProportionText(OtherBound(rec));
}

void StoreOnePropScreen(const OnePropInputsScreen& screen, DQORecord& rec)
{
    const double actionLevel = ReadDouble(screen.m_strActionLevel);
    rec.dMinimum = 0;
    rec.dMaximum = 1;
    rec.dActionLevel = actionLevel;
    StoreGrayRegion(rec, screen.m_nBaseline, actionLevel, ReadDouble(screen.m_strOtherBound));
}

void StoreTwoPropScreen(const TwoPropInputsScreen& screen, DQORecord& rec)
{
    rec.dMinimum = -1;
    rec.dMaximum = 1;
    rec.dActionLevel = 0;
    StoreGrayRegion(rec, screen.m_nBaseline, 0, ReadDouble(screen.m_strOtherBound));
}

void StoreModifyPropScreen(const ModifyPropScreen& screen, DQORecord& rec)
{
    if (rec.nParameter == kOneProportion)
        rec.dActionLevel = ReadDouble(screen.m_strActionLevel);
    StoreBounds(rec, rec.nBaseline, rec.dActionLevel, ReadDouble(screen.m_strBound));
}

std::string CheckOnePropScreen(const OnePropInputsScreen& screen)
{
    return CheckOnePropInputs(screen.m_nBaseline, ReadDouble(screen.m_strActionLevel),
                              ReadDouble(screen.m_strOtherBound));
}

std::string CheckTwoPropScreen(const TwoPropInputsScreen& screen)
{
    return CheckTwoPropInputs(screen.m_nBaseline, ReadDouble(screen.m_strOtherBound));
}

std::string CheckModifyPropScreen(const ModifyPropScreen& screen, const DQORecord& rec)
{
    return CheckModifyPropInputs(rec.nParameter, rec.nBaseline, ReadDouble(screen.m_strActionLevel),
                                 ReadDouble(screen.m_strBound));
}

void ClickOnePropBaseline(OnePropInputsScreen& screen, BaselineCode baseline)
{
    const double actionLevel = ReadDouble(screen.m_strActionLevel);
    screen.m_nBaseline = baseline;
    screen.m_strOtherBound =
        Shown(baseline == kBaselineAtMost ? (actionLevel + 1) * 0.5 : actionLevel * 0.5);
}

void ClickTwoPropBaseline(TwoPropInputsScreen& screen, BaselineCode baseline)
{
    const bool atMost = baseline == kBaselineAtMost;
    const double size = std::fabs(ReadDouble(screen.m_strOtherBound));
    screen.m_nBaseline = baseline;
    screen.m_strMinimum = "-1.00";
    screen.m_strMaximum = atMost ? "1.00" : " 0.00";
    screen.m_strOtherBound = Shown(atMost ? size : -size);
}

// --- Costs and decision error limits -----------------------------------------

void FillCostsScreen(CostsScreen& screen, const DQORecord& rec)
{
    screen.m_strLabCost = Money(rec.fLabCost);
    screen.m_strFieldCost = Money(rec.fFieldCost);
    screen.m_bTotalFieldCost = rec.bFieldCostTotal;
}

void StoreCostsScreen(const CostsScreen& screen, DQORecord& rec)
{
    rec.fLabCost = NarrowToFloat(ReadDouble(screen.m_strLabCost));
    rec.fFieldCost = NarrowToFloat(ReadDouble(screen.m_strFieldCost));
    rec.bFieldCostTotal = screen.m_bTotalFieldCost;
}

std::string CheckCostsScreen(const CostsScreen& screen)
{
    return CheckCosts(ReadDouble(screen.m_strLabCost), ReadDouble(screen.m_strFieldCost));
}

const char* FieldCostUnit(int totalFieldCost)
{
    return totalFieldCost != 0 ? "(Total):" : "(Per Sample):";
}

void FillErrorLimitsScreen(ErrorLimitsScreen& screen, const DQORecord& rec)
{
    const char* bound = IsProportion(rec.nParameter) ? "(%.3f):" : "(%g):";
    screen.m_strLowerBound = FormatText(bound, rec.dLowerBound);
    screen.m_strUpperBound = FormatText(bound, rec.dUpperBound);
    screen.m_strLimitAtLower = Shown(rec.fLimitAtLower);
    screen.m_strLimitAtUpper = Shown(rec.fLimitAtUpper);
}

void StoreErrorLimitsScreen(const ErrorLimitsScreen& screen, DQORecord& rec)
{
    rec.fLimitAtLower = NarrowToFloat(ReadDouble(screen.m_strLimitAtLower));
    rec.fLimitAtUpper = NarrowToFloat(ReadDouble(screen.m_strLimitAtUpper));
}

std::string CheckErrorLimitsScreen(const ErrorLimitsScreen& screen)
{
    return CheckErrorLimits(ReadDouble(screen.m_strLimitAtLower),
                            ReadDouble(screen.m_strLimitAtUpper));
}

void FillAdditionalLimitsScreen(AdditionalLimitsScreen& screen, const DQORecord& rec)
{
    const char* format = IsProportion(rec.nParameter) ? "%.3f" : "%g";
    screen.m_strLowerBound = FormatText(format, rec.dLowerBound);
    screen.m_strUpperBound = FormatText(format, rec.dUpperBound);
    screen.m_strLimitAtLower = Shown(rec.fLimitAtLower);
    screen.m_strLimitAtUpper = Shown(rec.fLimitAtUpper);
    // Entries whose limit is not a valid one stay empty. The limits are shown
    // as on every other screen: three decimals would turn 0.0004 into 0.000.
    const auto entry = [format](double point, float limit, std::string& pointText,
                                std::string& limitText) {
        const bool shown = limit > 0 && limit <= 0.5f;
        pointText = shown ? FormatText(format, point) : "";
        limitText = shown ? Shown(limit) : "";
    };
    entry(rec.dBelow1, rec.fBelow1Limit, screen.m_strBelow1, screen.m_strBelow1Limit);
    entry(rec.dBelow2, rec.fBelow2Limit, screen.m_strBelow2, screen.m_strBelow2Limit);
    entry(rec.dAbove1, rec.fAbove1Limit, screen.m_strAbove1, screen.m_strAbove1Limit);
    entry(rec.dAbove2, rec.fAbove2Limit, screen.m_strAbove2, screen.m_strAbove2Limit);
}

void StoreAdditionalLimitsScreen(const AdditionalLimitsScreen& screen, DQORecord& rec)
{
    const AdditionalLimitRows rows = ScreenRows(screen);
    // Only zero or non-zero of the counts matters downstream.
    rec.nBelowCount = (rows.below1.given ? 2 : 0) + (rows.below2.given ? 1 : 0);
    rec.nAboveCount = (rows.above1.given ? 1 : 0) + (rows.above2.given ? 2 : 0);
    StoreRow(rows.below1, rec.dMinimum, rec.dBelow1, rec.fBelow1Limit);
    StoreRow(rows.below2, rec.dMinimum, rec.dBelow2, rec.fBelow2Limit);
    StoreRow(rows.above1, rec.dMaximum, rec.dAbove1, rec.fAbove1Limit);
    StoreRow(rows.above2, rec.dMaximum, rec.dAbove2, rec.fAbove2Limit);
    SortAdditionalPoints(rec);
}

std::string CheckAdditionalLimitsScreen(const AdditionalLimitsScreen& screen, const DQORecord& rec)
{
    return CheckAdditionalLimits(rec, ScreenRows(screen));
}

// --- Design/DQO summary ------------------------------------------------------

void FillSummaryScreen(SummaryScreen& screen, const DQORecord& rec)
{
    screen = SummaryScreen();
    ComposeDesign(screen, rec);
    if (IsTwoSample(rec.nParameter))
        screen.m_strSamplesLabel = "Number of Samples (per population):";
    else if (rec.nDesign == kStratified)
        screen.m_strSamplesLabel = "Total Number of Samples:";
    else
        screen.m_strSamplesLabel = "Number of Samples:";
    ComposeInputValues(screen, rec);
    screen.m_strLabCost = Money(rec.fLabCost);
    screen.m_strFieldCost = Money(rec.fFieldCost);
    screen.m_strFieldCostUnit = FieldCostUnit(rec.bFieldCostTotal);
    if (rec.nDesign == kComposite)
        screen.m_strCompositingCost = Money(rec.fCompositingCost);
    ComposeErrorLimits(rec, screen.m_strPoint, screen.m_strLimit);
    screen.m_strSamples = FormatText("%d", rec.nSamples);
    screen.m_strTotalCost = Money(rec.dTotalCost);
    if (IsTwoSample(rec.nParameter))
        screen.m_strSamplesNote =
            FormatText("(%lld Samples Total)", 2LL * static_cast<long long>(rec.nSamples));
}

void ChangeSummaryCosts(SummaryScreen& screen, DQORecord& rec, Messages& messages)
{
    rec.dCalcLabCost = rec.fLabCost;
    rec.dCalcFieldCost = rec.fFieldCost;
    CAnalysis analysis(rec, messages);
    if (rec.nDesign == kComposite)
        analysis.CompositeCost();
    else
        analysis.ComputeCost();
    rec.dTotalCost = rec.dCalcTotalCost;
    screen.m_strLabCost = Money(rec.fLabCost);
    screen.m_strFieldCost = Money(rec.fFieldCost);
    screen.m_strFieldCostUnit = FieldCostUnit(rec.bFieldCostTotal);
    screen.m_strTotalCost = Money(rec.dTotalCost);
}

void RefreshSummaryInputs(SummaryScreen& screen, const DQORecord& rec)
{
    const bool proportion = IsProportion(rec.nParameter);
    const char* value = proportion ? "%.3f" : "%g";
    screen.m_strActionLevel = FormatText(value, rec.dActionLevel);
    if (!proportion)
        screen.m_strSD = Shown(rec.dSD);
    ComposeGrayRegion(rec, screen.m_strGrayRegion, screen.m_strPoint);
    screen.m_strBaseline = ModifyBaseline(rec, value);
}

std::string AcceptSummaryScreen(const SummaryScreen& screen, DQORecord& rec)
{
    AcceptTypedSamples(screen, rec);
    if (std::string message = CheckSummaryLimits(rec, SummaryRows(screen)); !message.empty())
        return message;
    const float lower = NarrowToFloat(ReadDouble(screen.m_strLimit[kRowLower]));
    if (std::string message = CheckErrorLimit(lower); !message.empty())
        return message;
    rec.fLimitAtLower = lower;
    const float upper = NarrowToFloat(ReadDouble(screen.m_strLimit[kRowUpper]));
    if (std::string message = CheckErrorLimit(upper); !message.empty())
        return message;
    rec.fLimitAtUpper = upper;
    return std::string();
}

bool ApplySummaryScreen(const SummaryScreen& screen, DQORecord& current, DQORecord& original,
                        Messages& messages)
{
    // Leaving by Graph, Exit, Esc or the close box takes no typed size.
    if (screen.m_bLeave != 0)
        current.bSamplesChanged = 0;
    ApplyTypedSamples(current, messages);
    // Saved before a restore, so that the restored design has its inputs.
    SaveFirstDesignInputs(current, original);
    if (current.bRestoreOriginal != 0) {
        current.bRestoreOriginal = 0;
        RestoreOriginal(current, original);
        return false;
    }
    ReadBackCheckedRows(screen, current);
    SortAdditionalPoints(current);
    return true;
}

bool RecomputeForTypedSamples(const SummaryScreen& screen, DQORecord& rec, Messages& messages)
{
    AcceptTypedSamples(screen, rec);
    if (rec.bSamplesChanged == 0)
        return false;
    ApplyTypedSamples(rec, messages);
    FillCalculationBlock(rec);
    ComputeAnalysisPass(rec, messages);
    return true;
}

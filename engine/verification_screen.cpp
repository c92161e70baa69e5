#include "engine/verification_screen.h"

#include "engine/input_checks.h"
#include "engine/number_text.h"
#include "engine/record_views.h"

namespace {

// The additional rows of the table with the limits as typed.
AdditionalLimitRows TypedRows(const VerificationScreen& s)
{
    const auto row = [&s](ErrorRow r) -> AdditionalLimitRow {
        if (s.m_strPoint[r].empty())
            return {};
        return {true, ReadDouble(s.m_strPoint[r]), ReadDouble(s.m_strLimit[r])};
    };
    return {row(kRowBelow1), row(kRowBelow2), row(kRowAbove1), row(kRowAbove2)};
}

// 1 when the row was given, so that the caller can count it.
int ReadBackRow(const VerificationScreen& s, ErrorRow row, double emptyPoint, double& point,
                float& limit)
{
    if (s.m_strPoint[row].empty()) {
        point = emptyPoint;
        limit = 0;
        return 0;
    }
    point = ReadDouble(s.m_strPoint[row]);
    limit = NarrowToFloat(ReadDouble(s.m_strLimit[row]));
    return 1;
}

// Rows 1-3 lie at or below the lower bound: false rejection for Ho <=,
// false acceptance otherwise.
void SetTypes(VerificationScreen& s, const DQORecord& rec)
{
    const bool atMost = rec.nBaseline == kBaselineAtMost;
    for (int r = 0; r < kErrorRows; ++r)
        s.m_strType[r] = (r <= kRowLower) == atMost ? "FR" : "FA";
}

// The baseline as the refresh writes it, which names the parameter more
// tersely than the filling does.
std::string RefreshedBaseline(const DQORecord& rec)
{
    static const char* const kNames[] = {"mean", "prop", "mean1-mean2", "prop1-prop2"};
    const bool proportion = IsProportion(rec.nParameter);
    const std::string format = std::string("%s ") +
                               (rec.nBaseline == kBaselineAtMost ? "<= " : ">= ") +
                               (proportion ? "%.3f" : "%g");
    return FormatText(format.c_str(), kNames[ParameterOf(rec)], rec.dActionLevel);
}

} // namespace

void FillVerificationScreen(VerificationScreen& s, const DQORecord& rec)
{
    const ParameterCode parameter = ParameterOf(rec);
    const bool proportion = IsProportion(parameter);
    const char* value = proportion ? "%.3f" : "%g";
    s.m_strParameter = ParameterWord(parameter, ParameterWordForm::kTitle);
    s.m_strBaseline =
        FormatText(rec.nBaseline == kBaselineAtMost ? "%s <= %.3f" : "%s >= %.3f",
                   ParameterWord(parameter, ParameterWordForm::kSpaced), rec.dActionLevel);
    s.m_strMinimum = FormatText(value, rec.dMinimum);
    s.m_strMaximum = FormatText(value, rec.dMaximum);
    s.m_strActionLevel = FormatText(value, rec.dActionLevel);
    ComposeGrayRegion(rec, s.m_strGrayRegion, s.m_strPoint);
    if (proportion)
        s.m_strSD.clear();
    else if (rec.bSDFromCV == 1)
        s.m_strSD = FormatText("%6.3g (%g%c of AL)", rec.dSD, rec.dCV * 100, '%');
    else
        s.m_strSD = FormatText("%g", rec.dSD);
    s.m_strLabCost = Money(rec.fLabCost);
    s.m_strFieldCost = Money(rec.fFieldCost);
    ComposeErrorLimits(rec, s.m_strPoint, s.m_strLimit);
}

void LabelVerificationScreen(VerificationScreen& s, const DQORecord& rec)
{
    static const char* const kMinimum[] = {
        "Minimum Mean Concentration:", "Minimum Proportion:", "Minimum Difference in Means:",
        "Min Difference in Proportions:"};
    static const char* const kMaximum[] = {
        "Maximum Mean Concentration:", "Maximum Proportion:", "Maximum Difference in Means:",
        "Max Difference in Proportions:"};
    const ParameterCode parameter = ParameterOf(rec);
    s.m_strFieldCostUnit = FieldCostUnit(rec.bFieldCostTotal);
    s.m_strMinimumLabel = kMinimum[parameter];
    s.m_strMaximumLabel = kMaximum[parameter];
    s.m_strSDLabel = IsProportion(parameter) ? "" : "Standard Deviation:";
    s.m_strColumn = ParameterWord(parameter, ParameterWordForm::kNoun);
    SetTypes(s, rec);
}

std::string CheckVerificationScreen(const VerificationScreen& s, DQORecord& rec)
{
    if (std::string message = CheckVerificationLimits(rec, TypedRows(s)); !message.empty())
        return message;
    const double lower = ReadDouble(s.m_strLimit[kRowLower]);
    if (std::string message = CheckErrorLimit(lower); !message.empty())
        return message;
    rec.fLimitAtLower = NarrowToFloat(lower);
    const double upper = ReadDouble(s.m_strLimit[kRowUpper]);
    if (std::string message = CheckErrorLimit(upper); !message.empty())
        return message;
    rec.fLimitAtUpper = NarrowToFloat(upper);
    return std::string();
}

void StoreVerificationScreen(const VerificationScreen& s, DQORecord& rec)
{
    rec.nBelowCount += ReadBackRow(s, kRowBelow1, rec.dMinimum, rec.dBelow1, rec.fBelow1Limit);
    rec.nBelowCount += ReadBackRow(s, kRowBelow2, rec.dMinimum, rec.dBelow2, rec.fBelow2Limit);
    rec.nAboveCount += ReadBackRow(s, kRowAbove1, rec.dMaximum, rec.dAbove1, rec.fAbove1Limit);
    rec.nAboveCount += ReadBackRow(s, kRowAbove2, rec.dMaximum, rec.dAbove2, rec.fAbove2Limit);
    SortAdditionalPoints(rec);
}

void RefreshVerificationCosts(VerificationScreen& s, const DQORecord& rec)
{
    s.m_strFieldCostUnit = FieldCostUnit(rec.bFieldCostTotal);
    s.m_strLabCost = Money(rec.fLabCost);
    s.m_strFieldCost = Money(rec.fFieldCost);
    SetTypes(s, rec);
}

void RefreshVerificationInputs(VerificationScreen& s, const DQORecord& rec)
{
    const bool proportion = IsProportion(rec.nParameter);
    if (proportion) {
        s.m_strActionLevel = FormatText("%.3f", rec.dActionLevel);
        s.m_strGrayRegion = FormatText("%.3f - %.3f", rec.dLowerBound, rec.dUpperBound);
        s.m_strPoint[kRowLower] = FormatText("%.3f*", rec.dLowerBound);
        s.m_strPoint[kRowUpper] = FormatText("%.3f*", rec.dUpperBound);
    } else {
        s.m_strMinimum = FormatText("%g", rec.dMinimum);
        s.m_strMaximum = FormatText("%g", rec.dMaximum);
        s.m_strActionLevel = FormatText("%g", rec.dActionLevel);
        s.m_strSD = rec.nParameter == kOneMean && rec.bSDFromCV == 1
                        ? FormatText("%g (%g%c of AL)", rec.dSD, rec.dCV * 100, '%')
                        : FormatText("%g", rec.dSD);
        s.m_strGrayRegion = FormatText("%g - %g", rec.dLowerBound, rec.dUpperBound);
        s.m_strPoint[kRowLower] = FormatText("%g*", rec.dLowerBound);
        s.m_strPoint[kRowUpper] = FormatText("%g*", rec.dUpperBound);
    }
    s.m_strBaseline = RefreshedBaseline(rec);
    SetTypes(s, rec);
}

void FillChangedOnePropScreen(OnePropInputsScreen& screen, const DQORecord& rec)
{
    screen.m_strActionLevel = ProportionText(rec.dActionLevel);
    screen.m_nBaseline = rec.nBaseline;
    screen.m_strOtherBound = ProportionText(OtherBound(rec));
}

void StoreChangedOnePropScreen(const OnePropInputsScreen& screen, DQORecord& rec)
{
    rec.dActionLevel = ReadDouble(screen.m_strActionLevel);
    // The bound tied to the action level by the baseline, the other as typed.
    StoreGrayRegion(rec, screen.m_nBaseline, rec.dActionLevel, ReadDouble(screen.m_strOtherBound));
}

void FillChangedTwoPropScreen(TwoPropInputsScreen& screen, const DQORecord& rec)
{
    screen.m_strMinimum = Money(rec.dMinimum);
    screen.m_strMaximum = Money(rec.dMaximum);
    screen.m_nBaseline = rec.nBaseline;
    screen.m_strOtherBound = ProportionText(OtherBound(rec));
}

void StoreChangedTwoPropScreen(const TwoPropInputsScreen& screen, DQORecord& rec)
{
    StoreGrayRegion(rec, screen.m_nBaseline, rec.dActionLevel, ReadDouble(screen.m_strOtherBound));
}

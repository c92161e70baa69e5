#include "engine/design_screens.h"

#include <algorithm>

#include "engine/input_checks.h"
#include "engine/number_text.h"
#include "engine/record_views.h"

namespace {

void FillStratumScreen(StratumScreen& s, const DQORecord& rec, int stratum, double weightSum)
{
    const int count = StrataCount(rec);
    const bool last = stratum >= count;
    s.m_strNumber = FormatText(last ? "%d (final stratum)" : "%d", stratum);
    s.m_strFixed = last ? "(fixed)" : "";
    s.m_bWeightFixed = last ? 1 : 0;
    s.m_strValue = FormatText("%.4f", rec.dCalcSD);
    const double offered =
        last ? RemainderWeight(weightSum) : (1.0 - weightSum) / std::max(count - stratum + 1, 1);
    s.m_strWeight = FormatText("%.3f", offered);
    s.m_dWeightSum = weightSum;
}

// The final stratum's weight is the remainder, which adds up to 1 by
// construction: checking its sum again against the rounded text it shows
// could refuse it for ever, so its sum is left out of the check.
StratumInputs ConvertedStratum(const StratumScreen& s)
{
    if (s.m_bWeightFixed != 0)
        return {ReadDouble(s.m_strValue), RemainderWeight(s.m_dWeightSum), 0.0};
    return {ReadDouble(s.m_strValue), ReadDouble(s.m_strWeight), s.m_dWeightSum};
}

} // namespace

// --- Sampling design choice ---------------------------------------------------

int PropDesignIndex(int design)
{
    return design == kStratified ? 1 : 0;
}

int PropDesignCode(int index)
{
    return index == 1 ? kStratified : index;
}

void FillMeanDesignScreen(DesignChoiceScreen& screen, const DQORecord& rec)
{
    screen.m_nDesign = rec.nDesign;
}

// A screen left with no button checked keeps the design as it was.
void StoreMeanDesignScreen(const DesignChoiceScreen& screen, DQORecord& rec)
{
    if (screen.m_nDesign >= kSimpleRandom && screen.m_nDesign <= kStratified)
        rec.nDesign = screen.m_nDesign;
}

void FillPropDesignScreen(DesignChoiceScreen& screen, const DQORecord& rec)
{
    screen.m_nDesign = PropDesignIndex(rec.nDesign);
}

void StorePropDesignScreen(const DesignChoiceScreen& screen, DQORecord& rec)
{
    if (screen.m_nDesign == 0 || screen.m_nDesign == 1)
        rec.nDesign = PropDesignCode(screen.m_nDesign);
}

// --- Sampling design inputs --------------------------------------------------

void FillCompositeScreen(CompositeScreen& screen, const DQORecord& rec)
{
    const bool first = rec.nAliquots == 0;
    screen.m_strSDRatio = first ? "0.10" : Money(rec.dSDRatio);
    screen.m_strAliquots = first ? "4" : FormatText("%d", rec.nAliquots);
    screen.m_strCompositingCost = first ? "5.00" : Money(rec.fCompositingCost);
}

void StoreCompositeScreen(const CompositeScreen& screen, DQORecord& rec)
{
    rec.dSDRatio = ReadDouble(screen.m_strSDRatio);
    rec.nAliquots = ReadInt(screen.m_strAliquots);
    rec.fCompositingCost = NarrowToFloat(ReadDouble(screen.m_strCompositingCost));
}

std::string CheckCompositeScreen(const CompositeScreen& screen)
{
    return CheckCompositeInputs(ReadDouble(screen.m_strSDRatio), ReadInt(screen.m_strAliquots),
                                ReadDouble(screen.m_strCompositingCost));
}

void FillStrataCountScreen(StrataCountScreen& screen, const DQORecord& rec)
{
    screen.m_strStrata = rec.nStrata == 0 ? "2" : FormatText("%d", rec.nStrata);
}

void StoreStrataCountScreen(const StrataCountScreen& screen, DQORecord& rec)
{
    rec.nStrata = ReadInt(screen.m_strStrata);
}

std::string CheckStrataCountScreen(const StrataCountScreen& screen)
{
    return CheckStrataCount(ReadInt(screen.m_strStrata));
}

void FillMeanStratumScreen(MeanStratumScreen& screen, const DQORecord& rec, int stratum,
                           double weightSum)
{
    FillStratumScreen(screen, rec, stratum, weightSum);
}

void FillPropStratumScreen(PropStratumScreen& screen, DQORecord& rec, int stratum, double weightSum)
{
    rec.dCalcSD = rec.nCalcBaseline == kBaselineAtMost ? rec.dCalcLower : rec.dCalcUpper;
    FillStratumScreen(screen, rec, stratum, weightSum);
}

double RemainderWeight(double weightSum)
{
    const double remainder = 1.0 - weightSum;
    return remainder > 0 ? std::min(remainder, 1.0) : 0.0;
}

double StoreStratumScreen(const StratumScreen& screen, DQORecord& rec, int stratum)
{
    const StratumInputs in = ConvertedStratum(screen);
    const int index = stratum - 1;
    if (index >= 0 && index < kMaxStrata) {
        rec.dStratumValue[index] = in.value;
        rec.dStratumWeight[index] = in.weight;
    }
    return in.weight;
}

std::string CheckMeanStratumScreen(const MeanStratumScreen& screen, const DQORecord& rec)
{
    return CheckMeanStratum(rec, ConvertedStratum(screen));
}

std::string CheckPropStratumScreen(const PropStratumScreen& screen)
{
    return CheckPropStratum(ConvertedStratum(screen));
}

// --- The strata list -----------------------------------------------------------

std::string StrataListHeader(const DQORecord& rec)
{
    return rec.nParameter == kOneProportion ? "Stratum\t\tWeight\t Underlying Proportion"
                                            : "Stratum\t\tWeight\t\tStd Dev";
}

std::vector<std::string> StrataListRows(const DQORecord& rec)
{
    std::vector<std::string> rows;
    for (int i = 0; i < StrataCount(rec); ++i)
        rows.push_back(FormatText("      %d                  %.4f              %g", i + 1,
                                  rec.dStratumWeight[i], rec.dStratumValue[i]));
    return rows;
}

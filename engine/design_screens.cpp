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
    s.m_strWeight = FormatText("%.3f", (1.0 - weightSum) / std::max(count - stratum + 1, 1));
    s.m_dWeightSum = weightSum;
}

StratumInputs ConvertedStratum(const StratumScreen& s)
{
    return {ReadDouble(s.m_strValue), ReadDouble(s.m_strWeight), s.m_dWeightSum};
}

} // namespace

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

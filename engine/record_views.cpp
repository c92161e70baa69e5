#include "engine/record_views.h"

#include <algorithm>
#include <utility>

#include "engine/number_text.h"

const char* ParameterWord(ParameterCode parameter, ParameterWordForm form)
{
    static const char* const kWords[][4] = {
        {"mean", "proportion", "mean1-mean2", "prop1-prop2"},
        {"mean", "proportion", "mean1 - mean2", "prop1 - prop2"},
        {"Mean", "Proportion", "Two-Sample Mean", "Two-Sample Proportion"},
        {"concentration", "proportion", "concentration", "proportion"},
        {"mean", "proportion", "mean", "prop."},
    };
    return kWords[static_cast<int>(form)][std::clamp(static_cast<int>(parameter), 0, 3)];
}

ParameterCode ParameterOf(const DQORecord& rec)
{
    return static_cast<ParameterCode>(std::clamp(rec.nParameter, 0, 3));
}

int StrataCount(const DQORecord& rec)
{
    return std::clamp(rec.nStrata, 0, kMaxStrata);
}

bool RowNotSatisfied(const DQORecord& rec, ErrorRow row)
{
    for (int k = 0; k < kAdditionalRows; ++k) {
        if (kAdditionalRowOf[k] == row)
            return rec.bNotSatisfied[k] != 0;
    }
    return false;
}

double OtherBound(const DQORecord& rec)
{
    return rec.nBaseline == kBaselineAtMost ? rec.dUpperBound : rec.dLowerBound;
}

void StoreGrayRegion(DQORecord& rec, int baseline, double actionLevel, double otherBound)
{
    const bool atMost = baseline == kBaselineAtMost;
    rec.nBaseline = atMost ? kBaselineAtMost : kBaselineAtLeast;
    rec.dLowerBound = atMost ? actionLevel : otherBound;
    rec.dUpperBound = atMost ? otherBound : actionLevel;
}

namespace {

void SortPair(double& point1, float& limit1, double& point2, float& limit2)
{
    if (point1 > point2) {
        std::swap(point1, point2);
        std::swap(limit1, limit2);
    }
}

} // namespace

void SortAdditionalPoints(DQORecord& rec)
{
    if (rec.nBelowCount != 0)
        SortPair(rec.dBelow1, rec.fBelow1Limit, rec.dBelow2, rec.fBelow2Limit);
    if (rec.nAboveCount != 0)
        SortPair(rec.dAbove1, rec.fAbove1Limit, rec.dAbove2, rec.fAbove2Limit);
}

std::string Money(double value)
{
    return FormatText("%.2f", value);
}

std::string ProportionText(double value)
{
    for (const char* format : {"%.3f", "%g", "%.17g"}) {
        std::string text = FormatText(format, value);
        if (ReadDouble(text) == value)
            return text;
    }
    return FormatText("%.17g", value);
}

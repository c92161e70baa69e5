#include "engine/record_views.h"

#include <algorithm>

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

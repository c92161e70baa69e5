#pragma once

#include "engine/dqo_record.h"

// Records as the wizard leaves them for the starting analysis of each
// parameter, with the calculation block filled.
inline DQORecord StartingRecord(int parameter)
{
    DQORecord rec;
    rec.nParameter = parameter;
    ApplyParameterDefaults(rec, parameter);
    if (parameter != kOneMean) // the others open with the gray region's bound at the action level
        rec.dLowerBound = rec.dActionLevel;
    if (parameter == kOneMean || parameter == kTwoMean)
        rec.dSD = rec.dSDValue; // the screen stores the typed 16.67
    FillCalculationBlock(rec);
    return rec;
}

// The same with Ho >= AL: a gray region of the same width below the action level.
inline DQORecord StartingRecord(int parameter, int baseline)
{
    DQORecord rec = StartingRecord(parameter);
    if (baseline == kBaselineAtLeast) {
        rec.nBaseline = kBaselineAtLeast;
        rec.dLowerBound = 2 * rec.dActionLevel - rec.dUpperBound;
        rec.dUpperBound = rec.dActionLevel;
        FillCalculationBlock(rec);
    }
    return rec;
}

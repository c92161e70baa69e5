#pragma once

#include "engine/dqo_record.h"

// Records as the wizard leaves them for the starting analysis of each
// parameter, with the calculation block filled.
inline DQORecord StartingRecord(int parameter)
{
    DQORecord rec;
    rec.nParameter = parameter;
    ApplyParameterDefaults(rec, parameter);
    switch (parameter) {
    case kOneMean:
        rec.dSD = rec.dSDValue; // the screen stores the typed 16.67
        break;
    case kOneProportion:
        rec.dLowerBound = rec.dActionLevel;
        break;
    case kTwoMean:
        rec.dLowerBound = rec.dActionLevel;
        rec.dSD = rec.dSDValue;
        break;
    case kTwoProportion:
        rec.dLowerBound = rec.dActionLevel;
        break;
    default:
        break;
    }
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

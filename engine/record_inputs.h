#pragma once

#include "engine/input_checks.h"

struct DQORecord;

// How the values of the input screens are stored into the record they edit,
// shared by the wizard, the summary screen and talo-cli.

// Before a screen shows the gray region: the bound that the baseline ties to
// the action level takes the action level.
void TieBoundToActionLevel(DQORecord& rec);

// The baseline and the gray region: (AL, other bound) for Ho <=, (other
// bound, AL) for Ho >=.
void StoreGrayRegion(DQORecord& rec, int baseline, double actionLevel, double otherBound);

// The other bound as the screens show it: the upper bound for Ho <=, the
// lower bound otherwise.
double OtherBound(const DQORecord& rec);

// Minimum, maximum, action level, standard deviation and gray region of a
// mean screen.
void StoreMeanInputs(DQORecord& rec, const MeanInputs& in);

// The additional limits of a screen closed with NEXT >>: given rows are
// stored, the others are cleared to the minimum or maximum with limit 0,
// and each pair is put in ascending order of its points.
void StoreAdditionalLimits(DQORecord& rec, const AdditionalLimitRows& rows);

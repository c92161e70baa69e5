#pragma once

class CTaloDialog;
struct DQORecord;

// The design screens as the summary screen runs them, each over `over` and
// each shown again until its OK was pressed; they write into rec.

// The design screen of the parameter; the chosen design goes into nDesign.
void RunDesignChoice(CTaloDialog& over, DQORecord& rec);

// The composite inputs: ratio, aliquots and compositing cost.
void RunCompositeInputs(CTaloDialog& over, DQORecord& rec);

// The number of strata, then each stratum's characteristics.
void RunStrataSequence(CTaloDialog& over, DQORecord& rec);

// Each stratum's value and weight in turn, the weights offered afresh.
void RunStratumCharacteristics(CTaloDialog& over, DQORecord& rec);

// The list of the strata until OK; "Change Number" runs the strata
// sequence, "Change Values" the stratum characteristics.
void RunStrataListLoop(CTaloDialog& over, DQORecord& rec);

#pragma once

#include <string>
#include <vector>

#include "engine/dqo_record.h"

// The screens of the sampling designs: their members, what their callers
// fill and store, and their checks.

// --- Sampling design choice ---------------------------------------------------

// CMeanDesignDlg, CPropDesignDlg: the radio index of the design chosen.
struct DesignChoiceScreen {
    int m_nDesign = -1;
};

// The proportion screen offers simple random (index 0) and stratified
// (index 1) sampling only.
int PropDesignIndex(int design);
int PropDesignCode(int index);

// The mean screen's index is the design code itself.
void FillMeanDesignScreen(DesignChoiceScreen& screen, const DQORecord& rec);
void StoreMeanDesignScreen(const DesignChoiceScreen& screen, DQORecord& rec);
void FillPropDesignScreen(DesignChoiceScreen& screen, const DQORecord& rec);
void StorePropDesignScreen(const DesignChoiceScreen& screen, DQORecord& rec);

// --- Sampling design inputs --------------------------------------------------

// CCompositeDlg
struct CompositeScreen {
    std::string m_strSDRatio;         // 1125
    std::string m_strAliquots;        // 1127
    std::string m_strCompositingCost; // 1128
};

// Before the first composite inputs the screen offers its own defaults.
void FillCompositeScreen(CompositeScreen& screen, const DQORecord& rec);
void StoreCompositeScreen(const CompositeScreen& screen, DQORecord& rec);
std::string CheckCompositeScreen(const CompositeScreen& screen);

// CStrataCountDlg
struct StrataCountScreen {
    std::string m_strStrata; // 1119
};

void FillStrataCountScreen(StrataCountScreen& screen, const DQORecord& rec);
void StoreStrataCountScreen(const StrataCountScreen& screen, DQORecord& rec);
std::string CheckStrataCountScreen(const StrataCountScreen& screen);

// The members the two stratum characteristics screens share.
struct StratumScreen {
    std::string m_strNumber; // 1120
    std::string m_strValue;  // 1117: standard deviation or underlying proportion
    std::string m_strWeight; // 1118
    std::string m_strFixed;  // 1121
    int m_bWeightFixed = 0;
    double m_dWeightSum = 0.0;
};

// CMeanStratumDlg
struct MeanStratumScreen : StratumScreen {};
// CPropStratumDlg
struct PropStratumScreen : StratumScreen {};

// Stratum `stratum` (1 .. nStrata) after strata whose weights add up to
// weightSum: each is offered an equal share of the weight left, the last
// exactly the remainder, fixed. A mean is offered the analysis's deviation.
void FillMeanStratumScreen(MeanStratumScreen& screen, const DQORecord& rec, int stratum,
                           double weightSum);
// A proportion is offered the action level, which is put into dCalcSD first.
void FillPropStratumScreen(PropStratumScreen& screen, DQORecord& rec, int stratum,
                           double weightSum);
// The weight left for the final stratum after strata weighing weightSum,
// never below 0 nor above 1.
double RemainderWeight(double weightSum);
// Returns the stored weight, for the caller's running sum. The final
// stratum stores the remainder itself, not its rounded text.
double StoreStratumScreen(const StratumScreen& screen, DQORecord& rec, int stratum);
// rec: the calculation block's range bounds the deviation.
std::string CheckMeanStratumScreen(const MeanStratumScreen& screen, const DQORecord& rec);
std::string CheckPropStratumScreen(const PropStratumScreen& screen);

// CStrataSummaryDlg: the list of the strata, changed through its end flags.
struct StrataSummaryScreen {
    int m_bChangeNumber = 0; // "Change Number"
    int m_bChangeValues = 0; // "Change Values"
};

// The list's column header (1170) for the record's parameter.
std::string StrataListHeader(const DQORecord& rec);
// One row per stratum of the record: number, weight and value.
std::vector<std::string> StrataListRows(const DQORecord& rec);

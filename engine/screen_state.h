#pragma once

#include <string>

#include "engine/dqo_record.h"
#include "engine/input_checks.h"
#include "engine/record_views.h"

class Messages;

// What each input screen does with its values, without any window: its
// members as plain text and radio indices, how its caller fills them from
// the record and stores them back, what its radio buttons propose and what
// its checks say. The dialogs bind these members to their controls; the
// wizard, the summary screen and talo-cli all go through the same functions.
//
// Fill* and Store* are the caller's side (the wizard or the summary screen),
// Check* the screen's OK processing (the message of the first failing check,
// "" when all pass), Click* a radio handler after the controls were copied.

// --- Gray region ------------------------------------------------------------

// What the wizard's parameter screens say beside the other bound of the gray
// region for a baseline: "Upper Bound:" or "Lower Bound:", and why the bound
// lies on that side. "" when no baseline is chosen.
const char* OtherBoundLabel(int baseline);
const char* GrayRegionExplanation(int baseline);

// --- Mean inputs ------------------------------------------------------------

// The members the two wizard mean screens share.
struct MeanInputsScreen {
    std::string m_strMinimum;     // 1003
    std::string m_strMaximum;     // 1007
    std::string m_strActionLevel; // 1009
    int m_nBaseline = -1;         // 1000/1001: BaselineCode, -1 none checked
    std::string m_strBoundLabel;  // 1043
    std::string m_strOtherBound;  // 1045
    int m_nSDMode = kSDByCV;      // 1002/1004: SDMode
    std::string m_strSD;          // 1046
    std::string m_strCV;          // 1047, percent of the action level
    std::string m_strCVLabel;     // 1165
};

// COneMeanInputsDlg
struct OneMeanInputsScreen : MeanInputsScreen {
    OneMeanInputsScreen() { m_nBaseline = kBaselineAtMost; }
};

// CTwoMeanInputsDlg
struct TwoMeanInputsScreen : MeanInputsScreen {};

// CModifyMeanDlg: the minimum, maximum and baseline are shown only.
struct ModifyMeanScreen {
    std::string m_strMinimum;     // 1099
    std::string m_strMaximum;     // 1100
    std::string m_strBaseline;    // 1101
    std::string m_strActionLevel; // 1095
    std::string m_strBoundLabel;  // 1098
    std::string m_strBound;       // 1096
    int m_nSDMode = kSDByCV;      // 1002/1004
    std::string m_strSD;          // 1046
    std::string m_strCV;          // 1047
    std::string m_strCVLabel;     // 1165
};

void FillOneMeanScreen(OneMeanInputsScreen& screen, const DQORecord& rec);
// The two-sample step first ties the baseline's bound to the action level
// in the record.
void FillTwoMeanScreen(TwoMeanInputsScreen& screen, DQORecord& rec);
void FillModifyMeanScreen(ModifyMeanScreen& screen, const DQORecord& rec);

// Minimum, maximum, action level, standard deviation and gray region.
void StoreMeanScreen(const MeanInputsScreen& screen, DQORecord& rec);
// Action level, standard deviation and gray region; the baseline is the record's.
void StoreModifyMeanScreen(const ModifyMeanScreen& screen, DQORecord& rec);

std::string CheckOneMeanScreen(const OneMeanInputsScreen& screen);
std::string CheckTwoMeanScreen(const TwoMeanInputsScreen& screen);
// rec: the edited record, whose parameter, baseline and range are used.
std::string CheckModifyMeanScreen(const ModifyMeanScreen& screen, const DQORecord& rec);

// A baseline button: the other bound is proposed afresh on every click, the
// midpoint towards the range's end for one sample, 5.0 away for two.
void ClickOneMeanBaseline(OneMeanInputsScreen& screen, BaselineCode baseline);
void ClickTwoMeanBaseline(TwoMeanInputsScreen& screen, BaselineCode baseline);

// "Coefficient of Variation:": the label shows the deviation the fields give.
void ClickCoefficient(MeanInputsScreen& screen);
void ClickCoefficient(ModifyMeanScreen& screen);

// --- Proportion inputs ------------------------------------------------------

// COnePropInputsDlg
struct OnePropInputsScreen {
    std::string m_strActionLevel; // 1009
    int m_nBaseline = -1;         // 1000/1001
    std::string m_strOtherBound;  // 1045
};

// CTwoPropInputsDlg: the action level is fixed at 0.
struct TwoPropInputsScreen {
    std::string m_strMinimum;    // 1155, shown only
    std::string m_strMaximum;    // 1156, shown only
    int m_nBaseline = -1;        // 1000/1001
    std::string m_strOtherBound; // 1045
};

// CModifyPropDlg
struct ModifyPropScreen {
    std::string m_strMinimum;          // 1099
    std::string m_strMaximum;          // 1100
    std::string m_strBaseline;         // 1101
    std::string m_strActionLevelLabel; // 1164
    std::string m_strActionLevel;      // 1095, hidden for two proportions
    std::string m_strBoundLabel;       // 1098
    std::string m_strBound;            // 1096
};

// Both wizard steps first tie the baseline's bound to the action level.
void FillOnePropScreen(OnePropInputsScreen& screen, DQORecord& rec);
void FillTwoPropScreen(TwoPropInputsScreen& screen, DQORecord& rec);
void FillModifyPropScreen(ModifyPropScreen& screen, const DQORecord& rec);

void StoreOnePropScreen(const OnePropInputsScreen& screen, DQORecord& rec);
void StoreTwoPropScreen(const TwoPropInputsScreen& screen, DQORecord& rec);
void StoreModifyPropScreen(const ModifyPropScreen& screen, DQORecord& rec);

std::string CheckOnePropScreen(const OnePropInputsScreen& screen);
std::string CheckTwoPropScreen(const TwoPropInputsScreen& screen);
std::string CheckModifyPropScreen(const ModifyPropScreen& screen, const DQORecord& rec);

// One sample: the midpoint between the action level and 0 or 1. Two
// samples: the size of the bound typed so far, with the side's sign.
void ClickOnePropBaseline(OnePropInputsScreen& screen, BaselineCode baseline);
void ClickTwoPropBaseline(TwoPropInputsScreen& screen, BaselineCode baseline);

// --- Costs and decision error limits -----------------------------------------

// CCostsDlg
struct CostsScreen {
    std::string m_strLabCost;   // 1004
    std::string m_strFieldCost; // 1005
    int m_bTotalFieldCost = 1;  // 1002/1006: 0 per sample, 1 total
    int m_bComposite = 0;       // the summary screen sets it for a composite design
};

void FillCostsScreen(CostsScreen& screen, const DQORecord& rec);
void StoreCostsScreen(const CostsScreen& screen, DQORecord& rec);
std::string CheckCostsScreen(const CostsScreen& screen);

// The unit after "Field Costs" on the costs and summary screens.
const char* FieldCostUnit(int totalFieldCost); // "(Total):" or "(Per Sample):"

// CErrorLimitsDlg
struct ErrorLimitsScreen {
    std::string m_strLowerBound;   // 1004, "(50):"
    std::string m_strUpperBound;   // 1005
    std::string m_strLimitAtLower; // 1008
    std::string m_strLimitAtUpper; // 1009
};

void FillErrorLimitsScreen(ErrorLimitsScreen& screen, const DQORecord& rec);
void StoreErrorLimitsScreen(const ErrorLimitsScreen& screen, DQORecord& rec);
std::string CheckErrorLimitsScreen(const ErrorLimitsScreen& screen);

// CAdditionalLimitsDlg. An empty point means there is no point in the row.
struct AdditionalLimitsScreen {
    std::string m_strLowerBound;   // 1011, shown only
    std::string m_strUpperBound;   // 1012
    std::string m_strLimitAtLower; // 1013
    std::string m_strLimitAtUpper; // 1014
    std::string m_strBelow1;       // 1015, left block, bottom row
    std::string m_strBelow1Limit;  // 1017
    std::string m_strBelow2;       // 1016, left block, top row
    std::string m_strBelow2Limit;  // 1018
    std::string m_strAbove1;       // 1019, right block, top row
    std::string m_strAbove1Limit;  // 1021
    std::string m_strAbove2;       // 1020, right block, bottom row
    std::string m_strAbove2Limit;  // 1022
};

void FillAdditionalLimitsScreen(AdditionalLimitsScreen& screen, const DQORecord& rec);
// As the step stores them when it advances: given rows are stored, the others
// cleared to the minimum or maximum with limit 0, each pair in ascending order.
void StoreAdditionalLimitsScreen(const AdditionalLimitsScreen& screen, DQORecord& rec);
std::string CheckAdditionalLimitsScreen(const AdditionalLimitsScreen& screen, const DQORecord& rec);

// --- Design/DQO summary ------------------------------------------------------

// CSummaryDlg: the texts composed for it, and what it hands back.
struct SummaryScreen {
    std::string m_strDesign;          // 1111
    std::string m_strDesignInputs1;   // 1113
    std::string m_strDesignInputs2;   // 1114
    std::string m_strStrata;          // 1115
    std::string m_strSamplesLabel;    // 1168
    std::string m_strSamples;         // 1116
    std::string m_strSamplesNote;     // 1081
    std::string m_strTotalCost;       // 1067
    std::string m_strLabCost;         // 1060
    std::string m_strFieldCost;       // 1061
    std::string m_strFieldCostUnit;   // 1153
    std::string m_strCompositingCost; // 1080
    std::string m_strParameter;       // 1062
    std::string m_strActionLevel;     // 1063
    std::string m_strGrayRegion;      // 1064
    std::string m_strBaseline;        // 1065
    std::string m_strSD;              // 1066
    // The decision error table by ErrorRow: points 1068-1073, limits 1074-1079.
    // The bound rows' points are shown only.
    std::string m_strPoint[kErrorRows];
    std::string m_strLimit[kErrorRows];
    int m_bLeave = 0;
    int m_bShowGraph = 0;
};

// Composes every text of the screen from the record.
void FillSummaryScreen(SummaryScreen& screen, const DQORecord& rec);

// The gray region and the points of its bound rows, marked "*" as fixed, as
// the summary and verification screens show them.
void ComposeGrayRegion(const DQORecord& rec, std::string& region,
                       std::string (&points)[kErrorRows]);

// Change Costs, once the costs screen is stored: the total cost of the
// current number of samples with the new costs, shown at once.
void ChangeSummaryCosts(SummaryScreen& screen, DQORecord& rec, Messages& messages);

// Change Input Value(s), once a modify screen is stored: the input values
// as that screen shows them (a mean's values with "%g").
void RefreshSummaryInputs(SummaryScreen& screen, const DQORecord& rec);

// The limits of the decision error table and the additional points whose
// limit is set, as the summary and verification screens show them.
void ComposeErrorLimits(const DQORecord& rec, std::string (&points)[kErrorRows],
                        std::string (&limits)[kErrorRows]);

// Update's accept processing: the typed number of samples and total cost are
// taken, the additional rows checked and the limits at the bounds stored.
// What was stored before a failing check stays stored.
std::string AcceptSummaryScreen(const SummaryScreen& screen, DQORecord& rec);

// After the screen closed: a size typed before Update becomes the false
// acceptance limit; the first design inputs also go to the original record;
// "Original DQOs" then restores it (and false is returned: nothing more to
// apply); otherwise the typed additional rows that pass their checks are
// read back, each pair in ascending order.
bool ApplySummaryScreen(const SummaryScreen& screen, DQORecord& current, DQORecord& original,
                        Messages& messages);

// A number of samples or a total cost typed on the summary screen, through
// to the design computed for it: the screen takes the two fields, the pass
// turns a changed number into the false acceptance limit of the inputs, and
// the analysis runs again on the filled calculation block. Returns false,
// with nothing computed, when the fields ask for nothing new.
bool RecomputeForTypedSamples(const SummaryScreen& screen, DQORecord& rec, Messages& messages);

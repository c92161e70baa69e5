#pragma once

#include <string>

#include "engine/dqo_record.h"
#include "engine/screen_state.h"

// The input verification screen without any window: every input of the
// record on one page, and the decision error table whose limits and
// additional points can still be edited. Its side trips (the costs screen
// and the parameter's input screen) write the record at once; these
// functions then refresh the page from it.

// CInputVerificationDlg. The table rows follow ErrorRow: the additional
// points 1026, 1027, 1033, 1034 and the bounds 1058, 1059 (shown only);
// limits 1035-1040; types 1083-1088.
struct VerificationScreen {
    std::string m_strParameter;     // 1046
    std::string m_strMinimumLabel;  // 1104
    std::string m_strMinimum;       // 1047
    std::string m_strMaximumLabel;  // 1105
    std::string m_strMaximum;       // 1048
    std::string m_strActionLevel;   // 1049
    std::string m_strBaseline;      // 1055
    std::string m_strGrayRegion;    // 1056
    std::string m_strSDLabel;       // 1107
    std::string m_strSD;            // 1052
    std::string m_strLabCost;       // 1050
    std::string m_strFieldCostUnit; // 1169
    std::string m_strFieldCost;     // 1051
    std::string m_strColumn;        // 1106: "concentration" or "proportion"
    std::string m_strPoint[kErrorRows];
    std::string m_strLimit[kErrorRows];
    std::string m_strType[kErrorRows]; // "FR" or "FA"
};

// Before the screen is shown (and in skip mode): the values of the record.
void FillVerificationScreen(VerificationScreen& screen, const DQORecord& rec);

// When the screen opens: the labels that depend on the parameter, the field
// cost's unit and the type column.
void LabelVerificationScreen(VerificationScreen& screen, const DQORecord& rec);

// NEXT >> and Enter: the additional rows, then the limits at the bounds,
// each stored in the record as soon as it passes. The message of the first
// failure, or "".
std::string CheckVerificationScreen(const VerificationScreen& screen, DQORecord& rec);

// After the screen closed in any way: the additional rows into the record,
// an empty row as the range's end with limit 0. The counts grow (the
// additional-limits step sets them afresh); each pair ends in ascending order.
void StoreVerificationScreen(const VerificationScreen& screen, DQORecord& rec);

// After "Change Costs" stored the costs screen.
void RefreshVerificationCosts(VerificationScreen& screen, const DQORecord& rec);

// After "Change Input Value(s)" stored the parameter's input screen; the
// baseline may have changed, and with it the type column.
void RefreshVerificationInputs(VerificationScreen& screen, const DQORecord& rec);

// "Change Input Value(s)" for a proportion shows the values with three
// decimals, and stores only the action level, the baseline and the bounds.
void FillChangedOnePropScreen(OnePropInputsScreen& screen, const DQORecord& rec);
void StoreChangedOnePropScreen(const OnePropInputsScreen& screen, DQORecord& rec);
void FillChangedTwoPropScreen(TwoPropInputsScreen& screen, const DQORecord& rec);
void StoreChangedTwoPropScreen(const TwoPropInputsScreen& screen, DQORecord& rec);

#pragma once

#include <string>

struct DQORecord;

// The checks of the input screens as pure functions, shared by the screens
// and talo-cli. Each takes the values as the screen has converted them and
// returns the message of the first check that fails, or "" when all pass.

// How the standard deviation is estimated (m_nSDMode).
enum SDMode { kSDByValue = 0, kSDByCV = 1 };

// The inputs of a mean screen. On the modify screen the minimum, maximum
// and baseline are those of the edited record.
struct MeanInputs {
    double minimum = 0;
    double maximum = 0;
    double actionLevel = 0;
    double otherBound = 0; // the gray-region bound that is not the action level
    int baseline = -1;     // BaselineCode, or -1 when no button is checked
    int sdMode = kSDByCV;
    double sd = 0;
    double cvPercent = 0;
};

std::string CheckOneMeanInputs(const MeanInputs& in);
std::string CheckTwoMeanInputs(const MeanInputs& in);
// parameter: the edited record's parameter code; it chooses the relation.
std::string CheckModifyMeanInputs(int parameter, const MeanInputs& in);

std::string CheckOnePropInputs(int baseline, double actionLevel, double otherBound);
// The action level of two proportions is fixed at 0 and not checked.
std::string CheckTwoPropInputs(int baseline, double otherBound);
// The action level is read only for a one-sample proportion.
std::string CheckModifyPropInputs(int parameter, int baseline, double actionLevel,
                                  double otherBound);

std::string CheckCosts(double labCost, double fieldCost);
std::string CheckErrorLimits(double limitAtLower, double limitAtUpper);

// One additional decision error limit as entered. A row is given when its
// point field holds any text; its limit alone does not count.
struct AdditionalLimitRow {
    bool given = false;
    double point = 0;
    double limit = 0;
};

// The four rows in the order they are checked and stored.
struct AdditionalLimitRows {
    AdditionalLimitRow below1; // limits screen 1015/1017, summary row 1
    AdditionalLimitRow below2; // limits screen 1016/1018, summary row 2
    AdditionalLimitRow above1; // limits screen 1019/1021, summary row 5
    AdditionalLimitRow above2; // limits screen 1020/1022, summary row 6
};

// rec supplies nParameter, nBaseline, dMinimum, dMaximum, dActionLevel,
// dLowerBound and dUpperBound.
std::string CheckAdditionalLimits(const DQORecord& rec, const AdditionalLimitRows& rows);

// The same rows typed into the summary screen's table, whose messages differ
// in a few blanks and letters; the limits come converted in single precision.
std::string CheckSummaryLimits(const DQORecord& rec, const AdditionalLimitRows& rows);

// The rows of the input verification screen's table; its last row names the
// values without the plural "s".
std::string CheckVerificationLimits(const DQORecord& rec, const AdditionalLimitRows& rows);

// One limit at a gray-region bound, as the summary screen checks it.
std::string CheckErrorLimit(double limit);

std::string CheckCompositeInputs(double sdRatio, int aliquots, double compositingCost);
std::string CheckStrataCount(int strata);

// One stratum as entered, with the sum of the weights of the strata before it.
struct StratumInputs {
    double value = 0; // standard deviation (mean) or underlying proportion
    double weight = 0;
    double weightSum = 0;
};

// rec supplies dCalcMinimum and dCalcMaximum, which bound the standard deviation.
std::string CheckMeanStratum(const DQORecord& rec, const StratumInputs& in);
std::string CheckPropStratum(const StratumInputs& in);

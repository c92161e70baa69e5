#pragma once

#include <string>

#include "engine/dqo_record.h"

// What several readers take from a record in the same way: the words for its
// parameter, the strata its arrays hold and the flags of the additional rows.

// The forms in which the texts name a parameter, by parameter code.
enum class ParameterWordForm {
    kPlain,  // "mean", "proportion", "mean1-mean2", "prop1-prop2"
    kSpaced, // "mean", "proportion", "mean1 - mean2", "prop1 - prop2"
    kTitle,  // "Mean", "Proportion", "Two-Sample Mean", "Two-Sample Proportion"
    kNoun,   // what the values are: "concentration" or "proportion"
    kCurve,  // the quantity of the curve's axis: "mean", "proportion", "mean", "prop."
};

const char* ParameterWord(ParameterCode parameter, ParameterWordForm form);

// The parameter code of a record; a code outside the four reads as the
// nearest one, so that no text is ever looked up out of range.
ParameterCode ParameterOf(const DQORecord& rec);

// The number of strata the arrays hold: nStrata within 0 .. kMaxStrata.
int StrataCount(const DQORecord& rec);

// The decision error table rows of the additional limits, in the order of
// bNotSatisfied.
inline constexpr ErrorRow kAdditionalRowOf[kAdditionalRows] = {kRowBelow1, kRowBelow2, kRowAbove1,
                                                               kRowAbove2};

// Whether the design misses the limit of a table row; the gray-region bounds
// never carry the flag.
bool RowNotSatisfied(const DQORecord& rec, ErrorRow row);

// The gray-region bound that is not the action level: the upper bound for
// Ho <=, the lower bound otherwise.
double OtherBound(const DQORecord& rec);

// The baseline and the gray region: (AL, other bound) for Ho <=, (other
// bound, AL) for any other baseline code.
void StoreGrayRegion(DQORecord& rec, int baseline, double actionLevel, double otherBound);

// Each pair of additional rows that holds an entry put in ascending order of
// its points, the limits going with them.
void SortAdditionalPoints(DQORecord& rec);

// A cost or a ratio as the screens show it: "%.2f".
std::string Money(double value);

// A proportion with three decimals, or with as many digits as it takes to
// read back as itself: a value a screen accepted must not come back as one
// it refuses (0.0004 as "0.000").
std::string ProportionText(double value);

#include <string>

#include <gtest/gtest.h>

#include "tests/support/records.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"

namespace {

using namespace screens;
const int kUp = kBaselineAtMost, kDown = kBaselineAtLeast;

// A screen filled from the starting record; the steps, what it shows, its end
// code and a part of the message, as RunSteps takes them. The messages in
// full are the checks' own tests'; here one row shows each screen's wiring.
struct Step {
    ScreenFactory make;
    int parameter, baseline;
    const char* steps;
    std::string shown;
    int end = 0;
    const char* message = "";
};

class StepTest : public testing::TestWithParam<Step> {};

TEST_P(StepTest, StepsGiveTheTexts)
{
    const Step& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter, c.baseline);
    const auto dialog = c.make(rec);
    CScriptedSeams seams;
    EXPECT_EQ(RunSteps(seams, *dialog, c.steps, c.shown, c.message), c.end);
}

const char* const kRange = "0 < Error Limit <= 0.5";
const Step kSteps[] = {
    // Opening steps and the radio handlers.
    {ModProp, kTwoProportion, kUp, "",
     "actionLevelEdit=|actionLevelLabel=Action Level (AL):         0.00 (fixed)"},
    {OneMean, kOneMean, kUp, "minimumEdit=0 actionLevelEdit=50 atLeastRadio",
     "otherBoundEdit=25|boundLabel=Lower Bound:"},
    {OneProp, kOneProportion, kDown, "actionLevelEdit=0.2 atMostRadio",
     "otherBoundEdit=0.6|boundLabel=Upper Bound:"},
    {TwoProp, kTwoProportion, kUp, "otherBoundEdit=0.15 atLeastRadio",
     "otherBoundEdit=-0.15|minimumText=-1.00|maximumText= 0.00|boundLabel=Lower Bound:"},
    {TwoMean, kTwoMean, kUp, "cvEdit=20 actionLevelEdit=60 cvRadio actionLevelEdit=7 atLeastRadio",
     "cvLabel=% of AL (= 12    )|otherBoundEdit=-5.0"},
    {ModMean, kOneMean, kUp, "cvEdit=30 actionLevelEdit=50 cvRadio", "cvLabel=% of AL (= 15    )"},
    // The checks behind the ending buttons, for the parameter of the record.
    {ModMean, kOneMean, kUp, "actionLevelEdit=0 boundEdit=5 nextButton", "", 0, "Maximum(100)"},
    {OneProp, kOneProportion, kUp, "actionLevelEdit=0.5 otherBoundEdit=1 summaryButton", "", 0,
     "proportion <= Action Level"},
    {TwoProp, kTwoProportion, kDown, "otherBoundEdit=-1 backButton", "", 0, "Gray Region(-1)"},
    {ModProp, kOneProportion, kUp, "actionLevelEdit=0.6 boundEdit=0.55 nextButton", "", 0,
     "proportion <= Action Level"},
    {Limits, kOneMean, kUp, "limitAtLowerEdit=0.51 backButton", "limitAtLowerEdit=0.51", 0, kRange},
    // The left block's bottom row is checked first, with its own message.
    {Additional, kOneMean, kUp, "below1Edit=50 below1LimitEdit=0.1 below2Edit=60 nextButton",
     "belowColumnLabel=Concentration|belowTitleLabel=False Rejection Error Limit, FR", 0,
     "Minimum (0.000) < Additional concentration"},
    // Esc runs the checks; a limit alone makes no row.
    {Additional, kOneMean, kUp, "above1LimitEdit=0.2 below2Edit=10 Esc below2LimitEdit=0.1 Esc",
     "below2Edit=10|below2LimitEdit=0.1|below1Edit=|above1LimitEdit=0.2", kEndOk, kRange},
    // A radio click keeps the texts as they stand; Esc then closes without
    // copying, and without the texts the checks refuse.
    {Costs, kOneMean, kUp, "labCostEdit=-7 totalRadio labCostEdit=8 Esc",
     "labCostEdit=1000.00|totalRadio=unchecked|compositeNoteLabel=", kEndCancel},
    {Costs, kOneMean, kUp, "labCostEdit=7 totalRadio labCostEdit=8 Esc",
     "labCostEdit=7|totalRadio=checked", kEndCancel},
    // The verification screen; Esc on a side trip's screen stores it and shows
    // it again. The baseline turned round turns the type column with it.
    {Verify, kOneMean, kUp, "lowerLimitEdit=0.3 changeInputsButton|atLeastRadio Esc|nextButton",
     "baselineText=mean >= 50|grayRegionText=25 - 50|upperBoundText=50*|below1TypeLabel=FA|"
     "above2TypeLabel=FR|lowerLimitEdit=0.3"},
};
INSTANTIATE_TEST_SUITE_P(Screens, StepTest, testing::ValuesIn(kSteps));

} // namespace

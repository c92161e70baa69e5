#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/records.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"

namespace {

using namespace screens;
// The costs screen as the summary screen opens it for a composite design.
std::unique_ptr<CTaloDialog> CompositeCosts(DQORecord& rec)
{
    auto dialog = Costs(rec);
    dynamic_cast<CCostsDlg&>(*dialog).m_bComposite = 1;
    return dialog;
}
const int kUp = kBaselineAtMost, kDown = kBaselineAtLeast;

// A screen filled from the starting record: the steps done on it (then,
// after each "|", on the next screen of a side trip it opens), what it shows
// then (when they closed it, what it shows opened again: what it handed
// back), its end code (0 while open) and the message shown.
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
    const QStringList screens = QString::fromLatin1(c.steps).split('|');
    const auto shows = [&c](QDialog& d) { EXPECT_EQ(Shows(d, c.shown), c.shown); };
    seams.scripts.push_back([&](QDialog& d) {
        Act(d, screens[0]);
        if (d.isVisible())
            shows(d);
    });
    for (const QString& steps : screens.mid(1))
        seams.scripts.push_back([steps](QDialog& d) { Act(d, steps); });
    EXPECT_EQ(seams.RunModal(*dialog), c.end);
    EXPECT_TRUE(seams.scripts.empty());
    EXPECT_EQ(seams.ShownTexts(), c.message);
    if (c.end != 0) {
        seams.scripts.push_back(shows);
        seams.RunModal(*dialog);
    }
}

const char* const kLimitsRange = "Error limits must be in the range: 0 < Error Limit <= 0.5";
const char* const kPropAtMost =
    "For Ho: proportion <= Action Level, the following relationship must be satisfied:\n\n    "
    "0.00 < Action Level < Upper Bound of Gray Region < 1.00";
const Step kSteps[] = {
    // Opening steps.
    {OneMean, kOneMean, kUp, "",
     "boundLabel=Upper Bound:|otherBoundEdit=75|explanationLabel=The gray region is bounded on "
     "one side by the action level (the lower bound).  Because of the selected baseline "
     "condition, the other bound (the upper bound) must be greater than the action level.  Enter "
     "the upper bound."},
    {OneProp, kOneProportion, kDown, "", "boundLabel=Lower Bound:"},
    {TwoProp, kTwoProportion, kUp, "", "boundLabel=Upper Bound:|minimumText=-1"},
    {ModProp, kTwoProportion, kUp, "",
     "actionLevelEdit=|actionLevelLabel=Action Level (AL):         0.00 (fixed)"},
    // Radio handlers.
    {OneMean, kOneMean, kUp, "minimumEdit=0 actionLevelEdit=50 atLeastRadio",
     "otherBoundEdit=25|boundLabel=Lower Bound:|explanationLabel=The gray region is bounded on "
     "one side by the action level (the upper bound).  Because of the selected baseline "
     "condition, the other bound (the lower bound) must be less than the action level.  Enter "
     "the lower bound."},
    {TwoMean, kTwoMean, kUp, "actionLevelEdit=7 atLeastRadio",
     "otherBoundEdit=-5.0|boundLabel=Lower Bound:"},
    {OneProp, kOneProportion, kDown, "actionLevelEdit=0.2 atMostRadio",
     "otherBoundEdit=0.6|boundLabel=Upper Bound:"},
    {TwoProp, kTwoProportion, kUp, "otherBoundEdit=0.15 atLeastRadio",
     "otherBoundEdit=-0.15|minimumText=-1.00|maximumText= 0.00|boundLabel=Lower Bound:"},
    {TwoMean, kTwoMean, kUp, "cvEdit=20 actionLevelEdit=60 cvRadio", "cvLabel=% of AL (= 12    )"},
    {ModMean, kOneMean, kUp, "cvEdit=30 actionLevelEdit=50 cvRadio", "cvLabel=% of AL (= 15    )"},
    {OneMean, kOneMean, kUp, "cvEdit=30 actionLevelEdit=50 sdValueRadio",
     "cvLabel=% of AL (= 10    )"},
    // The checks behind the ending buttons, for the parameter of the record.
    {OneMean, kOneMean, kUp, "minimumEdit=0 actionLevelEdit=0 maximumEdit=10 nextButton", "", 0,
     "For Ho: mean <= Action Level, the following relationship must be satisfied:\n\n    "
     "Minimum(0) < Action Level < Upper Bound of Gray Region < Maximum(10)"},
    {TwoMean, kTwoMean, kUp,
     "minimumEdit=0 actionLevelEdit=0 otherBoundEdit=5 maximumEdit=10 nextButton", "", 1},
    {ModMean, kOneMean, kUp, "actionLevelEdit=0 boundEdit=5 nextButton", "", 0,
     "For Ho: mean <= Action Level, the following relationship must be satisfied:\n\n    "
     "Minimum(0) < Action Level < Upper Bound of Gray Region < Maximum(100)"},
    {ModMean, kTwoMean, kUp, "actionLevelEdit=-20 boundEdit=5 nextButton", "", 1},
    {OneProp, kOneProportion, kUp, "actionLevelEdit=0.5 otherBoundEdit=1 summaryButton", "", 0,
     kPropAtMost},
    {TwoProp, kTwoProportion, kDown, "otherBoundEdit=-1 backButton", "", 0,
     "For Ho: prop1-prop2 >= Action Level, the following relationship must be satisfied:\n\n    "
     "-1.00 < Lower Bound of Gray Region(-1) < 0.00"},
    {ModProp, kOneProportion, kUp, "actionLevelEdit=0.6 boundEdit=0.55 nextButton", "", 0,
     kPropAtMost},
    {ModProp, kTwoProportion, kUp, "actionLevelEdit=abc boundEdit=0.5 nextButton", "", 1},
    {Costs, kOneMean, kUp,
     "fieldCostEdit=-0.01 nextButton labCostEdit=0 fieldCostEdit=0.00 totalRadio nextButton",
     "labCostEdit=0|fieldCostEdit=0.00|totalRadio=checked|fieldCostUnitLabel=(Total):", kEndOk,
     "Laboratory and Field costs cannot be less than zero."},
    {Limits, kOneMean, kUp,
     "limitAtLowerEdit=0.51 backButton limitAtLowerEdit=0.5 limitAtUpperEdit=0.5 nextButton",
     "limitAtLowerEdit=0.5|limitAtUpperEdit=0.5|lowerLimitNameLabel=False Rejection Error Limit, "
     "FR",
     kEndOk, kLimitsRange},
    // The left block's bottom row is checked first, with its own message.
    {Additional, kOneMean, kUp, "below1Edit=50 below1LimitEdit=0.1 below2Edit=60 nextButton",
     "belowColumnLabel=Concentration|belowTitleLabel=False Rejection Error Limit, FR", 0,
     "Additional concentrations in the false rejection region must be in the range:\n"
     "Minimum (0.000) < Additional concentration < Action Level (50.000)"},
    {Additional, kTwoProportion, kDown,
     "above1Edit=0.5 above1LimitEdit=0.1 above2Edit=1 nextButton",
     "grayColumnLabel=Proportion|aboveTitleLabel=False Rejection Error Limit, FR", 0,
     "Additional proportions in the false rejection region must be in the range:\n"
     "Action Level(0.000) < Additional proportion < Maximum(1.000)"},
    // Esc runs the checks; a limit alone makes no row.
    {Additional, kOneMean, kUp, "above1LimitEdit=0.2 below2Edit=10 Esc below2LimitEdit=0.1 Esc",
     "below2Edit=10|below2LimitEdit=0.1|below1Edit=|above1LimitEdit=0.2", kEndOk, kLimitsRange},
    // Opening labels; a radio click keeps the texts as they stand, and Esc
    // then closes without copying.
    {Limits, kOneProportion, kDown, "", "lowerLimitNameLabel=False Acceptance Error Limit, FA"},
    {CompositeCosts, kOneMean, kUp, "",
     "fieldCostUnitLabel=(Per Sample):|compositeNoteLabel=Use the 'Change Design Inputs' button "
     "to change the Aliquot Compositing Cost."},
    {Costs, kOneMean, kUp, "labCostEdit=-7 totalRadio labCostEdit=8 Esc",
     "labCostEdit=-7|totalRadio=checked|compositeNoteLabel=", kEndCancel},
    // The verification screen; Esc on a side trip's screen stores it and shows
    // it again. The baseline turned round turns the type column with it.
    {Verify, kOneMean, kUp, "",
     "minimumLabel=Minimum Mean Concentration:|columnLabel=concentration|lowerBoundText=50*|"
     "below2TypeLabel=FR|upperTypeLabel=FA"},
    {Verify, kOneMean, kUp,
     "lowerLimitEdit=0.3 changeCostsButton|fieldCostEdit=12.345 totalRadio Esc|nextButton",
     "fieldCostText=12.35|fieldCostUnitLabel=(Total):|lowerLimitEdit=0.3"},
    {Verify, kOneMean, kUp, "lowerLimitEdit=0.3 changeInputsButton|atLeastRadio Esc|nextButton",
     "baselineText=mean >= 50|grayRegionText=25 - 50|upperBoundText=50*|below1TypeLabel=FA|"
     "above2TypeLabel=FR|lowerLimitEdit=0.3"},
    // A proportion's screen is shown until NEXT >> or << BACK.
    {Verify, kOneProportion, kUp,
     "changeInputsButton|atLeastRadio Esc|atLeastRadio summaryButton|nextButton",
     "baselineText=prop >= 0.500|grayRegionText=0.250 - 0.500|lowerTypeLabel=FA"},
    {Verify, kOneMean, kUp, "lowerLimitEdit=0.5 upperLimitEdit=0 nextButton", "upperLimitEdit=0", 0,
     kLimitsRange},
};
INSTANTIATE_TEST_SUITE_P(Screens, StepTest, testing::ValuesIn(kSteps));

} // namespace

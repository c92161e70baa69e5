#include "ui/screens/input_verification_dlg.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/support/records.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"

namespace {

// One run of the screen on a starting record: what the user does on it, on
// each screen of a side trip in turn ("|" between them), what it shows at
// the end and the message shown.
struct Case {
    int parameter, baseline;
    const char *steps, *tripSteps, *shown, *message = "";
};

const Case kCases[] = {
    {kOneMean, 1, "", "",
     "minimumLabel=Minimum Mean Concentration:|columnLabel=concentration|lowerBoundText=50*|"
     "below2TypeLabel=FR|upperTypeLabel=FA"},
    {kTwoProportion, 0, "", "",
     "maximumLabel=Max Difference in Proportions:|sdLabel=|fieldCostUnitLabel=(Per Sample):|"
     "lowerBoundText=-0.500*|lowerTypeLabel=FA|above1TypeLabel=FR"},
    // Esc on the costs screen stores it and shows it again.
    {kOneMean, 1, "lowerLimitEdit=0.3 changeCostsButton",
     "fieldCostEdit=12.345 totalRadio Esc|nextButton",
     "fieldCostText=12.35|fieldCostUnitLabel=(Total):|lowerLimitEdit=0.3"},
    // The baseline turned round turns the type column with it; Esc stores
    // the screen and shows it again.
    {kOneMean, 1, "lowerLimitEdit=0.3 changeInputsButton", "atLeastRadio Esc|nextButton",
     "baselineText=mean >= 50|grayRegionText=25 - 50|upperBoundText=50*|below1TypeLabel=FA|"
     "above2TypeLabel=FR|lowerLimitEdit=0.3"},
    // A proportion's screen is shown until NEXT >> or << BACK.
    {kOneProportion, 1, "changeInputsButton",
     "atLeastRadio Esc|atLeastRadio summaryButton|nextButton",
     "baselineText=prop >= 0.500|grayRegionText=0.250 - 0.500|lowerTypeLabel=FA"},
    // NEXT >> runs the checks of the table.
    {kOneMean, 1, "lowerLimitEdit=0.5 upperLimitEdit=0 nextButton", "", "upperLimitEdit=0",
     "Error limits must be in the range: 0 < Error Limit <= 0.5"},
};

class VerificationTest : public testing::TestWithParam<Case> {};

TEST_P(VerificationTest, OpensLabelledAndSideTripsStoreAndRefresh)
{
    const Case& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter, c.baseline);
    const auto dialog = Made<CInputVerificationDlg, FillVerificationScreen>(rec);
    CScriptedSeams seams;
    seams.scripts.push_back([&c](QDialog& d) {
        Act(d, c.steps);
        EXPECT_EQ(Shows(d, c.shown), c.shown);
    });
    const QStringList trips = QString::fromLatin1(c.tripSteps).split('|', Qt::SkipEmptyParts);
    for (const QString& steps : trips)
        seams.scripts.push_back([steps](QDialog& d) { Act(d, steps.toLatin1().constData()); });

    seams.RunModal(*dialog);
    EXPECT_EQ(seams.modalRuns, 1 + trips.size());
    EXPECT_EQ(seams.ShownTexts(), c.message);
}

INSTANTIATE_TEST_SUITE_P(Verification, VerificationTest, testing::ValuesIn(kCases));

} // namespace

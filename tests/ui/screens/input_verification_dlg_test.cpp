#include "ui/screens/input_verification_dlg.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <QLineEdit>

#include <gtest/gtest.h>

#include "tests/support/records.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"

namespace {

// One run of the screen on a starting record: what the user does on it, on
// each screen of a side trip in turn, and what it shows at the end.
struct Case {
    const char* name;
    int parameter, baseline;
    const char* steps;
    std::vector<const char*> tripSteps;
    const char* names;
    const char* shown;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

const Case kCases[] = {
    {"OpensLabelledForMean",
     kOneMean,
     1,
     "",
     {},
     "minimumLabel columnLabel lowerBoundText below2TypeLabel upperTypeLabel",
     "Minimum Mean Concentration:|concentration|50*|FR|FA"},
    {"OpensLabelledForTwoProportions",
     kTwoProportion,
     0,
     "",
     {},
     "maximumLabel sdLabel fieldCostUnitLabel lowerBoundText lowerTypeLabel above1TypeLabel",
     "Max Difference in Proportions:||(Per Sample):|-0.500*|FA|FR"},
    // Esc on the costs screen stores it and shows it again.
    {"CostsUntilNext",
     kOneMean,
     1,
     "lowerLimitEdit=0.3 changeCostsButton",
     {"fieldCostEdit=12.345 totalRadio Esc", "nextButton"},
     "fieldCostText fieldCostUnitLabel lowerLimitEdit",
     "12.35|(Total):|0.3"},
    // The baseline turned round turns the type column with it; Esc stores
    // the screen and shows it again.
    {"MeanBaselineTurned",
     kOneMean,
     1,
     "lowerLimitEdit=0.3 changeInputsButton",
     {"atLeastRadio Esc", "nextButton"},
     "baselineText grayRegionText upperBoundText below1TypeLabel above2TypeLabel lowerLimitEdit",
     "mean >= 50|25 - 50|50*|FA|FR|0.3"},
    // A proportion's screen is shown until NEXT >> or << BACK.
    {"ProportionUntilNext",
     kOneProportion,
     1,
     "changeInputsButton",
     {"atLeastRadio Esc", "atLeastRadio summaryButton", "nextButton"},
     "baselineText grayRegionText lowerTypeLabel",
     "prop >= 0.500|0.250 - 0.500|FA"},
};

class VerificationTest : public testing::TestWithParam<Case> {};

TEST_P(VerificationTest, OpensLabelledAndSideTripsStoreAndRefresh)
{
    const Case& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter, c.baseline);
    CInputVerificationDlg dialog(rec);
    FillVerificationScreen(dialog, rec);
    CScriptedSeams seams;
    seams.scripts.push_back([&c](QDialog& d) {
        Act(d, c.steps);
        EXPECT_EQ(Shown(d, c.names), c.shown);
    });
    for (const char* steps : c.tripSteps)
        seams.scripts.push_back([steps](QDialog& d) { Act(d, steps); });

    seams.RunModal(dialog);
    EXPECT_EQ(seams.modalRuns, 1 + static_cast<int>(c.tripSteps.size()));
    EXPECT_TRUE(seams.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Verification, VerificationTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The table typed in: refused with the bound limit that passed already
// stored, accepted by NEXT >>, and read back with the pair put in order.
TEST(InputVerification, NextChecksTheTableStoringTheBoundLimits)
{
    DQORecord rec = StartingRecord(kOneMean);
    CInputVerificationDlg dialog(rec);
    FillVerificationScreen(dialog, rec);
    CScriptedSeams seams;
    seams.scripts.push_back([&rec](QDialog& d) {
        Act(d, "lowerLimitEdit=0.5 upperLimitEdit=0 nextButton");
        EXPECT_EQ(rec.fLimitAtLower, 0.5f);
        Act(d, "upperLimitEdit=0.05 below1Edit=40 below1LimitEdit=0.2 below2Edit=10 "
               "below2LimitEdit=0.1 nextButton");
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    ASSERT_EQ(seams.shown.size(), 1u);
    EXPECT_EQ(seams.shown[0].title, QStringLiteral("TALO - Input Validation Error"));
    EXPECT_EQ(seams.shown[0].text,
              QStringLiteral("Error limits must be in the range: 0 < Error Limit <= 0.5"));
    StoreVerificationScreen(dialog, rec);
    EXPECT_EQ(dialog.m_bNext, 1);
    EXPECT_EQ(rec.fLimitAtUpper, 0.05f);
    EXPECT_EQ(std::make_pair(rec.dBelow1, rec.fBelow1Limit), std::make_pair(10.0, 0.1f));
    EXPECT_EQ(std::make_pair(rec.dBelow2, rec.fBelow2Limit), std::make_pair(40.0, 0.2f));
}

// Esc closes at once, nothing checked or copied; the close box asks first.
TEST(InputVerification, EscClosesUncheckedAndTheCloseBoxAsksToTerminate)
{
    DQORecord rec = StartingRecord(kOneMean);
    CInputVerificationDlg dialog(rec);
    FillVerificationScreen(dialog, rec);
    CScriptedSeams seams;
    seams.answers.push_back(kAnswerCancel);
    seams.scripts.push_back([](QDialog& d) { Act(d, "lowerLimitEdit=abc close Esc"); });

    EXPECT_EQ(seams.RunModal(dialog), kEndCancel);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TALO - Input Verification"));
    EXPECT_EQ(dialog.m_strLimit[kRowLower], "0.01");
    EXPECT_EQ(rec.fLimitAtLower, 0.01f);
    ASSERT_EQ(seams.shown.size(), 1u);
    EXPECT_EQ(seams.shown[0].text, QStringLiteral("Terminate DQO analysis?"));
    for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        EXPECT_FALSE(edit->accessibleName().isEmpty()) << edit->objectName().toStdString();
}

} // namespace

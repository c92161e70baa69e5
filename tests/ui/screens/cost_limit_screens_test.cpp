#include "ui/screens/cost_limit_dlgs.h"

#include <memory>
#include <string>

#include <QLineEdit>

#include <gtest/gtest.h>

#include "engine/dqo_record.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"

namespace {

enum Screen { kCosts, kLimits, kAdditional };

std::unique_ptr<CTaloDialog> Make(Screen screen, const DQORecord& rec)
{
    std::unique_ptr<CTaloDialog> dialog;
    if (screen == kCosts)
        dialog = std::make_unique<CCostsDlg>();
    else if (screen == kLimits)
        dialog = std::make_unique<CErrorLimitsDlg>();
    else
        dialog = std::make_unique<CAdditionalLimitsDlg>();
    dialog->m_pDQO = &rec;
    return dialog;
}

// The record for a parameter with the gray region on the baseline's side.
DQORecord Edited(int parameter, int baseline)
{
    DQORecord rec;
    rec.nParameter = parameter, rec.nBaseline = baseline;
    ApplyParameterDefaults(rec, parameter);
    if (baseline == kBaselineAtLeast)
        rec.dLowerBound = -0.5, rec.dUpperBound = rec.dActionLevel;
    return rec;
}

// The members the screen hands back, then its flags.
std::string Members(Screen screen, const CTaloDialog& d)
{
    const std::string flags = std::string(d.m_bBack ? "B" : "") + (d.m_bNext ? "N" : "");
    if (screen == kCosts) {
        const auto& s = dynamic_cast<const CCostsDlg&>(d);
        return s.m_strLabCost + "|" + s.m_strFieldCost + "|" + std::to_string(s.m_bTotalFieldCost) +
               "|" + flags;
    }
    if (screen == kLimits) {
        const auto& s = dynamic_cast<const CErrorLimitsDlg&>(d);
        return s.m_strLimitAtLower + "|" + s.m_strLimitAtUpper + "|" + flags;
    }
    const auto& s = dynamic_cast<const CAdditionalLimitsDlg&>(d);
    return s.m_strBelow2 + "," + s.m_strBelow1 + "|" + s.m_strAbove1 + "," + s.m_strAbove2 + "|" +
           s.m_strAbove1Limit + "|" + flags;
}

struct TypedCase {
    Screen screen;
    int parameter;
    int baseline;
    const char* steps;
    int endCode; // 0: still open
    const char* message;
    const char* members;
};

const TypedCase kTyped[] = {
    {kCosts, 0, 1,
     "fieldCostEdit=-0.01 nextButton labCostEdit=0 fieldCostEdit=0.00 totalRadio nextButton",
     kEndOk, "Laboratory and Field costs cannot be less than zero.", "0|0.00|1|N"},
    // A radio click keeps the texts as they stand; Esc then closes unchecked.
    {kCosts, 0, 1, "labCostEdit=-7 perSampleRadio labCostEdit=8 Esc", kEndCancel, "", "-7||0|"},
    {kLimits, 0, 1,
     "limitAtLowerEdit=0.51 backButton limitAtLowerEdit=0.5 limitAtUpperEdit=0.5 nextButton",
     kEndOk, "Error limits must be in the range: 0 < Error Limit <= 0.5", "0.5|0.5|BN"},
    // The left block's bottom row is checked first, with its own message.
    {kAdditional, 0, 1, "below1Edit=50 below1LimitEdit=0.1 below2Edit=60 nextButton", 0,
     "Additional concentrations in the false rejection region must be in the range:\n"
     "Minimum (0.000) < Additional concentration < Action Level (50.000)",
     "60,50|,||N"},
    // Esc runs the checks; a limit alone makes no row.
    {kAdditional, 0, 1, "above1LimitEdit=0.2 below2Edit=10 Esc below2LimitEdit=0.1 Esc", kEndOk,
     "Error limits must be in the range: 0 < Error Limit <= 0.5", "10,|,|0.2|"},
    {kAdditional, 3, 0, "above1Edit=0.5 above1LimitEdit=0.1 above2Edit=1 nextButton", 0,
     "Additional proportions in the false rejection region must be in the range:\n"
     "Action Level(0.000) < Additional proportion < Maximum(1.000)",
     ",|0.5,1|0.1|N"},
};

class TypedTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedTest, TypedFieldsReachTheMembersAndTheChecks)
{
    const TypedCase& c = GetParam();
    const DQORecord rec = Edited(c.parameter, c.baseline);
    const std::unique_ptr<CTaloDialog> dialog = Make(c.screen, rec);
    CScriptedSeams seams;
    seams.scripts.push_back([&c](QDialog& d) { Act(d, c.steps); });

    EXPECT_EQ(seams.RunModal(*dialog), c.endCode);
    EXPECT_EQ(Members(c.screen, *dialog), c.members);
    ASSERT_EQ(seams.shown.size(), *c.message ? 1u : 0u);
    if (*c.message) {
        EXPECT_EQ(seams.shown[0].title, QStringLiteral("TALO - Input Validation Error"));
        EXPECT_EQ(seams.shown[0].text, QString::fromLatin1(c.message));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, TypedTest, testing::ValuesIn(kTyped));

// What each screen shows when it opens; then its title, the close box and
// Esc as the catalogue gives them, and a name for every field.
TEST(CostLimitScreens, OpeningLabelsTitlesEndingsAndAccessibleNames)
{
    const char* const titles[] = {"TALO - Laboratory and Field Costs",
                                  "TALO - Decision Error Limits",
                                  "TALO - Additional Decision Error Limits"};
    const int escEnds[] = {kEndCancel, kEndCancel, kEndOk}; // Esc on the screen as opened
    const char* const fr = "False Rejection Error Limit, FR";
    const char* const fa = "False Acceptance Error Limit, FA";
    const struct {
        Screen screen;
        int parameter, baseline, total, composite;
        const char* names;
        std::string shown;
    } cases[] = {
        {kCosts, 0, 1, 1, 0, "fieldCostUnitLabel compositeNoteLabel", "(Total):|"},
        {kCosts, 0, 1, 0, 1, "fieldCostUnitLabel compositeNoteLabel",
         "(Per Sample):|Use the 'Change Design Inputs' button to change the Aliquot Compositing "
         "Cost."},
        {kLimits, 0, 1, 0, 0, "lowerLimitNameLabel upperLimitNameLabel",
         std::string(fr) + "|" + fa},
        {kLimits, 1, 0, 0, 0, "lowerLimitNameLabel upperLimitNameLabel",
         std::string(fa) + "|" + fr},
        {kAdditional, 2, 1, 0, 0, "belowColumnLabel belowTitleLabel aboveTitleLabel",
         std::string("Concentration|") + fr + "|" + fa},
        {kAdditional, 3, 0, 0, 0, "grayColumnLabel belowTitleLabel aboveTitleLabel",
         std::string("Proportion|") + fa + "|" + fr},
    };
    for (const auto& c : cases) {
        const DQORecord rec = Edited(c.parameter, c.baseline);
        const std::unique_ptr<CTaloDialog> dialog = Make(c.screen, rec);
        if (auto* costs = dynamic_cast<CCostsDlg*>(dialog.get()))
            costs->m_bTotalFieldCost = c.total, costs->m_bComposite = c.composite;
        CScriptedSeams seams;
        seams.answers.push_back(kAnswerCancel);
        seams.scripts.push_back([&c](QDialog& d) {
            EXPECT_EQ(Shown(d, c.names), c.shown);
            Act(d, "close Esc");
        });
        EXPECT_EQ(seams.RunModal(*dialog), escEnds[c.screen]) << c.names;
        EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(titles[c.screen]));
        ASSERT_EQ(seams.shown.size(), 1u);
        EXPECT_EQ(seams.shown[0].text, QStringLiteral("Terminate DQO analysis?"));
        EXPECT_TRUE(seams.endStatuses.empty());
        for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>())
            EXPECT_FALSE(edit->accessibleName().isEmpty()) << edit->objectName().toStdString();
    }
}

} // namespace

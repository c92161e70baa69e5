#include "engine/wizard_steps.h"

#include <gtest/gtest.h>

namespace {

constexpr WizardStep Sel = kStepParameterSelection, In = kStepParameterInputs, Co = kStepCosts,
                     Li = kStepErrorLimits, Ad = kStepAdditionalLimits, Ve = kStepVerification,
                     An = kStepAnalysis;

// The step after each step, for every combination of end flags: column k
// has SUMMARY set when k & 4, << BACK when k & 2 and NEXT >> when k & 1.
struct TransitionRow {
    WizardStep step;
    bool skip;
    WizardStep next[8];
};

class WizardTransitionTest : public testing::TestWithParam<TransitionRow> {};

TEST_P(WizardTransitionTest, EveryCombinationOfEndFlags)
{
    const TransitionRow& row = GetParam();
    for (int k = 0; k < 8; ++k) {
        const WizardEndFlags flags{(k >> 2) & 1, (k >> 1) & 1, k & 1};
        EXPECT_EQ(NextWizardStep(row.step, flags, row.skip), row.next[k]) << "flags " << k;
    }
}

//                  flags:  -    N    B    BN   S    SN   SB   SBN
const TransitionRow kTransitions[] = {
    {Sel, false, {Sel, In, Sel, In, Sel, In, Sel, In}},
    {In, false, {In, Co, Sel, Sel, Co, Co, Co, Co}},
    {Co, false, {Co, Li, In, In, Co, Li, In, In}},
    {Co, true, {Li, Li, Li, Li, Li, Li, Li, Li}},
    {Li, false, {Li, Ad, Co, Co, Li, Ad, Co, Co}},
    {Li, true, {Ad, Ad, Ad, Ad, Ad, Ad, Ad, Ad}},
    {Ad, false, {Ad, Ve, Li, Li, Ad, Ve, Li, Li}},
    {Ad, true, {Ve, Ve, Ve, Ve, Ve, Ve, Ve, Ve}},
    {Ve, false, {Ve, An, Ve, An, Ve, An, Ve, An}},
    {Ve, true, {An, An, An, An, An, An, An, An}},
    {An, false, {An, An, An, An, An, An, An, An}},
};

INSTANTIATE_TEST_SUITE_P(Wizard, WizardTransitionTest, testing::ValuesIn(kTransitions));

} // namespace

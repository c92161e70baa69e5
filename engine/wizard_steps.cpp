#include "engine/wizard_steps.h"

WizardStep NextWizardStep(WizardStep step, const WizardEndFlags& flags, bool skipMode)
{
    switch (step) {
    case kStepParameterSelection:
        return flags.m_bNext ? kStepParameterInputs : kStepParameterSelection;
    case kStepParameterInputs:
        // SUMMARY is what starts skip mode, so it is looked at first.
        if (flags.m_bSummary)
            return kStepCosts;
        if (flags.m_bBack)
            return kStepParameterSelection;
        return flags.m_bNext ? kStepCosts : kStepParameterInputs;
    case kStepCosts:
    case kStepErrorLimits:
    case kStepAdditionalLimits: {
        const WizardStep following = static_cast<WizardStep>(step + 1);
        if (skipMode)
            return following;
        if (flags.m_bBack)
            return static_cast<WizardStep>(step - 1);
        return flags.m_bNext ? following : step;
    }
    case kStepVerification:
        // There is no way back from the verification.
        return skipMode || flags.m_bNext ? kStepAnalysis : kStepVerification;
    default:
        return kStepAnalysis;
    }
}

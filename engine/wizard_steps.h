#pragma once

// The planning wizard's steps in the order the user meets them; the
// analysis is where the wizard ends.
enum WizardStep {
    kStepParameterSelection,
    kStepParameterInputs,
    kStepCosts,
    kStepErrorLimits,
    kStepAdditionalLimits,
    kStepVerification,
    kStepAnalysis,
};

// The end flags of the screen that just closed. A button refused by the
// screen's checks keeps its flag, so several may be set.
struct WizardEndFlags {
    int m_bSummary = 0;
    int m_bBack = 0;
    int m_bNext = 0;
};

// The step that follows `step` once its screen closed with `flags`. In skip
// mode (SUMMARY on the parameter inputs) the steps after the parameter
// inputs go on whatever their flags; otherwise SUMMARY (where the screen has
// it), << BACK and NEXT >> are looked at in this order, and a screen closed
// with none of them (Enter, Esc) is shown again.
WizardStep NextWizardStep(WizardStep step, const WizardEndFlags& flags, bool skipMode);

#pragma once

#include "engine/screen_state.h"
#include "ui/screens/input_screen_parts.h"
#include "ui/screens/talo_dialog.h"

// The proportion input screens, laid out over their screen state.

class COnePropInputsDlg : public CTaloDialog, public OnePropInputsScreen {
public:
    explicit COnePropInputsDlg(QWidget* parent = nullptr);

protected:
    void OnOpening() override;
    std::string CheckInputs() override;

private:
    void OnBaselineClicked(int baseline);

    OtherBoundParts m_otherBound;
};

// The difference of two proportions: the range shown follows the baseline,
// the action level is fixed at 0.
class CTwoPropInputsDlg : public CTaloDialog, public TwoPropInputsScreen {
public:
    explicit CTwoPropInputsDlg(QWidget* parent = nullptr);

protected:
    void OnOpening() override;
    std::string CheckInputs() override;

private:
    void OnBaselineClicked(int baseline);

    OtherBoundParts m_otherBound;
};

// The action level and the other bound of an analysis already run; for two
// proportions the title says so and the action level cannot be changed.
class CModifyPropDlg : public CTaloDialog, public ModifyPropScreen {
public:
    explicit CModifyPropDlg(QWidget* parent = nullptr);

protected:
    void OnOpening() override;
    std::string CheckInputs() override;

private:
    QLabel* m_pActionLevelLabel = nullptr;
    QLineEdit* m_pActionLevelEdit = nullptr;
    QLabel* m_pBoundLabel = nullptr;
    QLineEdit* m_pBoundEdit = nullptr;
};

#pragma once

#include "engine/screen_state.h"
#include "ui/screens/talo_dialog.h"

class QLabel;
class QLineEdit;

// The cost and decision error limit screens, laid out over their screen state.

// The laboratory and field costs; the field cost per sample or in total.
class CCostsDlg : public CTaloDialog, public CostsScreen {
public:
    explicit CCostsDlg(QWidget* parent = nullptr);

protected:
    void OnOpening() override;
    std::string CheckInputs() override;

private:
    void ShowFieldCostUnit(int totalFieldCost);

    QLabel* m_pFieldCostUnit;
    QLineEdit* m_pFieldCost;
    QLabel* m_pCompositeNote;
};

// The limits at the two bounds of the gray region; which of them is the
// false rejection limit follows the edited record's baseline (m_pDQO).
class CErrorLimitsDlg : public CTaloDialog, public ErrorLimitsScreen {
public:
    explicit CErrorLimitsDlg(QWidget* parent = nullptr);

protected:
    void OnOpening() override;
    std::string CheckInputs() override;

private:
    QLabel* m_pLowerName;
    QLabel* m_pUpperName;
    QLineEdit* m_pLimitAtLower;
    QLineEdit* m_pLimitAtUpper;
};

// Up to two more limits below and above the gray region; headers and block
// titles follow the edited record's parameter and baseline (m_pDQO).
class CAdditionalLimitsDlg : public CTaloDialog, public AdditionalLimitsScreen {
public:
    explicit CAdditionalLimitsDlg(QWidget* parent = nullptr);

protected:
    void OnOpening() override;
    std::string CheckInputs() override;

private:
    QLabel* m_pBelowTitle;
    QLabel* m_pAboveTitle;
    QLabel* m_pColumn[3];  // below, gray region, above
    QLineEdit* m_pEdit[8]; // point and limit of: below top, below bottom, above top, above bottom
};

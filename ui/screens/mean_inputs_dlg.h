#pragma once

#include "engine/screen_state.h"
#include "ui/screens/input_screen_parts.h"
#include "ui/screens/talo_dialog.h"

// The mean input screens. Each is its screen state (the members the caller
// fills and reads back through the engine's Fill/Store functions) laid out
// as controls; its checks and radio handlers are the engine's.

// What the two wizard mean screens share: the same controls over the same
// members, the baseline shown on opening and the radio handlers. They differ
// in title, Esc, the baseline captions, the proposed bound and the checks.
template <typename Screen> class CWizardMeanDlg : public CTaloDialog, public Screen {
protected:
    struct Baselines {
        QString atLeast;
        QString atMost;
        // Statics under the buttons, none when empty.
        QString alternativeAtLeast;
        QString alternativeAtMost;
    };

    CWizardMeanDlg(const QString& title, EscapeKey escapeKey, const Baselines& baselines,
                   QWidget* parent);

    void OnOpening() override;
    std::string CheckInputs() override;

private:
    void OnBaselineClicked(int baseline);
    void OnSDModeClicked(int mode);

    OtherBoundParts m_otherBound;
};

extern template class CWizardMeanDlg<OneMeanInputsScreen>;
extern template class CWizardMeanDlg<TwoMeanInputsScreen>;

class COneMeanInputsDlg : public CWizardMeanDlg<OneMeanInputsScreen> {
public:
    explicit COneMeanInputsDlg(QWidget* parent = nullptr);
};

class CTwoMeanInputsDlg : public CWizardMeanDlg<TwoMeanInputsScreen> {
public:
    explicit CTwoMeanInputsDlg(QWidget* parent = nullptr);
};

// The action level, the other bound and the standard deviation of an
// analysis already run; its title names a two-sample mean when the edited
// record holds one.
class CModifyMeanDlg : public CTaloDialog, public ModifyMeanScreen {
public:
    explicit CModifyMeanDlg(QWidget* parent = nullptr);

protected:
    void OnOpening() override;
    std::string CheckInputs() override;

private:
    void OnSDModeClicked(int mode);

    QLabel* m_pBoundLabel = nullptr;
    QLineEdit* m_pBoundEdit = nullptr;
};

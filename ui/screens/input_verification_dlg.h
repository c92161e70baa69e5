#pragma once

#include "engine/verification_screen.h"
#include "ui/screens/talo_dialog.h"

// The last wizard step: every input on one page, the decision error table
// still editable, and two side trips that run the costs screen or the
// parameter's input screen again and write the record at once. The caller
// fills it (FillVerificationScreen), runs it and reads it back
// (StoreVerificationScreen); NEXT >> stores the limits at the bounds itself.
class CInputVerificationDlg : public CTaloDialog, public VerificationScreen {
public:
    // record: the record the wizard fills, for the life of the screen.
    explicit CInputVerificationDlg(DQORecord& record, QWidget* parent = nullptr);

protected:
    void OnOpening() override;
    std::string CheckInputs() override;

private:
    // "Change Costs" and "Change Input Value(s)".
    void ChangeCosts();
    void ChangeInputValues();
    template <typename Dialog, typename Fill> void ChangeMeanInputs(Fill fill);
    template <typename Dialog, typename Fill, typename Store>
    void ChangePropInputs(Fill fill, Store store);
    // Shows what a side trip stored, keeping what was typed into the table.
    template <typename Refresh> void RefreshFromRecord(Refresh refresh);

    DQORecord& m_record;
};

#pragma once

#include "engine/screen_state.h"
#include "ui/screens/talo_dialog.h"

class CTaloDoc;
class QLabel;
class QLineEdit;
class QPushButton;

// The Design/DQO summary: the design of the current analysis with its
// samples, cost and decision error table, where the user changes what the
// design is computed from. The caller fills it (FillSummaryScreen), runs it
// and afterwards reads m_bLeave, m_bShowGraph and the texts. Changed costs
// are shown in place; every other change closes the screen, which has then
// written the record, so that the design can be computed again.
class CSummaryDlg : public CTaloDialog, public SummaryScreen {
public:
    // record: the analysis shown (the document's current one), written
    // through for the life of the screen.
    CSummaryDlg(CTaloDoc& doc, DQORecord& record, QWidget* parent = nullptr);

    CTaloDoc* m_pDoc;

    // Esc and the close box leave the screen as Exit does.
    void reject() override;

protected:
    void OnOpening() override;
    std::string CheckInputs() override;

private:
    // Leaving without the checks: Exit, Esc, the close box and Graph.
    void Leave(bool showGraph);
    void ChangeCosts();
    void ChangeInputValues();
    void ChangeSamplingDesign();
    void ChangeDesignInputs();
    void RestoreOriginalDQOs();
    template <typename Dialog, typename Fill, typename Store>
    void ModifyInputs(Fill fill, Store store, bool fillEachTime);
    // The type column and the NS marks.
    void ShowTable();

    DQORecord& m_record;
    QLabel* m_pType[kErrorRows] = {};
    QLabel* m_pNotSatisfied[kErrorRows] = {}; // none on the bound rows
    QLabel* m_pNotSatisfiedLegend;
    QLabel* m_pSDLabel;
    QLabel* m_pColumnLabel;
    QLabel* m_pSamplesLabel;
    QLineEdit* m_pSamplesEdit;
    QLabel* m_pCompositingLabel;
    QLabel* m_pCompositingCost;
    QPushButton* m_pChangeDesign;
    QPushButton* m_pChangeDesignInputs;
};

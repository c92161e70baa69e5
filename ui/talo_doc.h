#pragma once

#include <QObject>
#include <QPointer>

#include "engine/dqo_record.h"
#include "engine/summary_report.h"
#include "engine/wizard_steps.h"

class CParameterSelectionDlg;
class CTaloDialog;
class QWidget;

// The single document: the analysis being explored (m_dqoCurrent), the
// analysis as the wizard entered it (m_dqoOriginal), the point on which
// every screen centres itself and the report file of the analysis.
class CTaloDoc : public QObject {
    Q_OBJECT

public:
    explicit CTaloDoc(QObject* parent = nullptr);

    DQORecord m_dqoCurrent;
    int m_nCentreX = 320;
    int m_nCentreY = 240;
    DQORecord m_dqoOriginal;
    int m_bResultsReady = 0;

    // A new analysis: the original record back to its reset values, no
    // results, and the report file forgotten.
    void ResetDQO();
    void CopyOriginalToCurrent();

    // The planning wizard: parameter selection, the parameter's inputs,
    // costs, decision error limits, additional limits and verification, all
    // edited in m_dqoOriginal; then the analysis of a copy of it.
    void RunPlanningWizard();
    // The parameter-input steps. Each stores NEXT >> in bScreenAccepted and
    // SUMMARY in bSummaryRequested and returns << BACK.
    int RunOneMeanStep();
    int RunOnePropStep();
    int RunTwoMeanStep();
    int RunTwoPropStep();
    // The later steps. Shown, each stores NEXT >> in bScreenAccepted;
    // with noDisplay set the screen is filled and read back unseen, as if
    // NEXT >> had closed it unchanged. Each returns << BACK.
    int RunCostsStep(int noDisplay);
    int RunErrorLimitsStep(int noDisplay);
    int RunAdditionalLimitsStep(int noDisplay);
    int RunVerificationStep(int noDisplay);

    // The New command: a reset, the views told, and the wizard.
    void StartNewAnalysis();
    // "Start a new DQO analysis?": 1 for Yes, which the caller acts on;
    // otherwise the program is asked to end and 0 is returned, after which
    // nothing may touch the document.
    int AskNewAnalysis();

    // The analysis loop on m_dqoCurrent: compute, show the summary screen,
    // apply what was done there, and again, until the screen is left. A new
    // analysis asked for on leaving runs its wizard within the same loop.
    void RunAnalysis();
    // How one pass of the summary screen ended.
    enum class SummaryPassEnd { Recompute, Graph, NewAnalysis, ProgramEnding };
    SummaryPassEnd RunSummaryPass();
    // Fills both calculation blocks and computes one pass on m_dqoCurrent:
    // design, additional limits, curve and plot description; then the
    // results are ready and the views are told.
    void ComputeResults();

    // Every screen the document runs opens over this window, on the centre
    // point, through the platform seams. edited: the record the screen may
    // read (m_pDQO). Returns the end code.
    template <class Screen> int RunScreen(Screen& screen, const DQORecord* edited = nullptr)
    {
        // A screen that opens others of its own passes the point on.
        screen.SetCentre(m_nCentreX, m_nCentreY);
        return RunModalScreen(screen, edited);
    }
    void SetScreenOwner(QWidget* owner) { m_pScreenOwner = owner; }

    int IsResultsReady() const { return m_bResultsReady; }

    // Appends the summary of m_dqoCurrent to the report file, asking for the
    // file at the first save of an analysis. 1 when written.
    int SaveSummaryReport();
    const CReportFile& ReportFile() const { return m_report; }

    void UpdateAllViews();

signals:
    // The views redraw and take the main window's centre point.
    void ViewsUpdated();

private:
    // The wizard's steps, until the analysis can start; then its copy.
    void RunWizardSteps();
    void EnterNewAnalysis();
    int RunModalScreen(CTaloDialog& screen, const DQORecord* edited);
    WizardEndFlags RunWizardStep(WizardStep step, CParameterSelectionDlg& selection);
    void RunParameterSelectionStep(CParameterSelectionDlg& selection);

    CReportFile m_report;
    QPointer<QWidget> m_pScreenOwner;
};

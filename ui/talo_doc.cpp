#include "ui/talo_doc.h"

#include <QTimer>

#include "engine/analysis_pass.h"
#include "engine/messages.h"
#include "engine/screen_state.h"
#include "engine/verification_screen.h"
#include "ui/platform_seams.h"
#include "ui/screens/cost_limit_dlgs.h"
#include "ui/screens/input_verification_dlg.h"
#include "ui/screens/mean_inputs_dlg.h"
#include "ui/screens/new_analysis_dlg.h"
#include "ui/screens/parameter_selection_dlg.h"
#include "ui/screens/prop_inputs_dlg.h"
#include "ui/screens/summary_dlg.h"

namespace {

// The report's file prompt: the platform's save dialog with every file shown.
class CSeamFilePrompt : public FilePrompt {
public:
    bool AskSaveFileName(const std::string& initialName, std::string& chosenName) override
    {
        SaveFileRequest request;
        request.title = QStringLiteral("Save As");
        request.filters = QStringLiteral("All Files (*.*)");
        request.initialName = QString::fromStdString(initialName);
        QString chosen;
        if (!CPlatformSeams::Current().AskSaveFileName(nullptr, request, chosen))
            return false;
        chosenName = chosen.toStdString();
        return true;
    }
};

// One parameter-input step: the screen filled from the record, run, and
// stored back whatever way it closed.
template <class Screen, class Fill, class Store>
int RunInputsStep(CTaloDoc& doc, Fill fill, Store store)
{
    DQORecord& rec = doc.m_dqoOriginal;
    Screen screen;
    fill(screen, rec);
    doc.RunScreen(screen, &rec);
    store(screen, rec);
    rec.bScreenAccepted = screen.m_bNext;
    rec.bSummaryRequested = screen.m_bSummary;
    return screen.m_bBack;
}

// One of the later steps, its screen already filled: run unless skipped,
// then stored back whatever way it closed.
template <class Screen, class Store>
int RunLaterStep(CTaloDoc& doc, Screen& screen, int noDisplay, Store store)
{
    DQORecord& rec = doc.m_dqoOriginal;
    if (noDisplay == 0) {
        doc.RunScreen(screen, &rec);
        rec.bScreenAccepted = screen.m_bNext;
    }
    store(screen, rec);
    return screen.m_bBack;
}

// A failed check reported over the screen once it has opened, as if its
// button had just been refused.
void ReportOnOpening(CTaloDialog& screen, const std::string& message)
{
    QTimer::singleShot(0, &screen, [&screen, text = QString::fromStdString(message)] {
        CPlatformSeams::Current().ShowMessage(&screen, QString::fromLatin1(kTitleInputError), text,
                                              MessageIcon::Warning, MessageButtons::Ok);
    });
}

} // namespace

CTaloDoc::CTaloDoc(QObject* parent) : QObject(parent)
{
    ResetDQO();
}

void CTaloDoc::ResetDQO()
{
    ResetDQORecord(m_dqoOriginal);
    m_bResultsReady = 0;
    m_report.Forget();
}

void CTaloDoc::CopyOriginalToCurrent()
{
    m_dqoCurrent = m_dqoOriginal;
}

void CTaloDoc::RunPlanningWizard()
{
    RunWizardSteps();
    RunAnalysis();
}

void CTaloDoc::RunWizardSteps()
{
    // One selection screen for the whole run: it keeps the choice last made.
    CParameterSelectionDlg selection;
    selection.m_nParameter = 0;
    WizardStep step = kStepParameterSelection;
    while (step != kStepAnalysis) {
        const WizardEndFlags flags = RunWizardStep(step, selection);
        // Skip mode is SUMMARY of the parameter inputs, held in the record
        // until a new selection resets it or a step has to show its screen.
        step = NextWizardStep(step, flags, m_dqoOriginal.bSummaryRequested != 0);
    }
    CopyOriginalToCurrent();
}

WizardEndFlags CTaloDoc::RunWizardStep(WizardStep step, CParameterSelectionDlg& selection)
{
    const int skip = m_dqoOriginal.bSummaryRequested;
    int back = 0;
    switch (step) {
    case kStepParameterSelection:
        RunParameterSelectionStep(selection);
        break;
    case kStepParameterInputs:
        switch (m_dqoOriginal.nParameter) {
        case kOneProportion:
            back = RunOnePropStep();
            break;
        case kTwoMean:
            back = RunTwoMeanStep();
            break;
        case kTwoProportion:
            back = RunTwoPropStep();
            break;
        default:
            back = RunOneMeanStep();
            break;
        }
        break;
    case kStepCosts:
        back = RunCostsStep(skip);
        break;
    case kStepErrorLimits:
        back = RunErrorLimitsStep(skip);
        break;
    case kStepAdditionalLimits:
        back = RunAdditionalLimitsStep(skip);
        break;
    default:
        back = RunVerificationStep(skip);
        break;
    }
    const int summary = step == kStepParameterInputs ? m_dqoOriginal.bSummaryRequested : 0;
    return {summary, back, m_dqoOriginal.bScreenAccepted};
}

void CTaloDoc::RunParameterSelectionStep(CParameterSelectionDlg& selection)
{
    selection.m_bNext = 0;
    m_dqoOriginal.bScreenAccepted = 0;
    // Every input entered so far goes.
    ResetDQO();
    RunScreen(selection, &m_dqoOriginal);
    m_dqoOriginal.nParameter =
        ParameterCodeFromSelection(selection.m_nParameter, selection.m_nPopulations);
    ApplyParameterDefaults(m_dqoOriginal, m_dqoOriginal.nParameter);
    m_dqoOriginal.bScreenAccepted = selection.m_bNext;
}

int CTaloDoc::RunOneMeanStep()
{
    return RunInputsStep<COneMeanInputsDlg>(*this, FillOneMeanScreen, StoreMeanScreen);
}

int CTaloDoc::RunOnePropStep()
{
    return RunInputsStep<COnePropInputsDlg>(*this, FillOnePropScreen, StoreOnePropScreen);
}

int CTaloDoc::RunTwoMeanStep()
{
    return RunInputsStep<CTwoMeanInputsDlg>(*this, FillTwoMeanScreen, StoreMeanScreen);
}

int CTaloDoc::RunTwoPropStep()
{
    return RunInputsStep<CTwoPropInputsDlg>(*this, FillTwoPropScreen, StoreTwoPropScreen);
}

int CTaloDoc::RunCostsStep(int noDisplay)
{
    CCostsDlg screen;
    FillCostsScreen(screen, m_dqoOriginal);
    return RunLaterStep(*this, screen, noDisplay, StoreCostsScreen);
}

int CTaloDoc::RunErrorLimitsStep(int noDisplay)
{
    CErrorLimitsDlg screen;
    FillErrorLimitsScreen(screen, m_dqoOriginal);
    return RunLaterStep(*this, screen, noDisplay, StoreErrorLimitsScreen);
}

int CTaloDoc::RunAdditionalLimitsStep(int noDisplay)
{
    CAdditionalLimitsDlg screen;
    FillAdditionalLimitsScreen(screen, m_dqoOriginal);
    if (noDisplay != 0) {
        // The action level, the baseline or the bounds may have changed
        // since the rows passed their checks: a point inside the gray region
        // or on its far bound must not reach the analysis unseen.
        const std::string message = CheckAdditionalLimitsScreen(screen, m_dqoOriginal);
        if (!message.empty()) {
            m_dqoOriginal.bSummaryRequested = 0; // skipping ends here
            ReportOnOpening(screen, message);
            noDisplay = 0;
        }
    }
    // Whatever way the screen closed, what it shows is stored: a row the
    // user emptied is cleared, each pair in ascending order.
    return RunLaterStep(*this, screen, noDisplay, StoreAdditionalLimitsScreen);
}

int CTaloDoc::RunVerificationStep(int noDisplay)
{
    CInputVerificationDlg screen(m_dqoOriginal);
    FillVerificationScreen(screen, m_dqoOriginal);
    return RunLaterStep(*this, screen, noDisplay, StoreVerificationScreen);
}

void CTaloDoc::StartNewAnalysis()
{
    EnterNewAnalysis();
    RunAnalysis();
}

void CTaloDoc::EnterNewAnalysis()
{
    ResetDQO();
    UpdateAllViews();
    RunWizardSteps();
}

int CTaloDoc::AskNewAnalysis()
{
    CNewAnalysisDlg question;
    if (RunScreen(question) == kEndOk)
        return 1;
    // Closing the only document ends the program; there is nothing to
    // save, so nothing is asked.
    CPlatformSeams::Current().EndProcess(0);
    return 0;
}

void CTaloDoc::RunAnalysis()
{
    for (;;) {
        ComputeResults();
        switch (RunSummaryPass()) {
        case SummaryPassEnd::Recompute:
            break;
        case SummaryPassEnd::NewAnalysis:
            EnterNewAnalysis();
            break;
        default:
            return;
        }
    }
}

CTaloDoc::SummaryPassEnd CTaloDoc::RunSummaryPass()
{
    CSummaryDlg screen(*this, m_dqoCurrent);
    FillSummaryScreen(screen, m_dqoCurrent);
    RunScreen(screen, &m_dqoCurrent);
    CSeamMessages messages;
    ApplySummaryScreen(screen, m_dqoCurrent, m_dqoOriginal, messages);
    if (screen.m_bLeave == 0)
        return SummaryPassEnd::Recompute;
    if (screen.m_bShowGraph != 0)
        return SummaryPassEnd::Graph;
    return AskNewAnalysis() != 0 ? SummaryPassEnd::NewAnalysis : SummaryPassEnd::ProgramEnding;
}

void CTaloDoc::ComputeResults()
{
    FillCalculationBlock(m_dqoOriginal);
    FillCalculationBlock(m_dqoCurrent);
    CSeamMessages messages;
    ComputeAnalysisPass(m_dqoCurrent, messages);
    m_bResultsReady = 1;
    UpdateAllViews();
}

int CTaloDoc::SaveSummaryReport()
{
    CSeamFilePrompt prompt;
    CSeamMessages messages;
    return m_report.Save(m_dqoCurrent, prompt, messages);
}

int CTaloDoc::RunModalScreen(CTaloDialog& screen, const DQORecord* edited)
{
    if (m_pScreenOwner && screen.parentWidget() == nullptr)
        screen.setParent(m_pScreenOwner, screen.windowFlags());
    screen.m_pDQO = edited;
    return CPlatformSeams::Current().RunModal(screen);
}

void CTaloDoc::UpdateAllViews()
{
    emit ViewsUpdated();
}

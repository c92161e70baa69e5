#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include <QAction>
#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/talo_app.h"
#include "ui/talo_doc.h"

namespace {

// Scripts for the screens in the order they are to be shown, " ; " between
// them: the screen's class without its C and Dlg, what it shows when it opens
// ("[control=text|...]", when asked), then what the user does (as Act steps).
void Script(CScriptedSeams& seams, const std::string& visits)
{
    for (const QString& visit : QString::fromStdString(visits).split(" ; ")) {
        const QString name = visit.section(' ', 0, 0);
        QString does = visit.section(' ', 1), shows;
        if (does.startsWith('['))
            shows = does.mid(1, does.indexOf(']') - 1), does = does.mid(does.indexOf(']') + 1);
        seams.scripts.push_back([name, shows, does](QDialog& dialog) {
            ASSERT_TRUE(QByteArray(typeid(dialog).name()).endsWith("C" + name.toLatin1() + "Dlg"))
                << dialog.windowTitle().toStdString() << " instead of " << name.toStdString();
            QCoreApplication::processEvents(); // what a screen reports on opening
            EXPECT_EQ(Shows(dialog, shows.toStdString()), shows.toStdString());
            Act(dialog, does);
        });
    }
}

// The screens of a run through the wizard up to the summary, and the boxes
// shown on the way: how many, and a part of their texts.
struct WizardRun {
    std::string visits;
    size_t boxes = 0;
    const char* message = "";
};

class WizardTest : public testing::TestWithParam<WizardRun> {};

TEST_P(WizardTest, RunsTheScreensAndLeavesTheRecord)
{
    CScriptedSeams seams;
    Script(seams, GetParam().visits);
    CTaloDoc doc;
    doc.RunPlanningWizard();
    // Every screen shown, the original record kept as it was left, the results ready.
    EXPECT_EQ(std::make_tuple(seams.scripts.size(), doc.m_dqoOriginal.dActionLevel,
                              doc.IsResultsReady(), seams.shown.size()),
              std::make_tuple(0u, doc.m_dqoCurrent.dActionLevel, 1, GetParam().boxes));
    EXPECT_NE(seams.ShownTexts().find(GetParam().message), std::string::npos);
}

const WizardRun kRuns[] = {
    // A refused << BACK keeps its flag: NEXT >> then goes back, and the
    // inputs are kept.
    {"ParameterSelection nextButton ; "
     "OneMeanInputs actionLevelEdit=40 otherBoundEdit=60 nextButton ; "
     "Costs labCostEdit=-1 backButton labCostEdit=500.004 nextButton ; "
     "OneMeanInputs [actionLevelEdit=40|otherBoundEdit=60] summaryButton ; "
     "Summary [grayRegionText=40 - 60|labCostText=500.00] graphButton",
     1, "less than zero"},
    // Each parameter has its screen. Back at the selection every input is
    // lost, the choice is kept.
    {"ParameterSelection proportionRadio twoPopulationsRadio nextButton ; "
     "TwoPropInputs otherBoundEdit=0.3 backButton ; ParameterSelection "
     "[proportionRadio=checked|twoPopulationsRadio=checked] onePopulationRadio nextButton ; "
     "OnePropInputs backButton ; ParameterSelection meanRadio twoPopulationsRadio nextButton ; "
     "TwoMeanInputs backButton ; ParameterSelection proportionRadio nextButton ; "
     "TwoPropInputs [otherBoundEdit=0.5] summaryButton ; "
     "Summary [upperBoundText=0.500*] graphButton"},
    // Each screen's defaults. A refused SUMMARY, then << BACK: skip mode. A
    // point checked against an earlier action level stops the skipping: its
    // screen opens with the message, then the verification.
    {"ParameterSelection [meanRadio=checked|onePopulationRadio=checked] nextButton ; "
     "OneMeanInputs [actionLevelEdit=50|otherBoundEdit=75|sdEdit=16.67] nextButton ; "
     "Costs [labCostEdit=1000.00|fieldCostEdit=50.00] nextButton ; "
     "ErrorLimits [limitAtLowerEdit=0.01|limitAtUpperEdit=0.01] nextButton ; "
     "AdditionalLimits [below1Edit=|above1Edit=] below1Edit=40 below1LimitEdit=0.05 backButton ; "
     "ErrorLimits backButton ; Costs backButton ; "
     "OneMeanInputs actionLevelEdit=-30 summaryButton actionLevelEdit=30 backButton ; "
     "AdditionalLimits [below2Edit=40] below2Edit=20 nextButton ; InputVerification nextButton ; "
     "Summary [below2Edit=20|below2LimitEdit=0.05] graphButton",
     2, "Action Level(30.000)"},
};

INSTANTIATE_TEST_SUITE_P(Wizard, WizardTest, testing::ValuesIn(kRuns));

// The whole program: SUMMARY at once gives the defaults of every later
// screen; the summary changes the design to stratified and shows its
// result; Graph leaves it. The menu brings it back; Exit and Yes start over
// from a reset record, with no curve while the wizard runs; Exit and No end
// the program with nothing shown after.
TEST(WholeProgram, StartUpSummaryAndNewAnalyses)
{
    CScriptedSeams seams;
    Script(seams,
           "Intro ; ParameterSelection nextButton ; OneMeanInputs summaryButton ; "
           "Summary [designText=Simple Random Sampling|samplesEdit=13|totalCostEdit=13650.00] "
           "changeDesignButton ; MeanDesign stratifiedRadio okButton ; StrataCount [strataEdit=2] "
           "okButton ; MeanStratum [weightEdit=0.500] weightEdit=0.3 okButton ; "
           "MeanStratum [weightEdit=0.700] okButton ; StrataSummary okButton ; "
           "Summary [designText=Stratified Sampling] graphButton ; "
           "Summary [designText=Stratified Sampling] exitButton ; NewAnalysis yesButton ; "
           "ParameterSelection nextButton ; OneMeanInputs [actionLevelEdit=50] summaryButton ; "
           "Summary [designText=Simple Random Sampling] exitButton ; NewAnalysis noButton");
    CTaloApp talo;
    talo.InitInstance();
    CTaloDoc& doc = talo.Document();
    const DQORecord& rec = doc.m_dqoCurrent;
    EXPECT_EQ(std::make_tuple(rec.nDesign, rec.nStrata, rec.dStratumWeight[1], seams.scripts.size(),
                              doc.m_dqoOriginal.nStrata),
              std::make_tuple(2, 2, 1 - 0.3, 6u, 2));

    QSignalSpy updates(&doc, &CTaloDoc::ViewsUpdated);
    // The screens of the new analysis open over the main window, no curve shown.
    seams.scripts[2] = [&talo, &updates, next = seams.scripts[2]](QDialog& dialog) {
        EXPECT_EQ(std::make_tuple(talo.Document().IsResultsReady(), updates.count(),
                                  dialog.parentWidget()),
                  std::make_tuple(0, 2, static_cast<QWidget*>(&talo.MainFrame())));
        next(dialog);
    };
    talo.MainFrame().findChild<QAction*>("dqoSummaryAction")->trigger();
    EXPECT_EQ(std::make_tuple(seams.scripts.size(), seams.endStatuses, rec.nDesign, rec.nSamples),
              std::make_tuple(0u, std::vector<int>{0}, 0, 13));
}

} // namespace

#include <functional>
#include <string>
#include <tuple>
#include <typeinfo>
#include <utility>
#include <vector>

#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QPalette>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"
#include "ui/screens/design_dlgs.h"
#include "ui/screens/intro_dlg.h"
#include "ui/screens/new_analysis_dlg.h"
#include "ui/screens/parameter_selection_dlg.h"
#include "ui/screens/summary_dlg.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/talo_app.h"
#include "ui/talo_doc.h"

namespace {

using Screen = const std::type_info*;
const Screen Sel = &typeid(CParameterSelectionDlg), OneMean = &typeid(COneMeanInputsDlg),
             OneProp = &typeid(COnePropInputsDlg), TwoMean = &typeid(CTwoMeanInputsDlg),
             TwoProp = &typeid(CTwoPropInputsDlg), Costs = &typeid(CCostsDlg),
             Limits = &typeid(CErrorLimitsDlg), Additional = &typeid(CAdditionalLimitsDlg),
             Verify = &typeid(CInputVerificationDlg), Summary = &typeid(CSummaryDlg);

// One showing of a screen: what it shows when it opens ("control=text|..."),
// then what the user does (as Act steps).
struct Visit {
    Screen screen;
    std::string shows;
    const char* does;
};

// Scripts for the screens in the order they are to be shown.
void Script(CScriptedSeams& seams, const std::vector<Visit>& visits)
{
    for (const Visit& visit : visits)
        seams.scripts.push_back([visit](QDialog& dialog) {
            ASSERT_TRUE(typeid(dialog) == *visit.screen)
                << dialog.windowTitle().toStdString() << " instead of " << visit.screen->name();
            QCoreApplication::processEvents(); // what a screen reports on opening
            EXPECT_EQ(Shows(dialog, visit.shows), visit.shows);
            Act(dialog, visit.does);
        });
}

const char *const kNext = "nextButton", *const kBack = "backButton",
                  *const kSummary = "summaryButton";
struct WizardRun {
    std::vector<Visit> visits;
    std::function<void(const DQORecord&, const CScriptedSeams&)> check;
};

class WizardTest : public testing::TestWithParam<WizardRun> {};

TEST_P(WizardTest, RunsTheScreensAndLeavesTheRecord)
{
    CScriptedSeams seams;
    Script(seams, GetParam().visits);
    Script(seams, {{Summary, "", "graphButton"}});
    CTaloDoc doc;
    doc.RunPlanningWizard();
    EXPECT_TRUE(seams.scripts.empty()) << seams.scripts.size() << " screens not shown";
    EXPECT_EQ(doc.m_dqoCurrent.dActionLevel, doc.m_dqoOriginal.dActionLevel);
    EXPECT_EQ(doc.IsResultsReady(), 1);
    GetParam().check(doc.m_dqoCurrent, seams);
}

const WizardRun kRuns[] = {
    // The road of one analysis.
    {{{Sel, "meanRadio=checked|onePopulationRadio=checked", kNext},
      {OneMean, "actionLevelEdit=50|otherBoundEdit=75|sdEdit=16.67", kNext},
      {Costs, "labCostEdit=1000.00|fieldCostEdit=50.00", kNext},
      {Limits, "limitAtLowerEdit=0.01|limitAtUpperEdit=0.01", kNext},
      {Additional, "below1Edit=|above1Edit=", kNext},
      {Verify, "", kNext}},
     [](const DQORecord& rec, const CScriptedSeams& seams) {
         EXPECT_EQ(std::make_tuple(rec.nSamples, rec.dTotalCost, rec.plotSpec.nPoints),
                   std::make_tuple(13, 13650.0, 101));
         EXPECT_TRUE(seams.shown.empty());
     }},
    // A refused << BACK keeps its flag: NEXT >> then goes back. Going back
    // from the costs keeps the inputs, and skip mode what later screens hold.
    {{{Sel, "", kNext},
      {OneMean, "", "actionLevelEdit=40 otherBoundEdit=60 nextButton"},
      {Costs, "", "labCostEdit=-1 backButton labCostEdit=500.004 nextButton"},
      {OneMean, "actionLevelEdit=40|otherBoundEdit=60", kNext},
      {Costs, "labCostEdit=500.00", kNext},
      {Limits, "", "limitAtLowerEdit=0.05 backButton"},
      {Costs, "", kBack},
      {OneMean, "", kSummary}},
     [](const DQORecord& rec, const CScriptedSeams& seams) {
         EXPECT_EQ(seams.shown.size(), 1u);
         EXPECT_EQ(
             std::make_tuple(rec.dLowerBound, rec.dUpperBound, rec.fLabCost, rec.fLimitAtLower),
             std::make_tuple(40.0, 60.0, 500.0f, 0.05f));
     }},
    // Each parameter has its screen. Back at the selection every input is
    // lost, the choice is kept.
    {{{Sel, "", "proportionRadio twoPopulationsRadio nextButton"},
      {TwoProp, "minimumText=-1|maximumText=1|otherBoundEdit=0.5", "otherBoundEdit=0.3 backButton"},
      {Sel, "proportionRadio=checked|twoPopulationsRadio=checked", "onePopulationRadio nextButton"},
      {OneProp, "", kBack},
      {Sel, "", "meanRadio twoPopulationsRadio nextButton"},
      {TwoMean, "", kBack},
      {Sel, "", "proportionRadio nextButton"},
      {TwoProp, "otherBoundEdit=0.5", kSummary}},
     [](const DQORecord& rec, const CScriptedSeams&) {
         EXPECT_EQ(std::make_tuple(rec.nParameter, rec.dUpperBound),
                   std::make_tuple(int(kTwoProportion), 0.5));
     }},
    // Whatever way the screen is left, its rows are stored as shown: a
    // single entry below as below 2, above as above 1, a pair ascending.
    {{{Sel, "", kNext},
      {OneMean, "", kNext},
      {Costs, "", kNext},
      {Limits, "", kNext},
      {Additional, "",
       "below1Edit=30 below1LimitEdit=0.2 below2Edit=20 below2LimitEdit=0.1 above2Edit=90 "
       "above2LimitEdit=0.1 backButton"},
      {Limits, "", kNext},
      {Additional, "below1Edit=20|below2Edit=30|above1Edit=90|above2Edit=",
       "below1Edit= below1LimitEdit= backButton"},
      {Limits, "", kNext},
      {Additional, "below1Edit=|below2Edit=30", kNext},
      {Verify, "", kNext}},
     [](const DQORecord& r, const CScriptedSeams&) {
         EXPECT_EQ(std::make_tuple(r.dBelow1, r.fBelow1Limit, r.dBelow2, r.fBelow2Limit),
                   std::make_tuple(0.0, 0.0f, 30.0, 0.2f));
         EXPECT_EQ(std::make_tuple(r.dAbove1, r.fAbove1Limit, r.dAbove2, r.fAbove2Limit),
                   std::make_tuple(90.0, 0.1f, 100.0, 0.0f));
     }},
    // A refused SUMMARY, then << BACK: skip mode. A point checked against
    // an earlier action level stops the skipping: its screen opens with the
    // message, then the verification.
    {{{Sel, "", kNext},
      {OneMean, "", kNext},
      {Costs, "", kNext},
      {Limits, "", kNext},
      {Additional, "", "below1Edit=40 below1LimitEdit=0.05 backButton"},
      {Limits, "", kBack},
      {Costs, "", kBack},
      {OneMean, "", "actionLevelEdit=-30 summaryButton actionLevelEdit=30 backButton"},
      {Additional, "below2Edit=40", "below2Edit=20 nextButton"},
      {Verify, "", kNext}},
     [](const DQORecord& rec, const CScriptedSeams& seams) {
         EXPECT_EQ(seams.shown.size(), 2u);
         EXPECT_NE(seams.ShownTexts().find("Action Level(30.000)"), std::string::npos);
         EXPECT_EQ(std::make_tuple(rec.dBelow2, rec.fBelow2Limit), std::make_tuple(20.0, 0.05f));
     }},
};

INSTANTIATE_TEST_SUITE_P(Wizard, WizardTest, testing::ValuesIn(kRuns));

// The whole program: SUMMARY at once gives the defaults of every later
// screen; the summary changes the design to stratified and shows its
// result; Graph leaves it. The menu brings it back; Exit and Yes start over
// from a reset record, with no curve while the wizard runs; Exit and No end
// the program with nothing shown after.
TEST(WholeProgram, StartUpSummaryAndNewAnalyses)
{
    const Screen question = &typeid(CNewAnalysisDlg);
    CScriptedSeams seams;
    Script(seams,
           {{&typeid(CIntroDlg), "", ""},
            {Sel, "", kNext},
            {OneMean, "", kSummary},
            {Summary, "designText=Simple Random Sampling|samplesEdit=13|totalCostEdit=13650.00",
             "changeDesignButton"},
            {&typeid(CMeanDesignDlg), "", "stratifiedRadio okButton"},
            {&typeid(CStrataCountDlg), "strataEdit=2", "okButton"},
            {&typeid(CMeanStratumDlg), "weightEdit=0.500", "weightEdit=0.3 okButton"},
            {&typeid(CMeanStratumDlg), "weightEdit=0.700", "okButton"},
            {&typeid(CStrataSummaryDlg), "", "okButton"},
            {Summary, "designText=Stratified Sampling", "graphButton"},
            {Summary, "designText=Stratified Sampling", "exitButton"},
            {question, "", "yesButton"},
            {Sel, "", kNext},
            {OneMean, "actionLevelEdit=50", kSummary},
            {Summary, "designText=Simple Random Sampling", "exitButton"},
            {question, "", "noButton"}});
    CTaloApp talo;
    // The introduction over the visible main window; screens and boxes are
    // light gray with black text, the main window is not.
    seams.scripts[0] = [&talo, intro = seams.scripts[0]](QDialog& dialog) {
        EXPECT_TRUE(talo.MainFrame().isVisible());
        EXPECT_EQ(std::make_pair(dialog.palette().color(QPalette::Window),
                                 dialog.palette().color(QPalette::WindowText)),
                  std::make_pair(QColor(192, 192, 192), QColor(0, 0, 0)));
        EXPECT_NE(talo.MainFrame().palette().color(QPalette::Window), QColor(192, 192, 192));
        intro(dialog);
    };
    talo.InitInstance();
    CTaloDoc& doc = talo.Document();
    const DQORecord& rec = doc.m_dqoCurrent;
    EXPECT_EQ(
        std::make_tuple(rec.nDesign, rec.nStrata, rec.dStratumWeight[1], seams.scripts.size()),
        std::make_tuple(2, 2, 1 - 0.3, 6u));
    EXPECT_EQ(doc.m_dqoOriginal.nStrata, 2);

    QSignalSpy updates(&doc, &CTaloDoc::ViewsUpdated);
    // The screens of the new analysis open over the main window, no curve shown.
    seams.scripts[2] = [&talo, &updates, next = seams.scripts[2]](QDialog& dialog) {
        EXPECT_EQ(std::make_tuple(talo.Document().IsResultsReady(), updates.count(),
                                  dialog.parentWidget()),
                  std::make_tuple(0, 2, static_cast<QWidget*>(&talo.MainFrame())));
        next(dialog);
    };
    talo.MainFrame().findChild<QAction*>("dqoSummaryAction")->trigger();
    EXPECT_TRUE(seams.scripts.empty()) << seams.scripts.size() << " screens not shown";
    EXPECT_EQ(seams.endStatuses, std::vector<int>{0});
    EXPECT_EQ(std::make_tuple(rec.nDesign, rec.nSamples), std::make_tuple(0, 13));
}

} // namespace

#include <map>
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

// The screens by the names the scripts give them.
const std::map<QString, const std::type_info*> kScreens = {
    {"Intro", &typeid(CIntroDlg)},
    {"Sel", &typeid(CParameterSelectionDlg)},
    {"OneMean", &typeid(COneMeanInputsDlg)},
    {"OneProp", &typeid(COnePropInputsDlg)},
    {"TwoMean", &typeid(CTwoMeanInputsDlg)},
    {"TwoProp", &typeid(CTwoPropInputsDlg)},
    {"Costs", &typeid(CCostsDlg)},
    {"Limits", &typeid(CErrorLimitsDlg)},
    {"Additional", &typeid(CAdditionalLimitsDlg)},
    {"Verify", &typeid(CInputVerificationDlg)},
    {"Summary", &typeid(CSummaryDlg)},
    {"Question", &typeid(CNewAnalysisDlg)},
    {"Design", &typeid(CMeanDesignDlg)},
    {"StrataCount", &typeid(CStrataCountDlg)},
    {"Stratum", &typeid(CMeanStratumDlg)},
    {"StrataList", &typeid(CStrataSummaryDlg)}};

// Scripts for the screens in the order they are to be shown, " ; " between
// them: the screen's name, what it shows when it opens ("[control=text|...]",
// when asked), then what the user does (as Act steps).
void Script(CScriptedSeams& seams, const std::string& visits)
{
    for (const QString& visit : QString::fromStdString(visits).split(" ; ")) {
        const QString name = visit.section(' ', 0, 0);
        QString does = visit.section(' ', 1), shows;
        if (does.startsWith('['))
            shows = does.mid(1, does.indexOf(']') - 1), does = does.mid(does.indexOf(']') + 1);
        seams.scripts.push_back([name, shows, does](QDialog& dialog) {
            ASSERT_TRUE(typeid(dialog) == *kScreens.at(name))
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
    EXPECT_TRUE(seams.scripts.empty()) << seams.scripts.size() << " screens not shown";
    EXPECT_EQ(doc.m_dqoCurrent.dActionLevel, doc.m_dqoOriginal.dActionLevel);
    EXPECT_EQ(doc.IsResultsReady(), 1);
    EXPECT_EQ(seams.shown.size(), GetParam().boxes);
    EXPECT_NE(seams.ShownTexts().find(GetParam().message), std::string::npos);
}

const WizardRun kRuns[] = {
    // The road of one analysis.
    {"Sel [meanRadio=checked|onePopulationRadio=checked] nextButton ; "
     "OneMean [actionLevelEdit=50|otherBoundEdit=75|sdEdit=16.67] nextButton ; "
     "Costs [labCostEdit=1000.00|fieldCostEdit=50.00] nextButton ; "
     "Limits [limitAtLowerEdit=0.01|limitAtUpperEdit=0.01] nextButton ; "
     "Additional [below1Edit=|above1Edit=] nextButton ; Verify nextButton ; "
     "Summary [samplesEdit=13|totalCostEdit=13650.00] graphButton"},
    // A refused << BACK keeps its flag: NEXT >> then goes back. Going back
    // from the costs keeps the inputs, and skip mode what later screens hold.
    {"Sel nextButton ; OneMean actionLevelEdit=40 otherBoundEdit=60 nextButton ; "
     "Costs labCostEdit=-1 backButton labCostEdit=500.004 nextButton ; "
     "OneMean [actionLevelEdit=40|otherBoundEdit=60] nextButton ; "
     "Costs [labCostEdit=500.00] nextButton ; Limits limitAtLowerEdit=0.05 backButton ; "
     "Costs backButton ; OneMean summaryButton ; "
     "Summary [grayRegionText=40 - 60|labCostText=500.00|lowerLimitEdit=0.05] graphButton",
     1, "less than zero"},
    // Each parameter has its screen. Back at the selection every input is
    // lost, the choice is kept.
    {"Sel proportionRadio twoPopulationsRadio nextButton ; "
     "TwoProp [minimumText=-1|maximumText=1|otherBoundEdit=0.5] otherBoundEdit=0.3 backButton ; "
     "Sel [proportionRadio=checked|twoPopulationsRadio=checked] onePopulationRadio nextButton ; "
     "OneProp backButton ; Sel meanRadio twoPopulationsRadio nextButton ; TwoMean backButton ; "
     "Sel proportionRadio nextButton ; TwoProp [otherBoundEdit=0.5] summaryButton ; "
     "Summary [upperBoundText=0.500*] graphButton"},
    // A refused SUMMARY, then << BACK: skip mode. A point checked against
    // an earlier action level stops the skipping: its screen opens with the
    // message, then the verification.
    {"Sel nextButton ; OneMean nextButton ; Costs nextButton ; Limits nextButton ; "
     "Additional below1Edit=40 below1LimitEdit=0.05 backButton ; Limits backButton ; "
     "Costs backButton ; OneMean actionLevelEdit=-30 summaryButton actionLevelEdit=30 backButton ; "
     "Additional [below2Edit=40] below2Edit=20 nextButton ; Verify nextButton ; "
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
           "Intro ; Sel nextButton ; OneMean summaryButton ; "
           "Summary [designText=Simple Random Sampling|samplesEdit=13|totalCostEdit=13650.00] "
           "changeDesignButton ; Design stratifiedRadio okButton ; "
           "StrataCount [strataEdit=2] okButton ; Stratum [weightEdit=0.500] weightEdit=0.3 "
           "okButton ; Stratum [weightEdit=0.700] okButton ; StrataList okButton ; "
           "Summary [designText=Stratified Sampling] graphButton ; "
           "Summary [designText=Stratified Sampling] exitButton ; Question yesButton ; "
           "Sel nextButton ; OneMean [actionLevelEdit=50] summaryButton ; "
           "Summary [designText=Simple Random Sampling] exitButton ; Question noButton");
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

#include "ui/screens/summary_dlg.h"

#include <string>

#include <QAccessible>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "tests/support/files.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"
#include "ui/talo_doc.h"

namespace {

const int kUp = kBaselineAtMost, kDown = kBaselineAtLeast;

// The analysis of the starting record, as the summary screen first shows it.
void Analysed(CTaloDoc& doc, int parameter, int baseline)
{
    doc.m_dqoCurrent = StartingRecord(parameter, baseline);
    RecordingMessages messages;
    ComputeAnalysisPass(doc.m_dqoCurrent, messages);
}

// What the screen handed back: L(eave), G(raph), R(estore the original),
// S and the number of samples typed or bought.
std::string Outcome(const CSummaryDlg& d, const DQORecord& rec)
{
    std::string outcome = std::string(d.m_bLeave ? "L" : "") + (d.m_bShowGraph ? "G" : "") +
                          (rec.bRestoreOriginal ? "R" : "");
    return rec.bSamplesChanged ? outcome + "S" + std::to_string(rec.nUserSamples) : outcome;
}

// The steps on the screen (then, after each "|", on the next screen it
// opens over itself), what it shows then (once closed, what it hands back
// when opened again), its end code (0 while open), the outcome and the box.
struct Case {
    int parameter, baseline;
    void (*change)(DQORecord&); // the record as a former pass left it, or none
    const char* steps;
    std::string shown;
    int end = 0;
    const char* outcome = "";
    const char* message = "";
    const char* title = kTitleInputError;
};

class SummaryTest : public testing::TestWithParam<Case> {};

TEST_P(SummaryTest, StepsShowAndHandBack)
{
    const Case& c = GetParam();
    CTaloDoc doc;
    Analysed(doc, c.parameter, c.baseline);
    if (c.change)
        c.change(doc.m_dqoCurrent);
    CSummaryDlg dialog(doc, doc.m_dqoCurrent);
    FillSummaryScreen(dialog, doc.m_dqoCurrent);
    CScriptedSeams seams;
    const QStringList screens = QString::fromLatin1(c.steps).split('|');
    const auto shows = [&c](QDialog& d) { EXPECT_EQ(Shows(d, c.shown), c.shown); };
    seams.scripts.push_back([&](QDialog& d) {
        Act(d, screens[0]);
        if (d.isVisible())
            shows(d);
    });
    for (const QString& steps : screens.mid(1))
        seams.scripts.push_back([steps](QDialog& d) { Act(d, steps); });
    EXPECT_EQ(seams.RunModal(dialog), c.end);
    EXPECT_TRUE(seams.scripts.empty());
    EXPECT_EQ(seams.ShownTexts(), c.message);
    for (const CScriptedSeams::Shown& box : seams.shown)
        EXPECT_EQ(box.title, c.title);
    EXPECT_EQ(Outcome(dialog, doc.m_dqoCurrent), c.outcome);
    if (c.end != 0) {
        seams.scripts.push_back(shows);
        seams.RunModal(dialog);
    }
}

const char* const kLimitsRange = "Error limits must be in the range: 0 < Error Limit <= 0.5";
const std::string kUpTypes = "below1TypeLabel=FR|below2TypeLabel=FR|lowerTypeLabel=FR|"
                             "upperTypeLabel=FA|above1TypeLabel=FA|above2TypeLabel=FA";
const Case kCases[] = {
    // Opening steps.
    {kTwoMean, kUp, nullptr, "", "changeDesignButton=|changeDesignInputsButton="},
    {kOneMean, kUp, nullptr, "",
     "changeDesignButton=Change Sampling Design|changeDesignInputsButton=|" + kUpTypes +
         "|below1NotSatisfiedLabel=|notSatisfiedLegend=|compositingCostCaption=|"
         "compositingCostText=|sdLabel=Standard Deviation:|columnLabel=concentration"},
    {kOneProportion, kDown, nullptr, "",
     "below1TypeLabel=FA|below2TypeLabel=FA|lowerTypeLabel=FA|upperTypeLabel=FR|above1TypeLabel="
     "FR|above2TypeLabel=FR|sdLabel=|columnLabel=proportion"},
    {kOneMean, kUp,
     [](DQORecord& r) {
         r.nDesign = kComposite;
         r.bNotSatisfied[2] = 1;
     },
     "",
     "changeDesignInputsButton=Change Design Inputs|compositingCostCaption=Aliquot Compositing "
     "Cost:|compositingCostText=10.00|above1NotSatisfiedLabel=NS|above2NotSatisfiedLabel=|"
     "notSatisfiedLegend=NS - Limit Not Satisfied"},
    // Update and Enter: the typed number of samples or total cost, the rows.
    {kOneMean, kUp, nullptr, "totalCostEdit=10500 updateButton", "", kEndOk, "S10"},
    {kTwoMean, kUp, nullptr, "totalCostEdit=10500 Enter:totalCostEdit", "", kEndOk, "S5"},
    {kOneMean, kUp, nullptr, "samplesEdit=20 totalCostEdit=10500 updateButton", "", kEndOk, "S20"},
    {kOneMean, kUp, nullptr, "below1Edit=60 below1LimitEdit=0.1 updateButton", "below1Edit=60", 0,
     "",
     "Additional concentrations in the false rejection region must be in the range:\n"
     "Minimum(0.000) < Additional concentration < Action Level(50.000)"},
    {kOneMean, kUp, nullptr, "lowerLimitEdit=0.6 Enter:below1Edit", "lowerLimitEdit=0.6", 0, "",
     kLimitsRange},
    // Original DQOs asks for the restore even when a check then fails.
    {kOneMean, kUp, nullptr, "upperLimitEdit=0 originalButton", "", 0, "R", kLimitsRange},
    // Costs change in place, with what was typed kept; Esc there shows it again.
    {kOneMean, kUp, nullptr,
     "below1LimitEdit=0.2 changeCostsButton|labCostEdit=500 Esc|labCostEdit=500 "
     "fieldCostEdit=20 totalRadio nextButton",
     "labCostText=500.00|fieldCostText=20.00|fieldCostUnitLabel=(Total):|totalCostEdit=6520.00|"
     "below1LimitEdit=0.2"},
    // Leaving takes no check and keeps what was typed.
    {kOneMean, kUp, nullptr, "below1Edit=60 graphButton", "below1Edit=60", kEndOk, "LG"},
    {kOneMean, kUp, nullptr, "lowerLimitEdit=0.9 exitButton", "lowerLimitEdit=0.9", kEndOk, "L"},
    {kOneMean, kUp, nullptr, "Esc", "", kEndOk, "L"},
    {kOneMean, kUp, nullptr, "close", "", kEndOk, "L"},
    // The side trips that close the screen.
    {kTwoProportion, kUp, nullptr, "changeDesignButton", "", 0, "",
     "Only Simple Random Sampling is available for the Two-Sample parameters.", kTitleTalo},
    {kOneMean, kUp, nullptr, "changeDesignButton|compositeRadio okButton|okButton",
     "designText=Composite Sampling|changeDesignInputsButton=Change Design Inputs", kEndOk},
    {kOneMean, kUp, nullptr, "changeInputsButton|actionLevelEdit=40 boundEdit=70 nextButton",
     "actionLevelText=40|grayRegionText=40 - 70|lowerBoundText=40*|upperBoundText=70*", kEndOk},
    // A proportion's screen keeps what was typed until NEXT >>.
    {kOneProportion, kUp, nullptr, "changeInputsButton|boundEdit=0.7 Enter:boundEdit|nextButton",
     "grayRegionText=0.500 - 0.700|upperBoundText=0.700*", kEndOk},
};
INSTANTIATE_TEST_SUITE_P(Summary, SummaryTest, testing::ValuesIn(kCases));

TEST(Summary, SaveWritesTheReportAndStaysOpenAndEveryControlIsNamed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("summary.txt"));
    CTaloDoc doc;
    Analysed(doc, kOneMean, kUp);
    CSummaryDlg dialog(doc, doc.m_dqoCurrent);
    FillSummaryScreen(dialog, doc.m_dqoCurrent);
    CScriptedSeams seams;
    seams.fileNames.push_back(path);
    seams.scripts.push_back([](QDialog& d) {
        Act(d, "saveButton");
        EXPECT_TRUE(d.isVisible());
        for (QWidget* w : d.findChildren<QWidget*>()) {
            const bool named = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w);
            EXPECT_TRUE(
                !named ||
                !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
                << w->objectName().toStdString();
        }
        EXPECT_EQ(Child(d, "samplesEdit").accessibleName(), "Number of Samples");
        EXPECT_EQ(Child(d, "lowerLimitEdit").accessibleName(), "Decision error limit, row 3 (FR)");
    });
    seams.RunModal(dialog);
    ASSERT_EQ(seams.requests.size(), 1u);
    EXPECT_EQ(seams.requests.front().title, "Save As");
    EXPECT_NE(ReadFile(path.toStdString()).find("Simple Random Sampling"), std::string::npos);
}

} // namespace

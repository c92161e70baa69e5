#include "ui/screens/summary_dlg.h"

#include <string>

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
// A composite design that misses the first limit above the gray region.
const auto Composite = [](DQORecord& r) { r.nDesign = kComposite, r.bNotSatisfied[2] = 1; };

// The starting analysis, changed as a former pass may have left it; the
// steps and what the screen shows, as RunSteps takes them; its end code, the
// outcome and a part of the message shown.
struct Case {
    int parameter, baseline;
    void (*change)(DQORecord&);
    const char* steps;
    std::string shown;
    int end = 0;
    const char* outcome = "";
    const char* message = "";
};

// L(eave), G(raph), R(estore), S and the samples typed or bought; W, the
// reports written and the title of each file prompt.
std::string Outcome(const CSummaryDlg& d, const DQORecord& rec, const CScriptedSeams& seams,
                    const QString& report)
{
    const auto written =
        QString::fromStdString(ReadFile(report.toStdString())).count("Design/DQO Summary Screen");
    std::string outcome = std::string(d.m_bLeave ? "L" : "") + (d.m_bShowGraph ? "G" : "") +
                          (rec.bRestoreOriginal ? "R" : "") +
                          (rec.bSamplesChanged ? "S" + std::to_string(rec.nUserSamples) : "") +
                          (written ? "W" + std::to_string(written) : "");
    for (const SaveFileRequest& request : seams.requests)
        outcome += " " + request.title.toStdString();
    return outcome;
}

class SummaryTest : public testing::TestWithParam<Case> {};

TEST_P(SummaryTest, StepsShowAndHandBack)
{
    const Case& c = GetParam();
    CTaloDoc doc;
    DQORecord& rec = doc.m_dqoCurrent;
    rec = StartingRecord(c.parameter, c.baseline);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    if (c.change)
        c.change(rec);
    CSummaryDlg dialog(doc, rec);
    FillSummaryScreen(dialog, rec);
    CScriptedSeams seams;
    const QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("summary.txt"));
    seams.fileNames.push_back(report);
    EXPECT_EQ(RunSteps(seams, dialog, c.steps, c.shown, c.message), c.end);
    EXPECT_EQ(Outcome(dialog, rec, seams, report), c.outcome);
}

const Case kCases[] = {
    // Opening: the buttons, columns and costs that apply. Save asks once.
    {kTwoMean, kUp, nullptr, "", "changeDesignButton=|changeDesignInputsButton="},
    {kOneMean, kUp, nullptr, "saveButton saveButton",
     "changeDesignInputsButton=|below1TypeLabel=FR|upperTypeLabel=FA|notSatisfiedLegend=|"
     "compositingCostCaption=|columnLabel=concentration",
     0, "W2 Save As"},
    {kOneProportion, kDown, nullptr, "",
     "below1TypeLabel=FA|upperTypeLabel=FR|sdLabel=|columnLabel=proportion"},
    // Its costs screen says where the compositing cost is changed.
    {kOneMean, kUp, Composite, "changeCostsButton|?compositeNoteLabel nextButton",
     "changeDesignInputsButton=Change Design Inputs|compositingCostText=10.00|"
     "above1NotSatisfiedLabel=NS|above2NotSatisfiedLabel=|notSatisfiedLegend=NS - Limit Not "
     "Satisfied"},
    // Update and Enter: the typed total cost.
    {kOneMean, kUp, nullptr, "totalCostEdit=10500 updateButton", "", kEndOk, "S10"},
    {kTwoMean, kUp, nullptr, "totalCostEdit=10500 Enter:totalCostEdit", "", kEndOk, "S5"},
    // Original DQOs asks for the restore even when a check then fails.
    {kOneMean, kUp, nullptr, "lowerLimitEdit=0.6 originalButton", "lowerLimitEdit=0.6", 0, "R",
     "Error Limit <= 0.5"},
    // Costs change in place, with what was typed kept; Esc there shows it again.
    {kOneMean, kUp, nullptr,
     "below1LimitEdit=0.2 changeCostsButton|Esc|labCostEdit=500 fieldCostEdit=20 totalRadio "
     "nextButton",
     "labCostText=500.00|fieldCostText=20.00|fieldCostUnitLabel=(Total):|totalCostEdit=6520.00|"
     "below1LimitEdit=0.2"},
    // Leaving takes no check and keeps what was typed.
    {kOneMean, kUp, nullptr, "below1Edit=60 graphButton", "below1Edit=60", kEndOk, "LG"},
    {kOneMean, kUp, nullptr, "lowerLimitEdit=0.9 exitButton", "lowerLimitEdit=0.9", kEndOk, "L"},
    // The side trip to the inputs closes the screen; a proportion's keeps
    // what was typed until NEXT >>.
    {kOneMean, kUp, nullptr, "changeInputsButton|actionLevelEdit=40 boundEdit=70 nextButton",
     "grayRegionText=40 - 70|upperBoundText=70*", kEndOk},
    {kOneProportion, kUp, nullptr, "changeInputsButton|boundEdit=0.7 Enter:boundEdit|nextButton",
     "upperBoundText=0.700*", kEndOk},
};
INSTANTIATE_TEST_SUITE_P(Summary, SummaryTest, testing::ValuesIn(kCases));

} // namespace

#include "ui/screens/summary_dlg.h"

#include <string>

#include <QAccessible>
#include <QLabel>
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
void Composite(DQORecord& r)
{
    r.nDesign = kComposite;
    r.bNotSatisfied[2] = 1;
}

// The starting analysis, changed as a former pass may have left it; the
// steps on the screen (after each "|", on the next screen it opens; "?name":
// that control is shown); what the screen shows then (once closed, when
// opened again); its end code (0: open), the outcome and the box shown.
struct Case {
    int parameter, baseline;
    void (*change)(DQORecord&);
    const char* steps;
    std::string shown;
    int end = 0;
    const char* outcome = "";
    const char* message = "";
    const char* title = kTitleInputError;
};

// L(eave), G(raph), R(estore), S and the samples typed or bought, W and the
// prompt's title when the report was written.
std::string Outcome(const CSummaryDlg& d, const DQORecord& rec, const CScriptedSeams& seams,
                    const QString& report)
{
    std::string outcome = std::string(d.m_bLeave ? "L" : "") + (d.m_bShowGraph ? "G" : "") +
                          (rec.bRestoreOriginal ? "R" : "");
    if (rec.bSamplesChanged)
        outcome += "S" + std::to_string(rec.nUserSamples);
    if (!ReadFile(report.toStdString()).empty())
        outcome += "W " + seams.requests.front().title.toStdString();
    return outcome;
}

// Every field and button has a name; the number of samples its caption's.
void ExpectNamed(QDialog& d)
{
    for (QWidget* w : d.findChildren<QWidget*>()) {
        const bool named = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w);
        EXPECT_TRUE(!named ||
                    !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
            << w->objectName().toStdString();
    }
    EXPECT_EQ(Child(d, "samplesEdit").accessibleName() + ':',
              Child<QLabel>(d, "samplesLabel").text());
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
    const QStringList screens = QString::fromLatin1(c.steps).split('|');
    const auto shows = [&c](QDialog& d) { EXPECT_EQ(Shows(d, c.shown), c.shown); };
    seams.scripts.push_back([&](QDialog& d) {
        ExpectNamed(d);
        Act(d, screens[0]);
        if (d.isVisible())
            shows(d);
    });
    for (const QString& steps : screens.mid(1))
        seams.scripts.push_back([steps](QDialog& d) {
            for (const QString& step : steps.split(' ', Qt::SkipEmptyParts))
                if (step.startsWith('?'))
                    EXPECT_TRUE(Child(d, step.mid(1)).isVisibleTo(&d)) << step.toStdString();
                else
                    Act(d, step);
        });
    EXPECT_EQ(seams.RunModal(dialog), c.end);
    EXPECT_TRUE(seams.scripts.empty());
    EXPECT_EQ(seams.ShownTexts(), c.message);
    for (const CScriptedSeams::Shown& box : seams.shown)
        EXPECT_EQ(box.title, c.title);
    EXPECT_EQ(Outcome(dialog, rec, seams, report), c.outcome);
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
    // Save writes the report and the screen stays open.
    {kOneMean, kUp, nullptr, "saveButton",
     "changeDesignButton=Change Sampling Design|changeDesignInputsButton=|" + kUpTypes +
         "|below1NotSatisfiedLabel=|notSatisfiedLegend=|compositingCostCaption=|"
         "compositingCostText=|sdLabel=Standard Deviation:|columnLabel=concentration",
     0, "W Save As"},
    {kOneProportion, kDown, nullptr, "",
     "below1TypeLabel=FA|below2TypeLabel=FA|lowerTypeLabel=FA|upperTypeLabel=FR|above1TypeLabel="
     "FR|above2TypeLabel=FR|sdLabel=|columnLabel=proportion"},
    // Its costs screen says where the compositing cost is changed.
    {kOneMean, kUp, Composite, "changeCostsButton|?compositeNoteLabel nextButton",
     "changeDesignInputsButton=Change Design Inputs|compositingCostCaption=Aliquot Compositing "
     "Cost:|compositingCostText=10.00|above1NotSatisfiedLabel=NS|above2NotSatisfiedLabel=|"
     "notSatisfiedLegend=NS - Limit Not Satisfied"},
    // Update and Enter: the typed number of samples or total cost, the rows.
    {kOneMean, kUp, nullptr, "totalCostEdit=10500 updateButton", "", kEndOk, "S10"},
    {kTwoMean, kUp, nullptr, "totalCostEdit=10500 Enter:totalCostEdit", "", kEndOk, "S5"},
    {kOneMean, kUp, nullptr, "below1Edit=60 below1LimitEdit=0.1 updateButton", "below1Edit=60", 0,
     "",
     "Additional concentrations in the false rejection region must be in the range:\n"
     "Minimum(0.000) < Additional concentration < Action Level(50.000)"},
    // Original DQOs asks for the restore even when a check then fails.
    {kOneMean, kUp, nullptr, "lowerLimitEdit=0.6 originalButton", "lowerLimitEdit=0.6", 0, "R",
     kLimitsRange},
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

} // namespace

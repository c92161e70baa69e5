#include "ui/screens/talo_dialog.h"

#include <string>
#include <tuple>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "engine/number_text.h"
#include "tests/support/records.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"
#include "ui/screens/intro_dlg.h"
#include "ui/screens/new_analysis_dlg.h"
#include "ui/screens/parameter_selection_dlg.h"

namespace {

using namespace screens;
const char* const kCheckMessage = "value must be > 0";

// A screen with one number field that must be greater than zero and all
// four ending buttons.
class CValueDlg : public CTaloDialog {
public:
    explicit CValueDlg(EscapeKey escapeKey = EscapeKey::CloseAtOnce)
        : CTaloDialog(QStringLiteral("TALO - Test Inputs"), escapeKey, CloseBox::TerminatePrompt)
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(MakeField(QStringLiteral("valueEdit"), &m_strValue));
        layout->addLayout(
            ButtonRow({MakeBackButton(), MakeNextButton(), MakeSummaryButton(), MakeOkButton()}));
    }
    std::string CheckInputs() override { return ReadDouble(m_strValue) > 0 ? "" : kCheckMessage; }
    // An opening step may set a title wider than the controls.
    void OnOpening() override { setWindowTitle(QString(60, 'W')); }
    std::string m_strValue;
};

// The width of the window title as the title bar shows it.
int TitleWidth(const QDialog& d)
{
    return QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
        .horizontalAdvance(d.windowTitle());
}

// The end flags that are set: B(ack), N(ext), S(ummary), O(K).
std::string SetFlags(const CTaloDialog& d)
{
    return std::string(d.m_bBack ? "B" : "") + (d.m_bNext ? "N" : "") + (d.m_bSummary ? "S" : "") +
           (d.m_bOK ? "O" : "");
}

void ExpectOneBox(const CScriptedSeams& seams, const QWidget* owner, const char* title,
                  const char* text, MessageIcon icon, MessageButtons buttons)
{
    ASSERT_EQ(seams.shown.size(), 1u);
    const CScriptedSeams::Shown& box = seams.shown.front();
    EXPECT_EQ(std::make_tuple(box.owner, box.title, box.text, box.icon, box.buttons),
              std::make_tuple(owner, QString::fromLatin1(title), QString::fromLatin1(text), icon,
                              buttons));
}

// A press refused by the checks, then one accepted (as Act steps), and the
// flags set after each.
struct OkProcessingCase {
    const char *refused, *accepted, *flagsAfterRefusal, *flagsAtEnd;
};

const OkProcessingCase kOkProcessing[] = {
    {"summaryButton", "nextButton", "S", "NS"},
    {"nextButton", "backButton", "N", "BN"},
    {"backButton", "okButton", "B", "BO"},
    {"okButton", "summaryButton", "O", "SO"},
    {"Enter:valueEdit", "Keypad:valueEdit", "", ""},
    // A focused button is pressed by Enter, flag and all.
    {"Enter:nextButton", "Enter:summaryButton", "N", "NS"},
    {"Esc", "Esc", "", ""}, // on a screen whose Esc runs the checks
};

class OkProcessingTest : public testing::TestWithParam<OkProcessingCase> {};

TEST_P(OkProcessingTest, RefusalKeepsScreenTextAndFlagAcceptanceCloses)
{
    const OkProcessingCase& c = GetParam();
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::RunChecks);
    seams.scripts.push_back([&](QDialog& d) {
        Act(d, "valueEdit=abc");
        Act(d, c.refused);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Shows(d, "valueEdit=abc"), "valueEdit=abc");
        EXPECT_EQ(SetFlags(dialog), c.flagsAfterRefusal);
        EXPECT_GE(d.width(), TitleWidth(d));
        Act(d, "valueEdit=12abc");
        Act(d, c.accepted);
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    ExpectOneBox(seams, &dialog, "TALO - Input Validation Error", kCheckMessage,
                 MessageIcon::Warning, MessageButtons::Ok);
    EXPECT_EQ(SetFlags(dialog), c.flagsAtEnd);
    EXPECT_EQ(dialog.m_strValue, "12abc");
}

INSTANTIATE_TEST_SUITE_P(Presses, OkProcessingTest, testing::ValuesIn(kOkProcessing));

TEST(TaloDialog, CloseBoxAsksToTerminateAndEscapeClosesAtOnceKeepingTheMembers)
{
    for (const int answer : {kAnswerCancel, kAnswerOk}) {
        CScriptedSeams seams;
        seams.answers.push_back(answer);
        CValueDlg dialog;
        dialog.m_strValue = "7";
        seams.scripts.push_back([](QDialog& d) {
            EXPECT_EQ(Shows(d, "valueEdit=7"), "valueEdit=7"); // loaded on opening
            Act(d, "valueEdit=-1 close"); // an OK answer is only recorded by the seams
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(Shows(d, "valueEdit=-1"), "valueEdit=-1");
            Act(d, "Esc");
        });

        EXPECT_EQ(seams.RunModal(dialog), kEndCancel);
        EXPECT_EQ(dialog.m_strValue, "7");
        EXPECT_EQ(seams.endStatuses, answer == kAnswerOk ? std::vector{1} : std::vector<int>{});
        ExpectOneBox(seams, &dialog, "TALO", "Terminate DQO analysis?", MessageIcon::None,
                     MessageButtons::OkCancel);
    }
}

TEST(TaloDialog, OpensWithTheWholeWindowCentredAndClampedAtZero)
{
    // centre x, y; whether the frame is pushed to the left or the top edge
    const std::tuple<int, int, bool, bool> cases[] = {
        {320, 240, false, false}, {10, 10, true, true}, {400, 30, false, true}};
    for (const auto& [x, y, leftClamped, topClamped] : cases) {
        CScriptedSeams seams;
        CValueDlg dialog;
        dialog.setFixedSize(201, 101);
        dialog.SetCentre(x, y);
        QRect frame;
        seams.scripts.push_back([&frame](QDialog& d) { frame = d.frameGeometry(); });
        seams.RunModal(dialog);
        // The frame's centre lies on the point, the halves truncated.
        EXPECT_EQ(frame.left(), leftClamped ? 0 : x - frame.width() / 2);
        EXPECT_EQ(frame.top(), topClamped ? 0 : y - frame.height() / 2);
        EXPECT_EQ(dialog.size(), QSize(201, 101)); // moved, never resized
    }
}

// The catalogue of screens: each made for a record of the parameter, with
// the end code of Esc (and of a close box that does not ask), whether the
// close box asks to terminate, a button that ends it with OK, and its title
// and captions, every push button among them.
struct Entry {
    ScreenFactory make;
    int parameter, esc;
    bool asks;
    std::string captions;
    const char* button = "nextButton";
};

const std::string kWizard = "|<< BACK|NEXT >>|SUMMARY";
const std::string kModify =
    "|Static Inputs|Minimum Value:|Maximum Value:|Baseline Condition:|Modifiable Inputs|NEXT >>";

const Entry kCatalogue[] = {
    {Made<CIntroDlg>, kOneMean, kEndOk, false, "TALO|OK", "okButton"},
    {Made<CNewAnalysisDlg>, kOneMean, kEndCancel, false, "TALO|Start a new DQO analysis?|Yes|No",
     "yesButton"},
    {Made<CParameterSelectionDlg>, kOneMean, kEndCancel, true,
     "TALO - Parameter Selection|NEXT >>"},
    {OneMean, kOneMean, kEndCancel, true,
     "TALO - One-Sample Mean Inputs|Estimate of Minimum Value:|Estimate of Maximum Value:|"
     "Action Level (AL):|Select Baseline Condition |Ho: mean >= AL vs. Ha: mean < AL|"
     "Ho: mean <= AL vs. Ha: mean > AL|Other Bound of the Gray Region|Estimate of Standard "
     "Deviation|Use This Value:|Coefficient of Variation:|NOTE:|These values should have been "
     "identified in Steps 5 and 6 of the DQO Process." +
         kWizard},
    {TwoMean, kTwoMean, kEndOk, true,
     "TALO - Two-Sample Mean Inputs|Ho: mean1 - mean2 >= AL  vs.  |Ha: mean1 - mean2 < AL|"
     "Ho: mean1 - mean2 <= AL  vs.  |Ha: mean1 - mean2 > AL" +
         kWizard},
    {ModMean, kOneMean, kEndCancel, true,
     "TALO - Modify One-Sample Mean Inputs|Action Level (AL):" + kModify},
    {ModMean, kTwoMean, kEndCancel, true, "TALO - Modify Two-Sample Mean Inputs|NEXT >>"},
    {OneProp, kOneProportion, kEndOk, true,
     "TALO - One-Sample Proportion Inputs|Minimum Proportion:|0.00|Maximum Proportion:|1.00|"
     "Ho: proportion >= AL vs. Ha: proportion < AL|Ho: proportion <= AL vs. Ha: proportion > AL" +
         kWizard},
    {TwoProp, kTwoProportion, kEndOk, true,
     "TALO - Two-Sample Proportion Inputs|Minimum Mean Difference:|Maximum Mean Difference:|"
     "0.00  (fixed)|Select Baseline Condition: |Ho: prop1 - prop2 >= AL  vs.          |"
     "Ha: prop1 - prop2 < AL|Ho: prop1 - prop2 <= AL  vs.                   |"
     "Ha: prop1 - prop2 > AL" +
         kWizard},
    {ModProp, kOneProportion, kEndCancel, true,
     "TALO - Modify One-Sample Proportion Inputs" + kModify},
    {ModProp, kTwoProportion, kEndCancel, true,
     "TALO - Modify Two-Sample Proportion Inputs|NEXT >>"},
    {Costs, kOneMean, kEndCancel, true, "TALO - Laboratory and Field Costs|<< BACK|NEXT >>"},
    {Limits, kOneMean, kEndCancel, true, "TALO - Decision Error Limits|<< BACK|NEXT >>"},
    {Additional, kOneMean, kEndOk, true, "TALO - Additional Decision Error Limits|<< BACK|NEXT >>"},
    {Verify, kOneMean, kEndCancel, true,
     "TALO - Input Verification|Change Input Value(s)|Change Costs|NEXT >>"},
};

class CatalogueTest : public testing::TestWithParam<Entry> {};

TEST_P(CatalogueTest, EndingsCaptionsNamesWidthAndBindings)
{
    const Entry& e = GetParam();
    const QStringList captions = QString::fromStdString(e.captions).split('|');
    CScriptedSeams seams;
    seams.answers.push_back(kAnswerCancel);
    DQORecord rec = StartingRecord(e.parameter);
    const auto dialog = e.make(rec);
    seams.scripts.push_back([](QDialog& d) { Act(d, "close Esc"); });
    EXPECT_EQ(seams.RunModal(*dialog), e.esc);
    EXPECT_EQ(seams.shown.size(), e.asks ? 1u : 0u);

    // The fields' texts and the radio buttons checked.
    const auto state = [](QDialog& d) {
        QStringList shown;
        for (QLineEdit* edit : d.findChildren<QLineEdit*>())
            shown << edit->text();
        for (QButtonGroup* group : d.findChildren<QButtonGroup*>())
            shown << group->checkedButton()->objectName();
        return shown;
    };
    QStringList typed;
    seams.scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), captions.front());
        EXPECT_GE(d.width(), TitleWidth(d));
        QStringList shown{d.windowTitle()};
        for (QWidget* w : d.findChildren<QWidget*>()) {
            shown << w->property("title").toString() << w->property("text").toString();
            const bool named = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w);
            EXPECT_TRUE(!qobject_cast<QPushButton*>(w) || captions.contains(shown.back()));
            EXPECT_TRUE(
                !named ||
                !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
                << w->objectName().toStdString();
        }
        for (const QString& caption : captions)
            EXPECT_TRUE(shown.contains(caption)) << caption.toStdString();
        Act(d, e.button);
        EXPECT_EQ(d.result(), kEndOk);
        // What the OK processing copied comes back when the screen opens again.
        for (QButtonGroup* group : d.findChildren<QButtonGroup*>())
            group->buttons().back()->click();
        int n = 0;
        for (QLineEdit* edit : d.findChildren<QLineEdit*>())
            edit->setText(QString::number(++n));
        typed = state(d);
        static_cast<CTaloDialog&>(d).accept();
        for (QLineEdit* edit : d.findChildren<QLineEdit*>())
            edit->clear();
        for (QButtonGroup* group : d.findChildren<QButtonGroup*>())
            group->buttons().front()->setChecked(true);
    });
    seams.scripts.push_back([&](QDialog& d) { EXPECT_EQ(state(d), typed); });
    seams.RunModal(*dialog);
    seams.RunModal(*dialog);
}

INSTANTIATE_TEST_SUITE_P(Screens, CatalogueTest, testing::ValuesIn(kCatalogue));

} // namespace

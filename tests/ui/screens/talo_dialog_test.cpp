#include "ui/screens/talo_dialog.h"

#include <string>
#include <tuple>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "engine/number_text.h"
#include "tests/support/records.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"
#include "ui/screens/design_dlgs.h"
#include "ui/screens/intro_dlg.h"
#include "ui/screens/new_analysis_dlg.h"
#include "ui/screens/parameter_selection_dlg.h"
#include "ui/screens/summary_dlg.h"
#include "ui/talo_doc.h"

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

// The end flags that are set: B(ack), N(ext), S(ummary), O(K), L(eave).
std::string SetFlags(const CTaloDialog& d)
{
    const auto* summary = dynamic_cast<const CSummaryDlg*>(&d);
    return std::string(d.m_bBack ? "B" : "") + (d.m_bNext ? "N" : "") + (d.m_bSummary ? "S" : "") +
           (d.m_bOK ? "O" : "") + (summary && summary->m_bLeave ? "L" : "");
}

void ExpectBoxes(const CScriptedSeams& seams, size_t count, const QWidget* owner, const char* title,
                 const char* text, MessageIcon icon, MessageButtons buttons)
{
    EXPECT_EQ(seams.shown.size(), count);
    for (const CScriptedSeams::Shown& box : seams.shown)
        EXPECT_EQ(std::make_tuple(box.owner, box.title, box.text, box.icon, box.buttons),
                  std::make_tuple(owner, QString::fromLatin1(title), QString::fromLatin1(text),
                                  icon, buttons));
}

// A press refused by the checks, then one accepted (as Act steps), and the
// flags set after each.
struct OkProcessingCase {
    const char *refused, *accepted, *flagsAfterRefusal, *flagsAtEnd;
};

const OkProcessingCase kOkProcessing[] = {
    {"summaryButton", "nextButton", "S", "NS"},
    {"backButton", "okButton", "B", "BO"},
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
    ExpectBoxes(seams, 1, &dialog, "TALO - Input Validation Error", kCheckMessage,
                MessageIcon::Warning, MessageButtons::Ok);
    EXPECT_EQ(SetFlags(dialog), c.flagsAtEnd);
    EXPECT_EQ(dialog.m_strValue, "12abc");
}

INSTANTIATE_TEST_SUITE_P(Presses, OkProcessingTest, testing::ValuesIn(kOkProcessing));

// Esc after a refused press keeps the press but not the refused text.
TEST(TaloDialog, EscAfterARefusalCarriesNothingRefused)
{
    CScriptedSeams seams;
    CValueDlg dialog;
    dialog.m_strValue = "5";
    seams.scripts.push_back([](QDialog& d) { Act(d, "valueEdit=abc summaryButton Esc"); });
    EXPECT_EQ(seams.RunModal(dialog), kEndCancel);
    EXPECT_EQ(SetFlags(dialog) + dialog.m_strValue, "S5");
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

// Every screen, made for a record of the parameter, with its title, the end
// code and flags of Esc, and whether its close box asks to terminate (the
// screen stays open; an OK answer is only recorded by the seams) rather than
// act as Esc. The summary screen's Esc and close box are its Exit.
struct Entry {
    ScreenFactory make;
    int parameter;
    const char* title;
    int esc;
    bool asks = true;
    const char* flags = "";
};

std::unique_ptr<CTaloDialog> Summary(DQORecord& rec)
{
    static CTaloDoc* const doc = new CTaloDoc; // outlives every screen
    auto dialog = std::make_unique<CSummaryDlg>(*doc, rec);
    FillSummaryScreen(*dialog, rec);
    return dialog;
}

const Entry kCatalogue[] = {
    {Made<CIntroDlg>, kOneMean, "TALO", kEndOk, false},
    {Made<CNewAnalysisDlg>, kOneMean, "TALO", kEndCancel, false},
    {Made<CParameterSelectionDlg>, kOneMean, "TALO - Parameter Selection", kEndCancel},
    {OneMean, kOneMean, "TALO - One-Sample Mean Inputs", kEndCancel},
    {TwoMean, kTwoMean, "TALO - Two-Sample Mean Inputs", kEndOk},
    {ModMean, kOneMean, "TALO - Modify One-Sample Mean Inputs", kEndCancel},
    {ModMean, kTwoMean, "TALO - Modify Two-Sample Mean Inputs", kEndCancel},
    {OneProp, kOneProportion, "TALO - One-Sample Proportion Inputs", kEndOk},
    {TwoProp, kTwoProportion, "TALO - Two-Sample Proportion Inputs", kEndOk},
    {ModProp, kOneProportion, "TALO - Modify One-Sample Proportion Inputs", kEndCancel},
    {ModProp, kTwoProportion, "TALO - Modify Two-Sample Proportion Inputs", kEndCancel},
    {Costs, kOneMean, "TALO - Laboratory and Field Costs", kEndCancel},
    {Limits, kOneMean, "TALO - Decision Error Limits", kEndCancel},
    {Additional, kOneMean, "TALO - Additional Decision Error Limits", kEndOk},
    {Verify, kOneMean, "TALO - Input Verification", kEndCancel},
    {Summary, kOneMean, "TALO - Design/DQO Summary", kEndOk, false, "L"},
    {Made<CMeanDesignDlg>, kOneMean, "TALO - Sampling Designs for Mean", kEndCancel},
    {Made<CPropDesignDlg>, kOneMean, "TALO - Sampling Designs for Proportion", kEndCancel, false},
    {Made<CCompositeDlg>, kOneMean, "TALO - Composite Design Inputs", kEndCancel},
    {Made<CStrataCountDlg>, kOneMean, "TALO - Stratum Inputs", kEndCancel},
    {Made<CMeanStratumDlg>, kOneMean, "TALO - Stratum Characteristics for Mean", kEndCancel},
    {Made<CPropStratumDlg>, kOneMean, "TALO - Stratum Characteristics for Proportion", kEndCancel},
    {Made<CStrataSummaryDlg>, kOneMean, "TALO - Stratum Design Inputs", kEndCancel, false},
};

class CatalogueTest : public testing::TestWithParam<Entry> {};

TEST_P(CatalogueTest, TitleNamesCloseBoxAndEsc)
{
    const Entry& e = GetParam();
    CScriptedSeams seams;
    seams.answers = {kAnswerCancel, kAnswerOk};
    DQORecord rec = StartingRecord(e.parameter);
    const auto dialog = e.make(rec);
    seams.scripts.push_back([&e](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), e.title);
        EXPECT_GE(d.width(), TitleWidth(d));
        // Whatever the Tab key reaches has a name for the screen reader.
        for (QWidget* w : d.findChildren<QWidget*>())
            EXPECT_TRUE(
                !(w->focusPolicy() & Qt::TabFocus) ||
                !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
                << w->objectName().toStdString();
        Act(d, "close");
        if (d.isVisible())
            Act(d, "close");
    });
    EXPECT_EQ(seams.RunModal(*dialog), e.asks ? 0 : e.esc);
    EXPECT_EQ(SetFlags(*dialog), e.asks ? "" : e.flags);
    EXPECT_EQ(seams.endStatuses, e.asks ? std::vector{1} : std::vector<int>{});
    ExpectBoxes(seams, e.asks ? 2 : 0, dialog.get(), "TALO", "Terminate DQO analysis?",
                MessageIcon::None, MessageButtons::OkCancel);
    seams.scripts.push_back([](QDialog& d) { Act(d, "Esc"); });
    EXPECT_EQ(seams.RunModal(*dialog), e.esc);
    EXPECT_EQ(SetFlags(*dialog), e.flags);
}

INSTANTIATE_TEST_SUITE_P(Screens, CatalogueTest, testing::ValuesIn(kCatalogue));

} // namespace

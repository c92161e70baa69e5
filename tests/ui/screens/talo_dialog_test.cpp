#include "ui/screens/talo_dialog.h"

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include <QAccessible>
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
    std::string m_strValue;
};

// The end flags that are set: B(ack), N(ext), S(ummary), O(K), L(eave).
std::string SetFlags(const CTaloDialog& d)
{
    const auto* summary = dynamic_cast<const CSummaryDlg*>(&d);
    return std::string(d.m_bBack ? "B" : "") + (d.m_bNext ? "N" : "") + (d.m_bSummary ? "S" : "") +
           (d.m_bOK ? "O" : "") + (summary && summary->m_bLeave ? "L" : "");
}

// Each box shown: its owner, title, text, icon and buttons.
using Box = std::tuple<const QWidget*, QString, QString, MessageIcon, MessageButtons>;
std::vector<Box> Boxes(const CScriptedSeams& seams)
{
    std::vector<Box> boxes;
    for (const CScriptedSeams::Shown& b : seams.shown)
        boxes.emplace_back(b.owner, b.title, b.text, b.icon, b.buttons);
    return boxes;
}

// A press refused by the checks, then one accepted (as Act steps), and the
// flags set after each.
using OkProcessingCase = std::array<const char*, 4>;

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
    const char *refused = GetParam()[0], *accepted = GetParam()[1],
               *flagsAfterRefusal = GetParam()[2], *flagsAtEnd = GetParam()[3];
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::RunChecks);
    seams.scripts.push_back([&](QDialog& d) {
        Act(d, "valueEdit=abc");
        Act(d, refused);
        // Still open, showing the refused text, with the press's flag.
        EXPECT_EQ((d.isVisible() ? "open " : "closed ") + Shows(d, "valueEdit=abc") +
                      SetFlags(dialog),
                  "open valueEdit=abc" + std::string(flagsAfterRefusal));
        Act(d, "valueEdit=12abc");
        Act(d, accepted);
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(Boxes(seams),
              (std::vector<Box>{{&dialog, "TALO - Input Validation Error", kCheckMessage,
                                 MessageIcon::Warning, MessageButtons::Ok}}));
    EXPECT_EQ(SetFlags(dialog) + " " + dialog.m_strValue, flagsAtEnd + std::string(" 12abc"));
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

// A centre near the top edge: the frame's centre on the point across, its
// top edge clamped at zero, the window moved and never resized.
TEST(TaloDialog, OpensWithTheWholeWindowCentredAndClampedAtZero)
{
    CScriptedSeams seams;
    CValueDlg dialog;
    dialog.setFixedSize(201, 101);
    dialog.SetCentre(400, 30);
    QRect frame;
    seams.scripts.push_back([&frame](QDialog& d) { frame = d.frameGeometry(); });
    seams.RunModal(dialog);
    EXPECT_EQ(std::make_tuple(frame.left(), frame.top(), dialog.size()),
              std::make_tuple(400 - frame.width() / 2, 0, QSize(201, 101)));
}

// Every screen, made for a record of the parameter, with the end code and
// flags of Esc, and whether its close box asks to terminate (the screen
// stays open; an OK answer is only recorded by the seams) rather than act as
// Esc. The summary screen's Esc and close box are its Exit.
struct Entry {
    ScreenFactory make;
    int parameter, esc;
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
    {Made<CIntroDlg>, kOneMean, kEndOk, false},
    {Made<CNewAnalysisDlg>, kOneMean, kEndCancel, false},
    {Made<CParameterSelectionDlg>, kOneMean, kEndCancel},
    {OneMean, kOneMean, kEndCancel},
    {TwoMean, kTwoMean, kEndOk},
    {ModMean, kOneMean, kEndCancel},
    {OneProp, kOneProportion, kEndOk},
    {TwoProp, kTwoProportion, kEndOk},
    {ModProp, kOneProportion, kEndCancel},
    {Costs, kOneMean, kEndCancel},
    {Limits, kOneMean, kEndCancel},
    {Additional, kOneMean, kEndOk},
    {Verify, kOneMean, kEndCancel},
    {Summary, kOneMean, kEndOk, false, "L"},
    {Made<CMeanDesignDlg>, kOneMean, kEndCancel},
    {Made<CPropDesignDlg>, kOneMean, kEndCancel, false},
    {Made<CCompositeDlg>, kOneMean, kEndCancel},
    {Made<CStrataCountDlg>, kOneMean, kEndCancel},
    {Made<CMeanStratumDlg>, kOneMean, kEndCancel},
    {Made<CStrataSummaryDlg>, kOneMean, kEndCancel, false},
};

class CatalogueTest : public testing::TestWithParam<Entry> {};

TEST_P(CatalogueTest, NamesCloseBoxAndEsc)
{
    const Entry& e = GetParam();
    CScriptedSeams seams;
    seams.answers = {kAnswerCancel, kAnswerOk};
    DQORecord rec = StartingRecord(e.parameter);
    const auto dialog = e.make(rec);
    seams.scripts.push_back([](QDialog& d) {
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
    const int closed = seams.RunModal(*dialog);
    EXPECT_EQ(std::make_tuple(closed, SetFlags(*dialog), seams.endStatuses),
              e.asks ? std::make_tuple(0, std::string(), std::vector{1})
                     : std::make_tuple(e.esc, std::string(e.flags), std::vector<int>{}));
    EXPECT_EQ(Boxes(seams),
              std::vector<Box>(e.asks ? 2 : 0, {dialog.get(), "TALO", "Terminate DQO analysis?",
                                                MessageIcon::None, MessageButtons::OkCancel}));
    seams.scripts.push_back([](QDialog& d) { Act(d, "Esc"); });
    const int escaped = seams.RunModal(*dialog);
    EXPECT_EQ(std::to_string(escaped) + SetFlags(*dialog), std::to_string(e.esc) + e.flags);
}

INSTANTIATE_TEST_SUITE_P(Screens, CatalogueTest, testing::ValuesIn(kCatalogue));

} // namespace

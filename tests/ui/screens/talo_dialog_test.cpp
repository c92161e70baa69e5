#include "ui/screens/talo_dialog.h"

#include <stdexcept>
#include <string>
#include <tuple>
#include <typeinfo>
#include <utility>
#include <vector>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "engine/dqo_record.h"
#include "engine/number_text.h"
#include "tests/support/scripted_seams.h"
#include "ui/screens/intro_dlg.h"
#include "ui/screens/new_analysis_dlg.h"
#include "ui/screens/parameter_selection_dlg.h"

namespace {

const char* const kCheckMessage = "value must be > 0";

template <typename T> T& Child(QWidget& parent, const char* name)
{
    if (T* child = parent.findChild<T*>(QString::fromLatin1(name)))
        return *child;
    throw std::runtime_error(std::string("no control named ") + name);
}

// A screen with one number field that must be greater than zero and all
// four ending buttons.
class CValueDlg : public CTaloDialog {
public:
    explicit CValueDlg(EscapeKey escapeKey = EscapeKey::CloseAtOnce)
        : CTaloDialog(QStringLiteral("TALO - Test Inputs"), escapeKey, CloseBox::TerminatePrompt)
    {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("valueEdit"));
        BindText(edit, &m_strValue);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(edit);
        layout->addLayout(
            ButtonRow({MakeBackButton(), MakeNextButton(), MakeSummaryButton(), MakeOkButton()}));
    }

    std::string CheckInputs() override
    {
        return ReadDouble(m_strValue) > 0 ? std::string() : std::string(kCheckMessage);
    }

    std::string m_strValue;
};

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

// A click on a button, a key sent to a control or (target nullptr) to the
// screen, or with neither the screen's close box.
struct Press {
    const char* target;
    Qt::Key key = Qt::Key_unknown;
};

const Press kEnter{nullptr, Qt::Key_Return}, kEscape{nullptr, Qt::Key_Escape}, kCloseBox{nullptr};

void Send(QDialog& dialog, const Press& press)
{
    QWidget* target = press.target ? &Child<QWidget>(dialog, press.target) : &dialog;
    if (press.key != Qt::Key_unknown)
        QTest::keyClick(target, press.key,
                        press.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    else if (press.target)
        QTest::mouseClick(target, Qt::LeftButton);
    else
        dialog.close();
}

// A press refused by the checks, then one accepted, and the flags set after each.
struct OkProcessingCase {
    Press refused, accepted;
    const char* flagsAfterRefusal;
    const char* flagsAtEnd;
};

const OkProcessingCase kOkProcessing[] = {
    {{"summaryButton"}, {"nextButton"}, "S", "NS"},
    {{"nextButton"}, {"backButton"}, "N", "BN"},
    {{"backButton"}, {"okButton"}, "B", "BO"},
    {{"okButton"}, {"summaryButton"}, "O", "SO"},
    {{"valueEdit", Qt::Key_Return}, {"valueEdit", Qt::Key_Return}, "", ""},
    {{"valueEdit", Qt::Key_Enter}, {"valueEdit", Qt::Key_Enter}, "", ""},
    {{"nextButton", Qt::Key_Return}, {"nextButton", Qt::Key_Return}, "", ""},
    {kEscape, kEscape, "", ""}, // on a screen whose Esc runs the checks
};

class OkProcessingTest : public testing::TestWithParam<OkProcessingCase> {};

TEST_P(OkProcessingTest, RefusalKeepsScreenTextAndFlagAcceptanceCloses)
{
    const OkProcessingCase& c = GetParam();
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::RunChecks);
    seams.scripts.push_back([&](QDialog& d) {
        auto& edit = Child<QLineEdit>(d, "valueEdit");
        edit.setText("abc");
        Send(d, c.refused);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(edit.text(), QStringLiteral("abc"));
        EXPECT_EQ(SetFlags(dialog), c.flagsAfterRefusal);
        edit.setText("12abc");
        Send(d, c.accepted);
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
            auto& edit = Child<QLineEdit>(d, "valueEdit");
            EXPECT_EQ(edit.text(), QStringLiteral("7")); // loaded on opening
            edit.setText("-1");
            d.close(); // an OK answer is only recorded by the seams
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(edit.text(), QStringLiteral("-1"));
            QTest::keyClick(&d, Qt::Key_Escape);
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

TEST(ParameterSelection, ChosenParameterAndPopulationsGiveTheCode)
{
    const char* const parameters[] = {"meanRadio", "proportionRadio"};
    const char* const populations[] = {"onePopulationRadio", "twoPopulationsRadio"};
    for (const int code : {kOneMean, kOneProportion, kTwoMean, kTwoProportion}) {
        CScriptedSeams seams;
        CParameterSelectionDlg dialog;
        seams.scripts.push_back([&](QDialog& d) {
            Child<QRadioButton>(d, parameters[code % 2]).click();
            Child<QRadioButton>(d, populations[code / 2]).click();
            Child<QPushButton>(d, "nextButton").click();
        });
        EXPECT_EQ(seams.RunModal(dialog), kEndOk);
        EXPECT_EQ(ParameterCodeFromSelection(dialog.m_nParameter, dialog.m_nPopulations), code);
    }
}

// Each way of closing the screen with the end code it gives, 0 when the
// screen stays open behind the terminate prompt.
template <typename Dialog> void ExpectEndings(std::initializer_list<std::pair<Press, int>> endings)
{
    for (const auto& [press, code] : endings) {
        SCOPED_TRACE(testing::Message() << typeid(Dialog).name() << " " << code);
        CScriptedSeams seams;
        Dialog dialog;
        seams.scripts.push_back([&press = press](QDialog& d) { Send(d, press); });
        EXPECT_EQ(seams.RunModal(dialog), code);
        EXPECT_EQ(seams.shown.size(), code == 0 ? 1u : 0u);
    }
}

TEST(Endings, EachScreenEndsAsPrescribed)
{
    ExpectEndings<CIntroDlg>(
        {{{"okButton"}, kEndOk}, {kEnter, kEndOk}, {kEscape, kEndOk}, {kCloseBox, kEndOk}});
    ExpectEndings<CNewAnalysisDlg>({{{"yesButton"}, kEndOk},
                                    {kEnter, kEndOk},
                                    {{"noButton"}, kEndCancel},
                                    {kEscape, kEndCancel},
                                    {kCloseBox, kEndCancel}});
    ExpectEndings<CParameterSelectionDlg>(
        {{{"nextButton"}, kEndOk}, {kEnter, kEndOk}, {kEscape, kEndCancel}, {kCloseBox, 0}});
}

} // namespace

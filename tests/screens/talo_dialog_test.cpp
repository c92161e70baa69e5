#include "screens/talo_dialog.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "doc/dqo_record.h"
#include "doc/number_text.h"
#include "screens/intro_dlg.h"
#include "screens/new_analysis_dlg.h"
#include "screens/parameter_selection_dlg.h"
#include "tests/support/scripted_seams.h"

namespace {

const char* const kCheckMessage = "value must be > 0";
const char* const kTerminateText = "Terminate DQO analysis?";

template <typename T> T& Child(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        throw std::runtime_error(std::string("no control named ") + name);
    return *child;
}

QPushButton& Button(QWidget& parent, const char* name)
{
    return Child<QPushButton>(parent, name);
}

// A screen with one number field that must be greater than zero and all
// four ending buttons.
class CValueDlg : public CTaloDialog {
public:
    CValueDlg(EscapeKey escapeKey, CloseBox closeBox)
        : CTaloDialog(QStringLiteral("TALO - Test Inputs"), escapeKey, closeBox)
    {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("valueEdit"));
        BindText(edit, &m_strValue);
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("valueLabel"));
        BindText(label, &m_strLabel);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(edit);
        layout->addWidget(label);
        layout->addLayout(
            ButtonRow({MakeBackButton(), MakeNextButton(), MakeSummaryButton(), MakeOkButton()}));
    }

    std::string m_strValue;
    std::string m_strLabel; // a static text the screen rewrites

protected:
    std::string CheckInputs() override
    {
        return ReadDouble(m_strValue) > 0 ? std::string() : std::string(kCheckMessage);
    }
};

// The same screen with the title of the sampling-design screens' boxes.
class CDesignValueDlg : public CValueDlg {
public:
    using CValueDlg::CValueDlg;

protected:
    QString ValidationTitle() const override { return QStringLiteral("TALO"); }
};

QLineEdit& ValueEdit(QWidget& dialog)
{
    return Child<QLineEdit>(dialog, "valueEdit");
}

void Retype(QWidget& dialog, const char* text)
{
    QLineEdit& edit = ValueEdit(dialog);
    edit.clear();
    QTest::keyClicks(&edit, QString::fromLatin1(text));
}

using Flag = int CTaloDialog::*;

struct EndButton {
    const char* name;
    Flag flag;
};

const EndButton kEndButtons[] = {
    {"backButton", &CTaloDialog::m_bBack},
    {"nextButton", &CTaloDialog::m_bNext},
    {"summaryButton", &CTaloDialog::m_bSummary},
    {"okButton", &CTaloDialog::m_bOK},
};

int FlagCount(const CTaloDialog& dialog)
{
    return dialog.m_bBack + dialog.m_bNext + dialog.m_bSummary + dialog.m_bOK;
}

void ExpectOneValidationBox(const CScriptedSeams& seams, const QWidget* owner,
                            const char* title = "TALO - Input Validation Error")
{
    ASSERT_EQ(seams.shown.size(), 1u);
    const CScriptedSeams::Shown& box = seams.shown.front();
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.title, QString::fromLatin1(title));
    EXPECT_EQ(box.text, QString::fromLatin1(kCheckMessage));
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
}

TEST(TaloDialog, StartsWithNoFlagsAndNoRecord)
{
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    EXPECT_EQ(FlagCount(dialog), 0);
    EXPECT_EQ(dialog.m_pDQO, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TALO - Test Inputs"));
}

TEST(TaloDialog, LoadsBoundControlsOnOpeningAndCopiesThemBack)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    dialog.m_strValue = "0.25";
    dialog.m_strLabel = "Upper Bound:";
    seams.scripts.push_back([](QDialog& d) {
        EXPECT_EQ(ValueEdit(d).text(), QStringLiteral("0.25"));
        EXPECT_EQ(Child<QLabel>(d, "valueLabel").text(), QStringLiteral("Upper Bound:"));
        Child<QLabel>(d, "valueLabel").setText(QStringLiteral("Lower Bound:"));
        Button(d, "nextButton").click();
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(dialog.m_strValue, "0.25");
    EXPECT_EQ(dialog.m_strLabel, "Lower Bound:");
}

class EndButtonTest : public testing::TestWithParam<EndButton> {};

TEST_P(EndButtonTest, AcceptedPressSetsOnlyItsFlagAndCopiesTheField)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    dialog.m_strValue = "1";
    seams.scripts.push_back([](QDialog& d) {
        Retype(d, "2.5");
        QTest::mouseClick(&Button(d, GetParam().name), Qt::LeftButton);
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(dialog.*GetParam().flag, 1);
    EXPECT_EQ(FlagCount(dialog), 1);
    EXPECT_EQ(dialog.m_strValue, "2.5");
    EXPECT_TRUE(seams.shown.empty());
}

TEST_P(EndButtonTest, RefusedPressReportsOnceAndKeepsTheScreenAndTheFlag)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    dialog.m_strValue = "1";
    seams.scripts.push_back([&dialog](QDialog& d) {
        Retype(d, "abc");
        Button(d, GetParam().name).click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.result(), 0);
        EXPECT_EQ(ValueEdit(d).text(), QStringLiteral("abc"));
        EXPECT_EQ(dialog.*GetParam().flag, 1);
        d.done(kEndCancel); // end the run; the flag must survive it
    });

    seams.RunModal(dialog);
    ExpectOneValidationBox(seams, &dialog);
    EXPECT_EQ(dialog.*GetParam().flag, 1);
    EXPECT_EQ(FlagCount(dialog), 1);
    EXPECT_EQ(dialog.m_strValue, "abc"); // copied before the checks
}

INSTANTIATE_TEST_SUITE_P(EachButton, EndButtonTest, testing::ValuesIn(kEndButtons),
                         [](const testing::TestParamInfo<EndButton>& info) {
                             return std::string(info.param.name);
                         });

struct RefusedThenAccepted {
    EndButton refused;
    EndButton accepted;
};

class RefusedThenAcceptedTest : public testing::TestWithParam<RefusedThenAccepted> {};

TEST_P(RefusedThenAcceptedTest, BothFlagsStaySet)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    seams.scripts.push_back([](QDialog& d) {
        Retype(d, "0");
        Button(d, GetParam().refused.name).click();
        Retype(d, "4");
        Button(d, GetParam().accepted.name).click();
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(dialog.*GetParam().refused.flag, 1);
    EXPECT_EQ(dialog.*GetParam().accepted.flag, 1);
    EXPECT_EQ(FlagCount(dialog), 2);
    EXPECT_EQ(dialog.m_strValue, "4");
    EXPECT_EQ(seams.shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, RefusedThenAcceptedTest,
    testing::Values(RefusedThenAccepted{kEndButtons[2], kEndButtons[1]},  // SUMMARY, NEXT
                    RefusedThenAccepted{kEndButtons[0], kEndButtons[1]},  // BACK, NEXT
                    RefusedThenAccepted{kEndButtons[2], kEndButtons[0]},  // SUMMARY, BACK
                    RefusedThenAccepted{kEndButtons[1], kEndButtons[0]}), // NEXT, BACK
    [](const testing::TestParamInfo<RefusedThenAccepted>& info) {
        return std::string(info.param.refused.name) + "Then" + info.param.accepted.name;
    });

TEST(TaloDialog, SamplingDesignScreensTitleTheirBoxTalo)
{
    CScriptedSeams seams;
    CDesignValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    seams.scripts.push_back([](QDialog& d) {
        Button(d, "okButton").click();
        d.done(kEndCancel);
    });

    seams.RunModal(dialog);
    ExpectOneValidationBox(seams, &dialog, "TALO");
}

// Keys that run the OK processing without an end flag, and where they land.
struct OkKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* target; // objectName, or nullptr for the screen itself
};

const OkKey kOkKeys[] = {
    {"ReturnOnScreen", Qt::Key_Return, Qt::NoModifier, nullptr},
    {"ReturnInField", Qt::Key_Return, Qt::NoModifier, "valueEdit"},
    {"KeypadEnterInField", Qt::Key_Enter, Qt::KeypadModifier, "valueEdit"},
    {"ReturnOnFocusedNext", Qt::Key_Return, Qt::NoModifier, "nextButton"},
    {"EscapeThatChecks", Qt::Key_Escape, Qt::NoModifier, nullptr},
};

void PressKey(QWidget& dialog, const OkKey& key)
{
    QWidget* target = key.target ? &Child<QWidget>(dialog, key.target) : &dialog;
    target->setFocus();
    QTest::keyClick(target, key.key, key.modifiers);
}

class OkKeyTest : public testing::TestWithParam<OkKey> {};

TEST_P(OkKeyTest, ClosesWithoutFlagWhenTheChecksPass)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::RunChecks, CloseBox::TerminatePrompt);
    seams.scripts.push_back([](QDialog& d) {
        Retype(d, "12abc");
        PressKey(d, GetParam());
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(FlagCount(dialog), 0);
    EXPECT_EQ(dialog.m_strValue, "12abc");
    EXPECT_TRUE(seams.shown.empty());
}

TEST_P(OkKeyTest, StaysOpenWhenACheckFails)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::RunChecks, CloseBox::TerminatePrompt);
    seams.scripts.push_back([](QDialog& d) {
        Retype(d, "-3");
        PressKey(d, GetParam());
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(ValueEdit(d).text(), QStringLiteral("-3"));
    });

    EXPECT_EQ(seams.RunModal(dialog), 0);
    ExpectOneValidationBox(seams, &dialog);
    EXPECT_EQ(FlagCount(dialog), 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, OkKeyTest, testing::ValuesIn(kOkKeys),
                         [](const testing::TestParamInfo<OkKey>& info) {
                             return std::string(info.param.name);
                         });

TEST(TaloDialog, EscapeThatClosesAtOnceKeepsTheMembersAsFilled)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    dialog.m_strValue = "7";
    seams.scripts.push_back([](QDialog& d) {
        EXPECT_EQ(ValueEdit(d).text(), QStringLiteral("7")); // loaded on opening
        Retype(d, "-1");
        QTest::keyClick(&d, Qt::Key_Escape);
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndCancel);
    EXPECT_EQ(dialog.m_strValue, "7");
    EXPECT_EQ(FlagCount(dialog), 0);
    EXPECT_TRUE(seams.shown.empty());
}

struct TerminateAnswer {
    const char* name;
    int answer;
    std::vector<int> endStatuses;
};

class TerminatePromptTest : public testing::TestWithParam<TerminateAnswer> {};

TEST_P(TerminatePromptTest, CloseBoxAsksAndEndsOnlyOnOk)
{
    CScriptedSeams seams;
    seams.answers.push_back(GetParam().answer);
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    dialog.m_strValue = "5";
    seams.scripts.push_back([](QDialog& d) {
        Retype(d, "-8");
        d.close();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(ValueEdit(d).text(), QStringLiteral("-8"));
    });

    EXPECT_EQ(seams.RunModal(dialog), 0);
    EXPECT_EQ(seams.endStatuses, GetParam().endStatuses);
    EXPECT_EQ(dialog.m_strValue, "5");
    EXPECT_EQ(FlagCount(dialog), 0);
    ASSERT_EQ(seams.shown.size(), 1u);
    const CScriptedSeams::Shown& box = seams.shown.front();
    EXPECT_EQ(box.owner, &dialog);
    EXPECT_EQ(box.title, QStringLiteral("TALO"));
    EXPECT_EQ(box.text, QString::fromLatin1(kTerminateText));
    EXPECT_EQ(box.icon, MessageIcon::None);
    EXPECT_EQ(box.buttons, MessageButtons::OkCancel);
}

INSTANTIATE_TEST_SUITE_P(Answers, TerminatePromptTest,
                         testing::Values(TerminateAnswer{"Cancel", kAnswerCancel, {}},
                                         TerminateAnswer{"Ok", kAnswerOk, {1}}),
                         [](const testing::TestParamInfo<TerminateAnswer>& info) {
                             return std::string(info.param.name);
                         });

TEST(TaloDialog, CloseBoxActingAsEscapeRunsTheEscapeBehaviour)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::RunChecks, CloseBox::ActsAsEscape);
    seams.scripts.push_back([](QDialog& d) {
        Retype(d, "0");
        d.close(); // refused by the checks
        EXPECT_TRUE(d.isVisible());
        Retype(d, "3");
        d.close();
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(seams.shown.size(), 1u);
    EXPECT_EQ(dialog.m_strValue, "3");
    EXPECT_TRUE(seams.endStatuses.empty());
}

struct CentreCase {
    int x, y, width, height;
    int left, top;
};

class CentredTopLeftTest : public testing::TestWithParam<CentreCase> {};

TEST_P(CentredTopLeftTest, HalvesTruncatedAndClampedAtZero)
{
    const CentreCase& c = GetParam();
    EXPECT_EQ(CentredTopLeft(c.x, c.y, c.width, c.height), QPoint(c.left, c.top));
}

INSTANTIATE_TEST_SUITE_P(Table, CentredTopLeftTest,
                         testing::Values(CentreCase{320, 240, 300, 200, 170, 140},
                                         CentreCase{320, 240, 201, 101, 220, 190},
                                         CentreCase{10, 10, 300, 200, 0, 0},
                                         CentreCase{150, 30, 300, 200, 0, 0},
                                         CentreCase{400, 30, 300, 50, 250, 5},
                                         CentreCase{-5, -5, 0, 0, 0, 0}));

class PlacementTest : public testing::TestWithParam<QPoint> {};

TEST_P(PlacementTest, OpensCentredOnTheGivenPointWithoutResizing)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    dialog.setFixedSize(300, 200);
    dialog.SetCentre(GetParam().x(), GetParam().y());
    QPoint position;
    QSize size;
    seams.scripts.push_back([&](QDialog& d) {
        position = d.pos();
        size = d.size();
    });

    seams.RunModal(dialog);
    EXPECT_EQ(size, QSize(300, 200));
    EXPECT_EQ(position, CentredTopLeft(GetParam().x(), GetParam().y(), 300, 200));
}

INSTANTIATE_TEST_SUITE_P(Centres, PlacementTest,
                         testing::Values(QPoint(320, 240), QPoint(10, 10), QPoint(500, 90)));

TEST(TaloDialog, EachShowingIsCentredOnTheCentreGivenForIt)
{
    CScriptedSeams seams;
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    std::vector<QRect> seen; // frame position with the laid-out size
    const CScriptedSeams::Script record = [&seen](QDialog& d) {
        seen.push_back(QRect(d.pos(), d.size()));
    };
    seams.scripts = {record, record};

    dialog.SetCentre(320, 240);
    seams.RunModal(dialog);
    dialog.SetCentre(10, 10);
    seams.RunModal(dialog);

    ASSERT_EQ(seen.size(), 2u);
    const QSize size = seen[0].size();
    EXPECT_EQ(seen[0].topLeft(), QPoint(320 - size.width() / 2, 240 - size.height() / 2));
    EXPECT_EQ(seen[1], QRect(QPoint(0, 0), size));
}

// Parameter selection.

struct SelectionCase {
    int parameter;
    int populations;
    int code;
};

class ParameterCodeTest : public testing::TestWithParam<SelectionCase> {};

TEST_P(ParameterCodeTest, MapsTheTwoIndices)
{
    EXPECT_EQ(ParameterCodeFromSelection(GetParam().parameter, GetParam().populations),
              GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Table, ParameterCodeTest,
                         testing::Values(SelectionCase{0, 0, 0}, SelectionCase{1, 0, 1},
                                         SelectionCase{0, 1, 2}, SelectionCase{1, 1, 3},
                                         // any non-zero index counts as the second button
                                         SelectionCase{-1, 0, 1}, SelectionCase{2, 0, 1},
                                         SelectionCase{0, -1, 2}, SelectionCase{5, 7, 3}));

const char* const kSelectionRadios[] = {"meanRadio", "proportionRadio", "onePopulationRadio",
                                        "twoPopulationsRadio"};

struct RadioCase {
    int parameter;
    int populations;
    bool checked[4]; // in the order of kSelectionRadios
};

class SelectionRadioTest : public testing::TestWithParam<RadioCase> {};

TEST_P(SelectionRadioTest, RadiosShowTheMembersAndNextReturnsWhatIsChecked)
{
    CScriptedSeams seams;
    CParameterSelectionDlg dialog;
    dialog.m_nParameter = GetParam().parameter;
    dialog.m_nPopulations = GetParam().populations;
    seams.scripts.push_back([](QDialog& d) {
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Child<QRadioButton>(d, kSelectionRadios[i]).isChecked(),
                      GetParam().checked[i])
                << kSelectionRadios[i];
        Button(d, "nextButton").click();
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(dialog.m_bNext, 1);
    EXPECT_EQ(dialog.m_nParameter, GetParam().parameter);
    EXPECT_EQ(dialog.m_nPopulations, GetParam().populations);
}

INSTANTIATE_TEST_SUITE_P(Members, SelectionRadioTest,
                         testing::Values(RadioCase{-1, 0, {false, false, true, false}},
                                         RadioCase{0, 0, {true, false, true, false}},
                                         RadioCase{1, 0, {false, true, true, false}},
                                         RadioCase{0, 1, {true, false, false, true}},
                                         RadioCase{1, 1, {false, true, false, true}},
                                         RadioCase{-1, -1, {false, false, false, false}}));

struct ClickCase {
    const char* parameterRadio;
    const char* populationsRadio;
    int code;
};

class SelectionClickTest : public testing::TestWithParam<ClickCase> {};

TEST_P(SelectionClickTest, ClickedChoiceGivesTheParameterCode)
{
    CScriptedSeams seams;
    CParameterSelectionDlg dialog;
    dialog.m_nParameter = 0; // as the wizard starts it
    seams.scripts.push_back([](QDialog& d) {
        QTest::mouseClick(&Child<QRadioButton>(d, GetParam().parameterRadio), Qt::LeftButton);
        QTest::mouseClick(&Child<QRadioButton>(d, GetParam().populationsRadio), Qt::LeftButton);
        Button(d, "nextButton").click();
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(dialog.m_bNext, 1);
    EXPECT_EQ(ParameterCodeFromSelection(dialog.m_nParameter, dialog.m_nPopulations),
              GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Choices, SelectionClickTest,
                         testing::Values(ClickCase{"meanRadio", "onePopulationRadio", 0},
                                         ClickCase{"proportionRadio", "onePopulationRadio", 1},
                                         ClickCase{"meanRadio", "twoPopulationsRadio", 2},
                                         ClickCase{"proportionRadio", "twoPopulationsRadio", 3}));

TEST(ParameterSelection, StartsWithNoParameterAndOnePopulation)
{
    CParameterSelectionDlg dialog;
    EXPECT_EQ(dialog.m_nParameter, -1);
    EXPECT_EQ(dialog.m_nPopulations, 0);
    EXPECT_EQ(dialog.m_bNext, 0);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TALO - Parameter Selection"));
    EXPECT_EQ(Button(dialog, "nextButton").text(), QStringLiteral("NEXT >>"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("backButton")), nullptr);
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("summaryButton")), nullptr);
    const char* const captions[] = {"Population Mean", "Population Proportion", "One Population",
                                    "Two Populations"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Child<QRadioButton>(dialog, kSelectionRadios[i]).text(),
                  QString::fromLatin1(captions[i]));
    EXPECT_EQ(Child<QRadioButton>(dialog, "meanRadio").parentWidget()->property("title"),
              QStringLiteral("Select the Parameter of Interest"));
    EXPECT_EQ(Child<QRadioButton>(dialog, "twoPopulationsRadio").parentWidget()->property("title"),
              QStringLiteral("Select Number of Populations"));
    EXPECT_EQ(Child<QLabel>(dialog, "noteLabel").text(),
              QStringLiteral("The parameter of interest should have been identified in Step 5, "
                             "Develop a Decision Rule, of the DQO Process."));
}

TEST(ParameterSelection, EscapeClosesWithoutFlagAndWithoutTheClickedChoice)
{
    CScriptedSeams seams;
    CParameterSelectionDlg dialog;
    dialog.m_nParameter = 0;
    seams.scripts.push_back([](QDialog& d) {
        Child<QRadioButton>(d, "proportionRadio").click();
        Child<QRadioButton>(d, "twoPopulationsRadio").click();
        QTest::keyClick(&d, Qt::Key_Escape);
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndCancel);
    EXPECT_EQ(dialog.m_bNext, 0);
    EXPECT_EQ(dialog.m_nParameter, 0);
    EXPECT_EQ(dialog.m_nPopulations, 0);
}

TEST(ParameterSelection, ShownAgainWithTheSelectionLastMade)
{
    CScriptedSeams seams;
    CParameterSelectionDlg dialog;
    dialog.m_nParameter = 0;
    seams.scripts.push_back([](QDialog& d) {
        Child<QRadioButton>(d, "proportionRadio").click();
        QTest::keyClick(&d, Qt::Key_Return); // closes, no flag
    });
    seams.scripts.push_back([](QDialog& d) {
        EXPECT_TRUE(Child<QRadioButton>(d, "proportionRadio").isChecked());
        EXPECT_TRUE(Child<QRadioButton>(d, "onePopulationRadio").isChecked());
        Child<QRadioButton>(d, "twoPopulationsRadio").click();
        Button(d, "nextButton").click();
    });

    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(dialog.m_bNext, 0);
    EXPECT_EQ(dialog.m_nParameter, 1);
    EXPECT_EQ(seams.RunModal(dialog), kEndOk);
    EXPECT_EQ(dialog.m_bNext, 1);
    EXPECT_EQ(ParameterCodeFromSelection(dialog.m_nParameter, dialog.m_nPopulations),
              kTwoProportion);
}

// How each of the three screens ends, by the way it is closed.

enum class Way { OkButton, YesButton, NoButton, NextButton, Enter, Escape, CloseBox };

void Close(QDialog& dialog, Way way)
{
    switch (way) {
    case Way::OkButton:
        Button(dialog, "okButton").click();
        break;
    case Way::YesButton:
        Button(dialog, "yesButton").click();
        break;
    case Way::NoButton:
        Button(dialog, "noButton").click();
        break;
    case Way::NextButton:
        Button(dialog, "nextButton").click();
        break;
    case Way::Enter:
        QTest::keyClick(&dialog, Qt::Key_Return);
        break;
    case Way::Escape:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    case Way::CloseBox:
        dialog.close();
        break;
    }
}

struct EndingCase {
    const char* name;
    std::function<std::unique_ptr<CTaloDialog>()> make;
    Way way;
    int endCode; // 0: still open
    bool terminatePrompt;
};

template <typename Dialog> std::unique_ptr<CTaloDialog> Make()
{
    return std::make_unique<Dialog>();
}

const EndingCase kEndings[] = {
    {"IntroOk", Make<CIntroDlg>, Way::OkButton, kEndOk, false},
    {"IntroEnter", Make<CIntroDlg>, Way::Enter, kEndOk, false},
    {"IntroEscape", Make<CIntroDlg>, Way::Escape, kEndOk, false},
    {"IntroCloseBox", Make<CIntroDlg>, Way::CloseBox, kEndOk, false},
    {"NewAnalysisYes", Make<CNewAnalysisDlg>, Way::YesButton, kEndOk, false},
    {"NewAnalysisEnter", Make<CNewAnalysisDlg>, Way::Enter, kEndOk, false},
    {"NewAnalysisNo", Make<CNewAnalysisDlg>, Way::NoButton, kEndCancel, false},
    {"NewAnalysisEscape", Make<CNewAnalysisDlg>, Way::Escape, kEndCancel, false},
    {"NewAnalysisCloseBox", Make<CNewAnalysisDlg>, Way::CloseBox, kEndCancel, false},
    {"SelectionNext", Make<CParameterSelectionDlg>, Way::NextButton, kEndOk, false},
    {"SelectionEnter", Make<CParameterSelectionDlg>, Way::Enter, kEndOk, false},
    {"SelectionEscape", Make<CParameterSelectionDlg>, Way::Escape, kEndCancel, false},
    {"SelectionCloseBox", Make<CParameterSelectionDlg>, Way::CloseBox, 0, true},
};

class EndingTest : public testing::TestWithParam<EndingCase> {};

TEST_P(EndingTest, EndsAsTheScreenPrescribes)
{
    CScriptedSeams seams;
    seams.answers.push_back(kAnswerCancel);
    std::unique_ptr<CTaloDialog> dialog = GetParam().make();
    bool open = false;
    seams.scripts.push_back([&open](QDialog& d) {
        Close(d, GetParam().way);
        open = d.isVisible();
    });

    EXPECT_EQ(seams.RunModal(*dialog), GetParam().endCode);
    EXPECT_EQ(open, GetParam().endCode == 0);
    EXPECT_EQ(seams.shown.size(), GetParam().terminatePrompt ? 1u : 0u);
    if (GetParam().terminatePrompt) {
        EXPECT_EQ(seams.shown.front().text, QString::fromLatin1(kTerminateText));
    }
    EXPECT_TRUE(seams.endStatuses.empty());
}

INSTANTIATE_TEST_SUITE_P(Screens, EndingTest, testing::ValuesIn(kEndings),
                         [](const testing::TestParamInfo<EndingCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(NewAnalysis, AsksTheQuestion)
{
    CNewAnalysisDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TALO"));
    EXPECT_EQ(Child<QLabel>(dialog, "questionLabel").text(),
              QStringLiteral("Start a new DQO analysis?"));
    EXPECT_EQ(Button(dialog, "yesButton").text(), QStringLiteral("Yes"));
    EXPECT_EQ(Button(dialog, "noButton").text(), QStringLiteral("No"));
    EXPECT_TRUE(Button(dialog, "yesButton").isDefault());
}

TEST(Intro, ShowsIconHeadingAndTheThreeParagraphs)
{
    const char* const paragraphs[] = {
        "     TALO is a systematic planning tool to evaluate the feasibility of a project's Data "
        "Quality Objectives based on cost and sample size. It computes sample sizes for several "
        "basic data collection designs from the outputs of the DQO process, so that the user can "
        "make an initial judgement about the feasibility of the decision error limits before a "
        "statistician, or analyst familiar with statistical design, begins to optimize the "
        "actual data collection design.",
        "     TALO assumes that the decision has been framed as a hypothesis test that will use "
        "the data to draw conclusions with a level of statistical confidence chosen when the "
        "DQOs were specified. It handles both one- and two-population hypothesis tests. For the "
        "one-population cases it assumes that the action level is a fixed and known quantity "
        "and that there is one infinite (or extremely large) population; for the two-population "
        "cases it assumes that both populations are large and that the variability of each is "
        "approximately equal.",
        "     The software does not take into account many technical considerations that arise "
        "in the design of environmental sampling plans and therefore should not be used to "
        "develop the optimal data collection design; the sample sizes computed by TALO are for "
        "comparison purposes only, not the actual number of samples to be collected.",
    };
    CIntroDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TALO"));
    EXPECT_FALSE(Child<QLabel>(dialog, "iconLabel").pixmap().isNull());
    EXPECT_TRUE(Child<QLabel>(dialog, "headingLabel").text().startsWith(QStringLiteral("DQO")));
    for (int i = 0; i < 3; ++i) {
        const std::string name = "paragraph" + std::to_string(i + 1) + "Label";
        EXPECT_EQ(Child<QLabel>(dialog, name.c_str()).text(), QString::fromLatin1(paragraphs[i]));
    }
    EXPECT_TRUE(Button(dialog, "okButton").isDefault());
}

// The real modal loop and message boxes, without scripted seams.

// Ends every dialog still open, so that a broken test fails instead of hanging.
void ArmWatchdog(QObject* context)
{
    QTimer::singleShot(10000, context, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
                dialog->done(0);
    });
}

TEST(RealModalLoop, NoButtonEndsExecWithCancel)
{
    CNewAnalysisDlg dialog;
    ArmWatchdog(&dialog);
    QTimer::singleShot(0, &dialog, [&dialog] { Button(dialog, "noButton").click(); });

    EXPECT_EQ(CPlatformSeams::Current().RunModal(dialog), kEndCancel);
}

TEST(RealModalLoop, RefusedNextShowsAWarningBoxThenNextEndsExec)
{
    CValueDlg dialog(EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt);
    ArmWatchdog(&dialog);
    QString boxTitle;
    QString boxText;
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    QWidget* boxOwner = nullptr;
    const auto answerBoxThenRetry = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxTitle = box->windowTitle();
        boxText = box->text();
        boxIcon = box->icon();
        boxOwner = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
        QTimer::singleShot(0, &dialog, [&dialog] {
            Retype(dialog, "9");
            Button(dialog, "nextButton").click();
        });
    };
    QTimer::singleShot(0, &dialog, [&] {
        Retype(dialog, "0");
        QTimer::singleShot(0, &dialog, answerBoxThenRetry);
        Button(dialog, "nextButton").click(); // returns once the box is answered
    });

    EXPECT_EQ(CPlatformSeams::Current().RunModal(dialog), kEndOk);
    EXPECT_EQ(boxTitle, QStringLiteral("TALO - Input Validation Error"));
    EXPECT_EQ(boxText, QString::fromLatin1(kCheckMessage));
    EXPECT_EQ(boxIcon, QMessageBox::Warning);
    EXPECT_EQ(boxOwner, &dialog);
    EXPECT_EQ(dialog.m_bNext, 1);
    EXPECT_EQ(dialog.m_strValue, "9");
}

} // namespace

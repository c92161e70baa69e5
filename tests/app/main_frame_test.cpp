#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "app/about_dlg.h"
#include "app/help_window.h"
#include "app/support_dlg.h"
#include "app/talo_app.h"
#include "doc/talo_doc.h"
#include "graph/talo_view.h"
#include "screens/intro_dlg.h"
#include "tests/support/records.h"
#include "tests/support/scripted_seams.h"

namespace {

QStringList Captions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << action->text();
    return captions;
}

// What a modal box held when the script closed it.
struct BoxContents {
    QString title;
    QStringList texts;
    bool hasIcon = false;
};

CScriptedSeams::Script ReadAndClose(BoxContents& contents)
{
    return [&contents](QDialog& dialog) {
        contents.title = dialog.windowTitle();
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull())
                contents.hasIcon = true;
            else
                contents.texts << label->text();
        }
        dialog.done(QDialog::Accepted);
    };
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_frame));
    }

    QAction* Action(const char* name) { return m_frame.findChild<QAction*>(name); }

    void EnterStartingAnalysis()
    {
        m_doc.m_dqoOriginal = StartingRecord(kOneMean);
        m_doc.CopyOriginalToCurrent();
        m_doc.ComputeResults();
    }

    CScriptedSeams m_seams;
    CTaloDoc m_doc;
    CMainFrame m_frame{m_doc};
};

TEST_F(MainFrameTest, MenuBarHoldsTheCommandsInOrder)
{
    EXPECT_EQ(Captions(m_frame.menuBar()->actions()),
              QStringList({"&DQO Summary", "&Copy Graph", "&Print Graph", "&Save Graph", "&Help",
                           "E&xit"}));
    const auto* help = m_frame.findChild<QMenu*>("helpMenu");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(Captions(help->actions()), QStringList({"&Contents", "&Support", "&About TALO"}));
    EXPECT_EQ(m_frame.windowTitle(), QStringLiteral("Talo for Windows"));
}

struct PromptCase {
    const char* action;
    const char* prompt;
};

class MenuPrompts : public MainFrameTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(MenuPrompts, StatusBarShowsThePromptOfTheCommand)
{
    QAction* action = Action(GetParam().action);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->statusTip(), QString::fromLatin1(GetParam().prompt));

    action->showStatusText(&m_frame);

    EXPECT_EQ(m_frame.statusBar()->currentMessage(), QString::fromLatin1(GetParam().prompt));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MenuPrompts,
    ::testing::ValuesIn(std::vector<PromptCase>{
        {"dqoSummaryAction", "Bring up the interactive DQO summary screen"},
        {"copyGraphAction", "Copy the Estimated Performance Curve to the Windows clipboard"},
        {"printGraphAction", ""},
        {"saveGraphAction", ""},
        {"helpContentsAction", ""},
        {"supportAction", ""},
        {"aboutAction", "Display program information (see Readme file for help)"},
        {"exitAction", ""},
    }));

TEST_F(MainFrameTest, StatusBarHasTheIdlePromptAndThreeIndicators)
{
    QStringList texts;
    for (const char* name : {"idlePrompt", "capIndicator", "numIndicator", "scrlIndicator"}) {
        const auto* label = m_frame.statusBar()->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        texts << label->text();
    }
    EXPECT_EQ(texts, QStringList({"Ready", "CAP", "NUM", "SCRL"}));
}

TEST_F(MainFrameTest, BothCopyKeysCopyTheGraph)
{
    EnterStartingAnalysis();
    m_frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frame));

    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}) {
        QGuiApplication::clipboard()->clear();
        QTest::keySequence(&m_frame, keys);
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), m_frame.View().size())
            << keys.toString().toStdString();
    }
}

TEST_F(MainFrameTest, DqoSummaryShowsTheLastAnalysisOnlyOnceThereIsOne)
{
    QSignalSpy updates(&m_doc, &CTaloDoc::ViewsUpdated);

    Action("dqoSummaryAction")->trigger();
    EXPECT_EQ(updates.count(), 0);

    EnterStartingAnalysis();
    Action("dqoSummaryAction")->trigger();
    EXPECT_EQ(updates.count(), 2);
    EXPECT_EQ(m_doc.m_dqoCurrent.nSamples, 13);
}

// The two ways to leave the program from the main window.
enum class Leave { ExitCommand, CloseBox };

struct TerminateCase {
    Leave leave;
    int answer;
    std::vector<int> endStatuses;
};

class Terminate : public MainFrameTest, public ::testing::WithParamInterface<TerminateCase> {};

TEST_P(Terminate, AsksOnceAndEndsWithStatusOneOnlyOnOk)
{
    m_seams.answers = {GetParam().answer};

    if (GetParam().leave == Leave::ExitCommand)
        Action("exitAction")->trigger();
    else
        EXPECT_FALSE(m_frame.close());

    ASSERT_EQ(m_seams.shown.size(), 1u);
    EXPECT_EQ(m_seams.shown[0].title, QStringLiteral("TALO"));
    EXPECT_EQ(m_seams.shown[0].text, QStringLiteral("Terminate DQO analysis?"));
    EXPECT_EQ(m_seams.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(m_seams.shown[0].owner, &m_frame);
    EXPECT_EQ(m_seams.endStatuses, GetParam().endStatuses);
    EXPECT_TRUE(m_frame.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Answers, Terminate,
                         ::testing::ValuesIn(std::vector<TerminateCase>{
                             {Leave::ExitCommand, kAnswerCancel, {}},
                             {Leave::ExitCommand, kAnswerOk, {1}},
                             {Leave::CloseBox, kAnswerCancel, {}},
                             {Leave::CloseBox, kAnswerOk, {1}},
                         }));

struct BoxCase {
    const char* action;
    const char* title;
    std::vector<const char*> texts;
};

class InformationBoxes : public MainFrameTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(InformationBoxes, ShowTheirTitleIconAndTexts)
{
    BoxContents contents;
    m_seams.scripts = {ReadAndClose(contents)};

    Action(GetParam().action)->trigger();

    EXPECT_EQ(m_seams.modalRuns, 1);
    EXPECT_EQ(contents.title, QString::fromLatin1(GetParam().title));
    EXPECT_TRUE(contents.hasIcon);
    for (const char* text : GetParam().texts)
        EXPECT_TRUE(contents.texts.contains(QString::fromLatin1(text)))
            << text << " in " << contents.texts.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    HelpMenu, InformationBoxes,
    ::testing::ValuesIn(std::vector<BoxCase>{
        {"aboutAction", "About TALO", {"TALO for Windows Version 1.0   September 2001"}},
        {"supportAction",
         "TALO Support",
         {"Questions regarding this software may be directed by E-mail to:",
          "talo-support@example.org"}},
    }));

TEST_F(MainFrameTest, HelpContentsOpensTheHelpText)
{
    Action("helpContentsAction")->trigger();

    const auto* help = m_frame.findChild<CHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const auto* browser = help->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    const QString text = browser->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Design/DQO Summary")));
    EXPECT_TRUE(text.contains(QStringLiteral("Terminate DQO analysis?")));

    // A second request shows the same window again.
    Action("helpContentsAction")->trigger();
    EXPECT_EQ(m_frame.findChildren<CHelpWindow*>().size(), 1);
}

TEST(TaloStartUp, ShowsThePlacedMainWindowAndTheIntroductionOnce)
{
    CScriptedSeams seams;
    QString introTitle;
    QPoint introCentre;
    seams.scripts = {[&](QDialog& dialog) {
        introTitle = dialog.windowTitle();
        introCentre = dialog.frameGeometry().center();
        EXPECT_NE(dynamic_cast<CIntroDlg*>(&dialog), nullptr);
        dialog.done(QDialog::Accepted);
    }};
    CTaloApp talo;

    talo.InitInstance();

    EXPECT_EQ(seams.modalRuns, 1);
    EXPECT_EQ(introTitle, QStringLiteral("TALO"));
    CMainFrame& frame = talo.MainFrame();
    EXPECT_TRUE(frame.isVisible());
    const QSize desktop = frame.screen()->geometry().size();
    EXPECT_EQ(frame.frameGeometry(), InitialFrameRect(desktop));
    EXPECT_EQ(talo.Document().m_nCentreX, desktop.width() / 2);
    EXPECT_EQ(talo.Document().m_nCentreY, desktop.height() / 2);
    EXPECT_LE((introCentre - QPoint(desktop.width() / 2, desktop.height() / 2)).manhattanLength(),
              2);
    EXPECT_EQ(talo.Document().IsResultsReady(), 0);
    EXPECT_TRUE(seams.shown.empty());
}

TEST(TaloStartUp, DialogsAndMessageBoxesAreLightGrayWithBlackText)
{
    SetDialogColours();
    CAboutDlg about;
    QMessageBox box;
    CTaloDoc doc;
    CMainFrame frame(doc);

    for (QWidget* dialog : {static_cast<QWidget*>(&about), static_cast<QWidget*>(&box)}) {
        // Class palettes take effect when a widget is polished for showing.
        dialog->ensurePolished();
        EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(192, 192, 192));
        EXPECT_EQ(dialog->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }
    frame.ensurePolished();
    EXPECT_NE(frame.palette().color(QPalette::Window), QColor(192, 192, 192))
        << "only dialogs and message boxes";
}

} // namespace

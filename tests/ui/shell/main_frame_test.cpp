#include "ui/shell/main_frame.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/scripted_seams.h"
#include "ui/graph/talo_view.h"
#include "ui/talo_doc.h"

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_frame));
    }

    QAction& Action(const char* name)
    {
        if (auto* action = m_frame.findChild<QAction*>(name))
            return *action;
        throw std::runtime_error(std::string("no action named ") + name);
    }

    CScriptedSeams m_seams;
    CTaloDoc m_doc;
    CMainFrame m_frame{m_doc};
};

TEST_F(MainFrameTest, TheGraphKeepsALegibleSize)
{
    m_frame.resize(100, 80);
    const QSize graph = m_frame.View().size();
    EXPECT_GE(graph.width(), 480);
    EXPECT_GE(graph.height(), 360);
}

TEST_F(MainFrameTest, PreviewAboutAndSupportRunTheirScreens)
{
    const std::pair<const char*, const char*> commands[] = {
        {"printPreviewAction", "QPrintPreviewDialog"},
        {"aboutAction", "CAboutDlg"},
        {"supportAction", "CSupportDlg"}};
    for (const auto& [action, screen] : commands) {
        QString shown;
        m_seams.scripts = {[&shown](QDialog& dialog) { shown = dialog.metaObject()->className(); }};
        Action(action).trigger();
        EXPECT_EQ(shown, QString::fromLatin1(screen)) << action;
    }
}

TEST_F(MainFrameTest, BothCopyKeysCopyTheGraph)
{
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

TEST_F(MainFrameTest, ExitAndCloseAskOnceAndEndWithStatusOneOnlyOnOk)
{
    for (const bool exitCommand : {true, false}) {
        for (const int answer : {kAnswerCancel, kAnswerOk}) {
            SCOPED_TRACE(testing::Message() << "exit " << exitCommand << ", answer " << answer);
            m_seams.shown.clear(), m_seams.endStatuses.clear();
            m_seams.answers = {answer};

            if (exitCommand)
                Action("exitAction").trigger();
            else
                EXPECT_FALSE(m_frame.close());

            // The prompt's text is the screens' (the dialog tests).
            ASSERT_EQ(m_seams.shown.size(), 1u);
            EXPECT_EQ(m_seams.shown[0].text, QStringLiteral("Terminate DQO analysis?"));
            EXPECT_EQ(std::make_pair(m_seams.shown[0].owner, m_seams.shown[0].buttons),
                      std::make_pair(static_cast<QWidget*>(&m_frame), MessageButtons::OkCancel));
            EXPECT_EQ(m_seams.endStatuses,
                      answer == kAnswerOk ? std::vector{1} : std::vector<int>{});
        }
    }
}

} // namespace

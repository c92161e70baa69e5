#include "ui/shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

#include "tests/support/screen_controls.h"
#include "ui/graph/bitmap_writer.h"
#include "ui/graph/graph.h"
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

    CScriptedSeams m_seams;
    CTaloDoc m_doc;
    CMainFrame m_frame{m_doc};
};

TEST_F(MainFrameTest, TheGraphKeepsALegibleSize)
{
    m_frame.resize(100, 80);
    EXPECT_EQ(m_frame.View().size().expandedTo(QSize(480, 360)), m_frame.View().size());
}

TEST_F(MainFrameTest, PreviewAboutAndSupportRunTheirScreens)
{
    for (const auto& [action, screen] :
         {std::pair{"printPreviewAction", "QPrintPreviewDialog"},
          std::pair{"aboutAction", "CAboutDlg"}, std::pair{"supportAction", "CSupportDlg"}}) {
        QString shown;
        m_seams.scripts = {[&shown](QDialog& dialog) { shown = dialog.metaObject()->className(); }};
        Child<QAction>(m_frame, action).trigger();
        EXPECT_EQ(shown, screen) << action;
    }
}

// The menu command and both keys put the one-bit picture of the graph on
// the clipboard.
TEST_F(MainFrameTest, CopyGraphAndBothCopyKeysCopyTheOneBitPicture)
{
    CGraph graph = CGraph::PerformanceCurve();
    const QImage mono = RenderGraphMonochrome(graph, nullptr, m_frame.View().size());
    m_frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frame));
    for (const QKeySequence& keys : {QKeySequence(), QKeySequence(Qt::CTRL | Qt::Key_C),
                                     QKeySequence(Qt::CTRL | Qt::Key_Insert)}) {
        QGuiApplication::clipboard()->clear();
        if (keys.isEmpty())
            Child<QAction>(m_frame, "copyGraphAction").trigger();
        else
            QTest::keySequence(&m_frame, keys);
        EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                  mono.convertToFormat(QImage::Format_RGB32))
            << keys.toString().toStdString();
    }
}

// The prompt and its answers are the screens' close box's (the dialog
// tests); here both ways reach it, over the frame, and the frame stays.
TEST_F(MainFrameTest, ExitAndCloseAskToTerminate)
{
    for (const bool exitCommand : {true, false}) {
        m_seams.shown.clear(), m_seams.endStatuses.clear();
        if (exitCommand)
            Child<QAction>(m_frame, "exitAction").trigger();
        else
            EXPECT_FALSE(m_frame.close());
        ASSERT_EQ(m_seams.shown.size(), 1u) << exitCommand;
        EXPECT_EQ(m_seams.shown[0].owner, &m_frame);
        EXPECT_EQ(m_seams.endStatuses, std::vector{1}) << exitCommand;
    }
}

// Before any analysis the summary command has nothing to show and says so.
TEST_F(MainFrameTest, SummaryCommandWithoutAnAnalysis)
{
    Child<QAction>(m_frame, "dqoSummaryAction").trigger();
    EXPECT_TRUE(m_seams.shown.empty());
    EXPECT_FALSE(m_frame.statusBar()->currentMessage().isEmpty());
}

// "No" to a new analysis may come before the event loop runs (the start-up
// analysis): the loop still ends with the status as soon as it starts.
TEST(ProgramEnd, OutsideAScreenTheEventLoopEndsWithTheStatus)
{
    CPlatformSeams::Current().EndProcess(3);
    QObject scope; // a failure instead of a hang, and nothing left for later tests
    QTimer::singleShot(5000, &scope, [] { QCoreApplication::exit(-1); });
    EXPECT_EQ(QApplication::exec(), 3);
}

} // namespace

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

// The graph keeps a legible size; the menu command and both keys put its
// one-bit picture on the clipboard. Before any analysis the summary command
// has nothing to show and says so. The terminate prompt and its answers are
// the screens' close box's (the dialog tests); here both ways reach it, over
// the frame, and the frame stays.
TEST(MainFrameTest, CopySummaryExitAndClose)
{
    CScriptedSeams seams;
    CTaloDoc doc;
    CMainFrame frame(doc);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.resize(100, 80);
    EXPECT_EQ(frame.View().size().expandedTo(QSize(480, 360)), frame.View().size());
    CGraph graph = CGraph::PerformanceCurve();
    const QImage mono = RenderGraphMonochrome(graph, nullptr, frame.View().size());
    for (const QKeySequence& keys : {QKeySequence(), QKeySequence(Qt::CTRL | Qt::Key_C),
                                     QKeySequence(Qt::CTRL | Qt::Key_Insert)}) {
        QGuiApplication::clipboard()->clear();
        if (keys.isEmpty())
            Child<QAction>(frame, "copyGraphAction").trigger();
        else
            QTest::keySequence(&frame, keys);
        EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                  mono.convertToFormat(QImage::Format_RGB32))
            << keys.toString().toStdString();
    }
    Child<QAction>(frame, "dqoSummaryAction").trigger();
    EXPECT_TRUE(seams.shown.empty());
    EXPECT_FALSE(frame.statusBar()->currentMessage().isEmpty());
    for (const bool exitCommand : {true, false}) {
        seams.shown.clear(), seams.endStatuses.clear();
        if (exitCommand)
            Child<QAction>(frame, "exitAction").trigger();
        else
            EXPECT_FALSE(frame.close());
        ASSERT_EQ(seams.shown.size(), 1u) << exitCommand;
        EXPECT_EQ(seams.shown[0].owner, &frame);
        EXPECT_EQ(seams.endStatuses, std::vector{1}) << exitCommand;
    }
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

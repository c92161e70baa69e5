#include "ui/shell/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "ui/graph/graph.h"
#include "ui/graph/talo_view.h"
#include "ui/platform_seams.h"
#include "ui/shell/about_dlg.h"
#include "ui/shell/help_window.h"
#include "ui/shell/support_dlg.h"
#include "ui/shell/talo_app.h"
#include "ui/talo_doc.h"

namespace {

QAction* AddCommand(QWidget& menu, const QString& caption, const char* name,
                    const QString& prompt = QString())
{
    auto* action = new QAction(caption, &menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(prompt);
    menu.addAction(action);
    return action;
}

QLabel* NewIndicator(const QString& text, const char* name)
{
    auto* indicator = new QLabel(text);
    indicator->setObjectName(QString::fromLatin1(name));
    indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The lock keys' state cannot be read portably: shown dimmed, never as on.
    indicator->setEnabled(false);
    return indicator;
}

} // namespace

CMainFrame::CMainFrame(CTaloDoc& doc, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_pView(new CTaloView(doc, this))
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Talo for Windows"));
    setWindowIcon(TaloIcon());
    setCentralWidget(m_pView);
    // The document's screens open over the main window.
    m_doc.SetScreenOwner(this);
    m_pView->setMinimumSize(kMinimumGraphWidth, kMinimumGraphHeight);
    CreateMenuBar();
    CreateStatusBar();
    CreateCopyAccelerators();
}

void CMainFrame::CreateMenuBar()
{
    QMenuBar& bar = *menuBar();
    connect(AddCommand(bar, QStringLiteral("&DQO Summary"), "dqoSummaryAction",
                       QStringLiteral("Bring up the interactive DQO summary screen")),
            &QAction::triggered, this, &CMainFrame::OnDqoSummary);
    connect(AddCommand(bar, QStringLiteral("&Copy Graph"), "copyGraphAction",
                       QStringLiteral("Copy the Estimated Performance Curve to the Windows "
                                      "clipboard")),
            &QAction::triggered, m_pView, &CTaloView::OnCopyGraph);
    connect(AddCommand(bar, QStringLiteral("&Print Graph"), "printGraphAction"),
            &QAction::triggered, m_pView, &CTaloView::OnPrintGraph);
    // The preview of the printed page, which would otherwise be out of reach.
    connect(AddCommand(bar, QStringLiteral("Print Pre&view"), "printPreviewAction"),
            &QAction::triggered, m_pView, &CTaloView::OnPrintPreview);
    connect(AddCommand(bar, QStringLiteral("&Save Graph"), "saveGraphAction"), &QAction::triggered,
            m_pView, &CTaloView::OnSaveGraph);

    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    connect(AddCommand(*help, QStringLiteral("&Contents"), "helpContentsAction"),
            &QAction::triggered, this, &CMainFrame::OnHelpContents);
    connect(AddCommand(*help, QStringLiteral("&Support"), "supportAction"), &QAction::triggered,
            this, &CMainFrame::OnSupport);
    connect(AddCommand(*help, QStringLiteral("&About TALO"), "aboutAction",
                       QStringLiteral("Display program information (see Readme file for help)")),
            &QAction::triggered, this, &CMainFrame::OnAbout);

    connect(AddCommand(bar, QStringLiteral("E&xit"), "exitAction"), &QAction::triggered, this,
            &CMainFrame::OnExit);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar& bar = *statusBar();
    // A normal item: the status bar hides it while a prompt is shown.
    auto* idle = new QLabel(QStringLiteral("Ready"));
    idle->setObjectName(QStringLiteral("idlePrompt"));
    bar.addWidget(idle, 1);
    bar.addPermanentWidget(NewIndicator(QStringLiteral("CAP"), "capIndicator"));
    bar.addPermanentWidget(NewIndicator(QStringLiteral("NUM"), "numIndicator"));
    bar.addPermanentWidget(NewIndicator(QStringLiteral("SCRL"), "scrlIndicator"));
}

void CMainFrame::CreateCopyAccelerators()
{
    // The edit-copy command: both keys copy the graph, as Copy Graph does.
    auto* editCopy = new QAction(this);
    editCopy->setObjectName(QStringLiteral("editCopyAction"));
    editCopy->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    addAction(editCopy);
    connect(editCopy, &QAction::triggered, m_pView, &CTaloView::OnCopyGraph);
}

void CMainFrame::OnDqoSummary()
{
    // Computes the last analysis again; before the first one there is none.
    if (m_doc.IsResultsReady())
        m_doc.RunAnalysis();
    else
        statusBar()->showMessage(QStringLiteral("There is no DQO analysis to summarize yet."));
}

void CMainFrame::OnHelpContents()
{
    if (!m_pHelpWindow)
        m_pHelpWindow = new CHelpWindow(this);
    m_pHelpWindow->show();
    m_pHelpWindow->raise();
    m_pHelpWindow->activateWindow();
}

void CMainFrame::OnSupport()
{
    CSupportDlg support(this);
    CPlatformSeams::Current().RunModal(support);
}

void CMainFrame::OnAbout()
{
    CAboutDlg about(this);
    CPlatformSeams::Current().RunModal(about);
}

void CMainFrame::OnExit()
{
    AskTerminate(this);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The window never closes by itself: the program ends, if at all,
    // inside the terminate question.
    event->ignore();
    AskTerminate(this);
}

#pragma once

#include <QMainWindow>

class CHelpWindow;
class CTaloDoc;
class CTaloView;

// The single main window: the graph view as its client area, the menu bar
// of commands and a status bar with the command prompts.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CTaloDoc& doc, QWidget* parent = nullptr);

    CTaloView& View() const { return *m_pView; }

    void OnDqoSummary();
    void OnHelpContents();
    void OnSupport();
    void OnAbout();
    // Asks "Terminate DQO analysis?"; the process ends on OK.
    void OnExit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenuBar();
    void CreateStatusBar();
    void CreateCopyAccelerators();

    CTaloDoc& m_doc;
    CTaloView* m_pView;
    CHelpWindow* m_pHelpWindow = nullptr;
};

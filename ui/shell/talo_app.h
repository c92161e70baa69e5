#pragma once

#include <memory>

class CMainFrame;
class CTaloDoc;
class QIcon;

// The icon and the help text live in the library's resources; they are
// registered by this call (any number of calls, once in effect).
void InitTaloResources();
QIcon TaloIcon();

// Dialogs and message boxes: light gray background, black text.
void SetDialogColours();

// The program's start-up and the objects that live as long as it does: the
// one document and the main window with its graph view.
class CTaloApp {
public:
    CTaloApp();
    ~CTaloApp();
    CTaloApp(const CTaloApp&) = delete;
    CTaloApp& operator=(const CTaloApp&) = delete;

    // The graph's fonts, dialog colours, the document, the main window shown
    // on the middle of the desktop, the introduction screen, then the
    // planning wizard.
    void InitInstance();

    CTaloDoc& Document() const { return *m_pDoc; }
    CMainFrame& MainFrame() const { return *m_pFrame; }

private:
    std::unique_ptr<CTaloDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
};

#include "ui/shell/talo_app.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QtGlobal>

#include "ui/graph/graph.h"
#include "ui/graph/talo_view.h"
#include "ui/platform_seams.h"
#include "ui/screens/intro_dlg.h"
#include "ui/shell/main_frame.h"
#include "ui/talo_doc.h"

void InitTaloResources()
{
    // Resources of a static library are not registered by themselves.
    static const bool registered = [] {
        Q_INIT_RESOURCE(talo);
        return true;
    }();
    (void)registered;
}

QIcon TaloIcon()
{
    InitTaloResources();
    return QIcon(QStringLiteral(":/talo.png"));
}

void SetDialogColours()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    QApplication::setPalette(palette, "QDialog");
    QApplication::setPalette(palette, "QMessageBox");
}

CTaloApp::CTaloApp() = default;

CTaloApp::~CTaloApp() = default;

void CTaloApp::InitInstance()
{
    // Without them the graph still draws, in fonts of the system.
    if (!LoadGraphFonts())
        qWarning("TALO: the graph's fonts could not be loaded");
    SetDialogColours();
    CIntroDlg intro;

    m_pDoc = std::make_unique<CTaloDoc>();
    m_pFrame = std::make_unique<CMainFrame>(*m_pDoc);
    m_pFrame->show();
    m_pFrame->View().OnInitialUpdate();

    // The introduction is read and closed; how it was closed does not matter.
    intro.SetCentre(m_pDoc->m_nCentreX, m_pDoc->m_nCentreY);
    CPlatformSeams::Current().RunModal(intro);

    // The first analysis: it returns once the analysis is computed and drawn.
    m_pDoc->RunPlanningWizard();
}

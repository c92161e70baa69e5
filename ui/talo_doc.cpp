#include "ui/talo_doc.h"

#include "engine/analysis_pass.h"
#include "ui/platform_seams.h"

namespace {

// The report's file prompt: the platform's save dialog with every file shown.
class CSeamFilePrompt : public FilePrompt {
public:
    bool AskSaveFileName(const std::string& initialName, std::string& chosenName) override
    {
        SaveFileRequest request;
        request.title = QStringLiteral("Save As");
        request.filters = QStringLiteral("All Files (*.*)");
        request.initialName = QString::fromStdString(initialName);
        QString chosen;
        if (!CPlatformSeams::Current().AskSaveFileName(nullptr, request, chosen))
            return false;
        chosenName = chosen.toStdString();
        return true;
    }
};

} // namespace

CTaloDoc::CTaloDoc(QObject* parent) : QObject(parent)
{
    ResetDQO();
}

void CTaloDoc::ResetDQO()
{
    ResetDQORecord(m_dqoOriginal);
    m_bResultsReady = 0;
    m_report.Forget();
}

void CTaloDoc::CopyOriginalToCurrent()
{
    m_dqoCurrent = m_dqoOriginal;
}

void CTaloDoc::ComputeResults()
{
    FillCalculationBlock(m_dqoOriginal);
    FillCalculationBlock(m_dqoCurrent);
    CSeamMessages messages;
    ComputeAnalysisPass(m_dqoCurrent, messages);
    m_bResultsReady = 1;
    UpdateAllViews();
}

int CTaloDoc::SaveSummaryReport()
{
    CSeamFilePrompt prompt;
    CSeamMessages messages;
    return m_report.Save(m_dqoCurrent, prompt, messages);
}

void CTaloDoc::UpdateAllViews()
{
    emit ViewsUpdated();
}

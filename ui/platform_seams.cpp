#include "ui/platform_seams.h"

#include <cstdlib>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

// The seams as the program uses them: real modal loops, boxes and dialogs.
class CQtPlatformSeams : public CPlatformSeams {
public:
    int RunModal(QDialog& dialog) override { return dialog.exec(); }

    int ShowMessage(QWidget* owner, const QString& title, const QString& text, MessageIcon icon,
                    MessageButtons buttons) override
    {
        QMessageBox box(ToQtIcon(icon), title, text,
                        buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                            : QMessageBox::Ok,
                        owner);
        return box.exec() == QMessageBox::Ok ? kAnswerOk : kAnswerCancel;
    }

    bool AskSaveFileName(QWidget* owner, const SaveFileRequest& request,
                         QString& chosenName) override
    {
        QFileDialog dialog(owner, request.title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(request.filters);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.initialName.isEmpty())
            dialog.selectFile(request.initialName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        chosenName = dialog.selectedFiles().constFirst();
        return true;
    }

    void EndProcess(int status) override
    {
        // Inside a modal screen its callers cannot unwind in order: the
        // process ends at once. Otherwise the caller returns, and the event
        // loop ends with the status, at once or as soon as it starts (a quit
        // asked for before it runs would be lost).
        if (QApplication::activeModalWidget() != nullptr)
            std::exit(status);
        QTimer::singleShot(0, qApp, [status] { QCoreApplication::exit(status); });
    }
};

CPlatformSeams* g_installed = nullptr;

} // namespace

CPlatformSeams& CPlatformSeams::Current()
{
    static CQtPlatformSeams qtSeams;
    return g_installed ? *g_installed : qtSeams;
}

void CPlatformSeams::Install(CPlatformSeams* seams)
{
    g_installed = seams;
}

CPlatformSeams* CPlatformSeams::Installed()
{
    return g_installed;
}

void CSeamMessages::Show(const std::string& title, const std::string& text, MessageIcon icon)
{
    CPlatformSeams::Current().ShowMessage(m_pOwner, QString::fromStdString(title),
                                          QString::fromStdString(text), icon, MessageButtons::Ok);
}

void AskTerminate(QWidget* owner)
{
    CPlatformSeams& seams = CPlatformSeams::Current();
    if (seams.ShowMessage(owner, QStringLiteral("TALO"), QStringLiteral("Terminate DQO analysis?"),
                          MessageIcon::None, MessageButtons::OkCancel) == kAnswerOk)
        seams.EndProcess(1);
}

#pragma once

#include <QString>

#include "engine/messages.h"

class QDialog;
class QWidget;

// Buttons of a message box and the answer it returns.
enum class MessageButtons { Ok, OkCancel };
enum MessageAnswer { kAnswerOk = 1, kAnswerCancel = 2 };

// What a save-file prompt offers.
struct SaveFileRequest {
    QString title;         // empty: the platform's own
    QString filters;       // e.g. "Bitmap Files (*.BMP);;All Files (*.*)"
    QString defaultSuffix; // appended when the typed name has none
    QString initialName;
};

// Every place where the program blocks on a person or ends the process goes
// through this interface, so that the whole flow runs without a display in
// the tests. The program installs the Qt implementation at start-up.
class CPlatformSeams {
public:
    virtual ~CPlatformSeams() = default;

    // Runs the dialog modally and returns its end code (1 OK, 2 cancel).
    virtual int RunModal(QDialog& dialog) = 0;
    virtual int ShowMessage(QWidget* owner, const QString& title, const QString& text,
                            MessageIcon icon, MessageButtons buttons) = 0;
    // Returns false when the user cancelled.
    virtual bool AskSaveFileName(QWidget* owner, const SaveFileRequest& request,
                                 QString& chosenName) = 0;
    // Ends the program with the status. Outside a modal screen it returns,
    // and the caller then leaves at once without touching anything more.
    virtual void EndProcess(int status) = 0;

    // The implementation in use; the Qt one unless another was installed.
    static CPlatformSeams& Current();
    // Installs seams (not owned); null puts the Qt implementation back.
    static void Install(CPlatformSeams* seams);
    // The seams installed, null while the Qt implementation is in use; what
    // a temporary installation puts back when it ends.
    static CPlatformSeams* Installed();
};

// The engine's and the document's messages shown through the seams.
class CSeamMessages : public Messages {
public:
    explicit CSeamMessages(QWidget* owner = nullptr) : m_pOwner(owner) {}
    void Show(const std::string& title, const std::string& text, MessageIcon icon) override;

private:
    QWidget* m_pOwner;
};

// Asks "Terminate DQO analysis?" and ends the process with status 1 on OK.
void AskTerminate(QWidget* owner);

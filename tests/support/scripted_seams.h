#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QDialog>
#include <QString>

#include "ui/platform_seams.h"

// Seams for tests: screens are driven by a script instead of a person, the
// answers of message boxes and file prompts are queued, and ending the
// process is recorded instead of done. Installed for its lifetime; the seams
// installed before come back when it ends, so scripted seams nest.
class CScriptedSeams : public CPlatformSeams {
public:
    struct Shown {
        QWidget* owner;
        QString title, text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    // Called with the dialog once it would be shown; returns after the
    // script has ended it (done()) or not; RunModal returns the result.
    using Script = std::function<void(QDialog&)>;

    CScriptedSeams() : m_pPrevious(Installed()) { Install(this); }
    ~CScriptedSeams() override { Install(m_pPrevious); }
    CScriptedSeams(const CScriptedSeams&) = delete;
    CScriptedSeams& operator=(const CScriptedSeams&) = delete;

    int RunModal(QDialog& dialog) override
    {
        // A loop that shows a screen until a button closes it would show an
        // unscripted one for ever; the test fails instead of hanging.
        if (scripts.empty() && ++m_nUnscriptedInARow > 100)
            throw std::runtime_error("unscripted screen shown again and again: " +
                                     dialog.windowTitle().toStdString());
        dialog.setResult(0);
        // Like exec(): the screen is shown, so its opening steps run.
        dialog.show();
        if (!scripts.empty()) {
            m_nUnscriptedInARow = 0;
            Next(scripts, Script())(dialog);
        }
        dialog.hide();
        return dialog.result();
    }

    int ShowMessage(QWidget* owner, const QString& title, const QString& text, MessageIcon icon,
                    MessageButtons buttons) override
    {
        shown.push_back({owner, title, text, icon, buttons});
        return Next(answers, int(kAnswerOk));
    }

    bool AskSaveFileName(QWidget*, const SaveFileRequest& request, QString& chosenName) override
    {
        requests.push_back(request);
        const QString name = Next(fileNames, QString());
        chosenName = name.isEmpty() ? chosenName : name;
        return !name.isEmpty();
    }

    void EndProcess(int status) override { endStatuses.push_back(status); }

    // The texts of the boxes shown, in order, "|" between them.
    std::string ShownTexts() const
    {
        std::string texts;
        for (const Shown& box : shown)
            texts += (texts.empty() ? "" : "|") + box.text.toStdString();
        return texts;
    }

    std::deque<Script> scripts;
    std::deque<int> answers;       // message box answers, OK when empty
    std::deque<QString> fileNames; // an empty name cancels the prompt
    std::vector<Shown> shown;
    std::vector<SaveFileRequest> requests;
    std::vector<int> endStatuses;

private:
    // The front of a queue, taken off it, or the value when it is empty.
    template <typename T> static T Next(std::deque<T>& queue, T empty)
    {
        if (queue.empty())
            return empty;
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }

    CPlatformSeams* m_pPrevious;
    int m_nUnscriptedInARow = 0;
};

// A monkey drives the whole program through the platform seams with random
// but legal actions: buttons, typed texts, Enter, Esc, close boxes and the
// main window's commands, across the wizard, the summary and the design
// screens. After every action both records must hold finite values only, and
// after every closed screen the graph must draw. A short run is part of the
// suite; a long one: TALO_MONKEY_ACTIONS=10000 TALO_MONKEY_SEED=7 talo_monkey
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <random>
#include <set>

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include "ui/graph/talo_view.h"
#include "ui/platform_seams.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/talo_app.h"
#include "ui/talo_doc.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// The last actions, for the report of a failure or of a sanitizer.
std::deque<std::string> g_trail;
long g_seed = 0;

void PrintTrail()
{
    std::fprintf(stderr, "talo_monkey: replay with TALO_MONKEY_SEED=%ld; last actions:\n", g_seed);
    for (const std::string& step : g_trail)
        std::fprintf(stderr, "  %s\n", step.c_str());
}

// How a screen opened, as actions that put it back.
using Opening = std::vector<std::function<void()>>;

class CMonkeySeams : public CPlatformSeams {
public:
    CMonkeySeams(CTaloApp& app, long budget) : m_app(app), m_nBudget(budget) { Install(this); }
    ~CMonkeySeams() override { Install(nullptr); }
    bool Spent() const { return m_nActions >= m_nBudget; }

    // Random actions up to the screen's cap or the end of the budget, then
    // the way out; a screen that cannot be left, or screens that keep
    // opening, stop the run.
    int RunModal(QDialog& dialog) override
    {
        Note("screen '" + dialog.windowTitle().toStdString() + "'");
        dialog.setResult(0);
        dialog.show();
        QCoreApplication::processEvents();
        const Opening opening = HowItOpened(dialog);
        m_bRewinding = m_bRewinding && dialog.findChild<QAbstractButton*>("backButton");
        // Printer dialogs are the platform's: closed as soon as they have drawn.
        if (dialog.inherits("QPrintPreviewDialog") || dialog.inherits("QAbstractPrintDialog"))
            dialog.reject();
        for (int steps = 0, cap = Uniform(1, 40), ending = 0; dialog.isVisible(); ++steps) {
            if (++m_nActions > m_nBudget + 20000 || ending > 90) {
                PrintTrail();
                qFatal("talo_monkey: no way out of '%s'", qPrintable(dialog.windowTitle()));
            }
            if (!Spent() && steps < cap)
                RandomAction(dialog);
            else
                EndingAction(dialog, ending++, opening);
            QCoreApplication::processEvents();
            CheckRecords();
        }
        DrawGraph();
        return dialog.result();
    }

    // OK-only messages are read, termination is declined, questions answered
    // at random.
    int ShowMessage(QWidget*, const QString&, const QString& text, MessageIcon,
                    MessageButtons buttons) override
    {
        Note("  message: " + text.left(60).simplified().toStdString());
        if (buttons == MessageButtons::Ok || text == QLatin1String("Terminate DQO analysis?"))
            return buttons == MessageButtons::Ok ? kAnswerOk : kAnswerCancel;
        return Uniform(0, 1) != 0 ? kAnswerOk : kAnswerCancel;
    }

    bool AskSaveFileName(QWidget*, const SaveFileRequest&, QString& chosenName) override
    {
        const int pick = Uniform(0, 3);
        chosenName = m_folder.filePath(QStringLiteral("monkey%1.bmp").arg(pick));
        Note("  file prompt: " + (pick == 0 ? std::string("cancelled") : chosenName.toStdString()));
        return pick != 0;
    }

    void EndProcess(int status) override
    {
        Note("  program ends with " + std::to_string(status));
        if (status != 0)
            Fail("the program was ended with status " + std::to_string(status));
        m_bEnded = true;
    }

    // One command of the main window (the summary most often), its close
    // box, or a new analysis once the last one ended.
    void MainWindowAction()
    {
        static const std::vector<std::string> kCommands = {
            "dqoSummaryAction", "dqoSummaryAction", "dqoSummaryAction", "dqoSummaryAction",
            "copyGraphAction",  "editCopyAction",   "saveGraphAction",  "printPreviewAction",
            "printGraphAction", "aboutAction",      "supportAction",    "exitAction",
            "close box"};
        ++m_nActions;
        const std::string command = m_bEnded ? "new analysis" : AnyOf(kCommands);
        Note("main: " + command);
        if (std::exchange(m_bEnded, false))
            m_app.Document().StartNewAnalysis();
        else if (command == "close box")
            m_app.MainFrame().close();
        else
            m_app.MainFrame().findChild<QAction*>(command.c_str())->trigger();
        CheckRecords();
        DrawGraph();
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }
    template <typename Item> Item AnyOf(const std::vector<Item>& items)
    {
        return items[Uniform(0, int(items.size()) - 1)];
    }

    void Note(const std::string& step)
    {
        g_trail.push_back("#" + std::to_string(m_nActions) + " " + step);
        if (g_trail.size() > 60)
            g_trail.pop_front();
    }

    // Each kind of failure is reported once, with the actions that led to it;
    // the run goes on, so that one run finds every kind there is.
    void Fail(const std::string& what)
    {
        if (m_failures.insert(what).second) {
            PrintTrail();
            ADD_FAILURE() << what << " (action " << m_nActions << ", seed " << g_seed << ")";
        }
    }

    static bool Finite(double value) { return std::isfinite(value); }
    template <size_t N> static bool Finite(const double (&values)[N])
    {
        return std::all_of(values, values + N, [](double value) { return std::isfinite(value); });
    }
    template <typename... Fields> static bool AllFinite(const Fields&... fields)
    {
        return (Finite(fields) && ...);
    }

    void CheckRecords()
    {
        const CTaloDoc& doc = m_app.Document();
        for (const DQORecord* r : {&doc.m_dqoCurrent, &doc.m_dqoOriginal})
            if (!AllFinite(
                    r->dMinimum, r->dMaximum, r->dActionLevel, r->dUpperBound, r->dLowerBound,
                    r->fLabCost, r->fFieldCost, r->fCompositingCost, r->fLimitAtUpper,
                    r->fLimitAtLower, r->dAbove1, r->dAbove2, r->fAbove1Limit, r->fAbove2Limit,
                    r->dBelow1, r->dBelow2, r->fBelow1Limit, r->fBelow2Limit, r->dSD, r->dSDValue,
                    r->dCV, r->dSDFromCV, r->dTotalCost, r->plotSpec.dValues, r->plotSpec.dYMin,
                    r->plotSpec.dYMax, r->plotSpec.dXTickValues, r->plotSpec.dVLinePos, r->dCurve,
                    r->dCalcMaximum, r->dCalcMinimum, r->dAlpha, r->dBeta, r->dCalcLower,
                    r->dCalcUpper, r->dCalcActionLevel, r->dCalcSD, r->dSDRatio, r->dStratumValue,
                    r->dStratumWeight, r->dCalcTotalCost, r->dCalcLabCost, r->dCalcFieldCost,
                    r->dStratumExact, r->dCalcSamples, r->dErrorPoint, r->dErrorLimit))
                Fail(r == &doc.m_dqoCurrent ? "current record not finite"
                                            : "original record not finite");
    }

    // The view as the window shows it, and the page on a sheet of any size.
    void DrawGraph()
    {
        CTaloView& view = m_app.MainFrame().View();
        QImage window(view.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        view.render(&window);
        QImage sheet(Uniform(1, 1600), Uniform(1, 1200), QImage::Format_RGB32);
        QPainter painter(&sheet);
        view.DrawPage(painter, sheet.rect());
    }

    // How the screen opened, which its ending may put back: the choices
    // first, as they may change the texts.
    static Opening HowItOpened(QDialog& dialog)
    {
        Opening opening;
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (button->isCheckable() && button->isChecked())
                opening.push_back(
                    [button = QPointer(button)] { button ? button->click() : void(); });
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            opening.push_back(
                [e = QPointer(edit), text = edit->text()] { e ? e->setText(text) : void(); });
        return opening;
    }

    // The visible, enabled and writable controls of a kind.
    template <typename Control> static std::vector<Control*> Usable(QDialog& dialog)
    {
        std::vector<Control*> usable;
        for (Control* control : dialog.findChildren<Control*>())
            if (control->isVisible() && control->isEnabled() &&
                !control->property("readOnly").toBool())
                usable.push_back(control);
        return usable;
    }

    void Click(QAbstractButton* button)
    {
        Note(("  click " + button->objectName() + " '" + button->text() + "'").toStdString());
        button->setFocus();
        button->click();
    }

    void Press(QDialog& dialog, Qt::Key key)
    {
        Note(key == Qt::Key_Escape ? "  Esc" : "  Enter");
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, key);
    }

    // Odd texts, huge and tiny ones, numbers of any size, and numbers near
    // what the field shows, where the valid inputs are; some with a comma.
    QString RandomText(const QString& shown)
    {
        static const std::vector<const char*> kOdd = {
            "",    "0",    "-0",  "1e308", "-1e308", "1e-308", "4e-324", "1e999", "abc",   "nan",
            "inf", "-inf", " 7 ", "0x1A",  "1e",     ".",      "-",      "+5",    "1.2.3", "1,5"};
        const QString digits(Uniform(20, 400), QChar('0' + Uniform(1, 9)));
        const double near = QString(shown).replace(',', '.').toDouble() * Uniform(50, 150) / 100;
        const double any = Uniform(-99, 999) * std::pow(10.0, Uniform(-12, 10));
        const QString number = QString::number(Uniform(0, 1) != 0 ? near : any, 'g', Uniform(1, 8));
        return AnyOf(std::vector<QString>{QString::fromLatin1(AnyOf(kOdd)), digits, "0." + digits,
                                          number, number, QString(number).replace('.', ',')});
    }

    // A random control worked, Enter, Esc, or the close box.
    void RandomAction(QDialog& dialog)
    {
        const std::vector<QLineEdit*> edits = Usable<QLineEdit>(dialog);
        const std::vector<QAbstractButton*> buttons = Usable<QAbstractButton>(dialog);
        const int roll = Uniform(0, 99);
        if (roll < 50 && !edits.empty()) {
            QLineEdit* edit = AnyOf(edits);
            const QString text = RandomText(edit->text());
            Note(("  type '" + text.left(40) + "' into " + edit->objectName()).toStdString());
            edit->setFocus();
            edit->setText(text);
        } else if (roll < 88 && !buttons.empty()) {
            Click(AnyOf(buttons));
        } else if (roll < 98) {
            Press(dialog, roll < 94 ? Qt::Key_Return : Qt::Key_Escape);
        } else {
            Note("  close box");
            dialog.close();
        }
    }

    // Leaving a screen: its way out (once the budget is spent the one that
    // ends soonest), Esc, and in the wizard << BACK until the selection
    // screen, whose new analysis starts from valid defaults. What the screen
    // opened with passed its checks or came unchecked from the record; either
    // way it is the best guess at a valid input, so it is put back first.
    void EndingAction(QDialog& dialog, int attempt, const Opening& opening)
    {
        if (attempt > 0 || m_bRewinding)
            for (const auto& putBack : opening)
                putBack();
        auto* back = dialog.findChild<QAbstractButton*>("backButton");
        if (back != nullptr && (m_bRewinding || attempt % 3 == 2)) {
            Click(back);
            m_bRewinding = !dialog.isVisible();
            return;
        }
        std::vector<QAbstractButton*> ways;
        for (const char* name : {"graphButton", "noButton", "okButton", "summaryButton",
                                 "nextButton", "exitButton", "yesButton", "updateButton"})
            if (auto* button = dialog.findChild<QAbstractButton*>(name);
                button && button->isVisible())
                ways.push_back(button);
        if (attempt % 3 != 0 || ways.empty())
            Press(dialog, Qt::Key_Escape);
        else
            Click(Spent() ? ways.front() : AnyOf(ways));
    }

    CTaloApp& m_app;
    long m_nBudget;
    long m_nActions = 0;
    std::mt19937 m_random{std::mt19937::result_type(g_seed)};
    bool m_bRewinding = false;
    bool m_bEnded = false;
    std::set<std::string> m_failures;
    QTemporaryDir m_folder;
};

TEST(Monkey, RandomActionsKeepTheRecordsFiniteAndTheGraphDrawing)
{
    const auto setting = [](const char* name, int fallback) {
        return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
    };
    const long budget = setting("TALO_MONKEY_ACTIONS", 400);
    g_seed = setting("TALO_MONKEY_SEED", 1);
    std::fprintf(stderr, "talo_monkey: %ld actions, seed %ld\n", budget, g_seed);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(PrintTrail);
#endif
    CTaloApp app;
    CMonkeySeams monkey(app, budget);
    app.InitInstance();
    while (!monkey.Spent())
        monkey.MainWindowAction();
}

} // namespace

// A monkey drives the whole program through the platform seams with random
// but legal actions: buttons, typed texts, Enter, Esc, close boxes and the
// main window's commands, across the wizard, the summary and the design
// screens. After every action both records must hold finite values only, and
// after every closed screen the graph must draw. A short run is part of the
// suite; a long one: TALO_MONKEY_ACTIONS=10000 TALO_MONKEY_SEED=7 talo_monkey
// (or --actions=N --seed=S).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/graph/talo_view.h"
#include "ui/platform_seams.h"
#include "ui/screens/talo_dialog.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/talo_app.h"
#include "ui/talo_doc.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// The first field of the record that is not finite, "" when all are.
std::string FirstNonFinite(const DQORecord& r)
{
    std::string bad;
    auto check = [&bad](const char* name, const auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_array_v<Field>) {
            for (size_t i = 0; i < std::extent_v<Field>; ++i)
                if (!std::isfinite(field[i]) && bad.empty())
                    bad = std::string(name) + "[" + std::to_string(i) + "]";
        } else if (!std::isfinite(field) && bad.empty()) {
            bad = name;
        }
    };
#define TALO_CHECK(...) check(#__VA_ARGS__, r.__VA_ARGS__)
    TALO_CHECK(dMinimum), TALO_CHECK(dMaximum), TALO_CHECK(dActionLevel), TALO_CHECK(dUpperBound);
    TALO_CHECK(dLowerBound), TALO_CHECK(fLabCost), TALO_CHECK(fFieldCost);
    TALO_CHECK(fCompositingCost), TALO_CHECK(fLimitAtUpper), TALO_CHECK(fLimitAtLower);
    TALO_CHECK(dAbove1), TALO_CHECK(dAbove2), TALO_CHECK(fAbove1Limit), TALO_CHECK(fAbove2Limit);
    TALO_CHECK(dBelow1), TALO_CHECK(dBelow2), TALO_CHECK(fBelow1Limit), TALO_CHECK(fBelow2Limit);
    TALO_CHECK(dSD), TALO_CHECK(dSDValue), TALO_CHECK(dCV), TALO_CHECK(dSDFromCV);
    TALO_CHECK(dTotalCost), TALO_CHECK(plotSpec.dValues), TALO_CHECK(plotSpec.dYMin);
    TALO_CHECK(plotSpec.dYMax), TALO_CHECK(plotSpec.dXTickValues), TALO_CHECK(plotSpec.dVLinePos);
    TALO_CHECK(dCurve), TALO_CHECK(dCalcMaximum), TALO_CHECK(dCalcMinimum), TALO_CHECK(dAlpha);
    TALO_CHECK(dBeta), TALO_CHECK(dCalcLower), TALO_CHECK(dCalcUpper), TALO_CHECK(dCalcActionLevel);
    TALO_CHECK(dCalcSD), TALO_CHECK(dSDRatio), TALO_CHECK(dStratumValue);
    TALO_CHECK(dStratumWeight), TALO_CHECK(dCalcTotalCost), TALO_CHECK(dCalcLabCost);
    TALO_CHECK(dCalcFieldCost), TALO_CHECK(dStratumExact), TALO_CHECK(dCalcSamples);
    TALO_CHECK(dErrorPoint), TALO_CHECK(dErrorLimit);
#undef TALO_CHECK
    return bad;
}

long SettingOf(const char* argument, const char* variable, long fallback)
{
    for (const QString& arg : QCoreApplication::arguments())
        if (arg.startsWith(QLatin1String(argument)))
            return arg.mid(int(std::strlen(argument))).toLong();
    const QByteArray value = qgetenv(variable);
    return value.isEmpty() ? fallback : value.toLong();
}

// The last actions, for the report of a failure or of a sanitizer.
std::deque<std::string> g_trail;
long g_seed = 0;

void PrintTrail()
{
    std::fprintf(stderr, "talo_monkey: replay with TALO_MONKEY_SEED=%ld; last actions:\n", g_seed);
    for (const std::string& step : g_trail)
        std::fprintf(stderr, "  %s\n", step.c_str());
}

class CMonkeySeams : public CPlatformSeams {
public:
    CMonkeySeams(CTaloApp& app, long budget, long seed)
        : m_app(app), m_nBudget(budget), m_random(std::mt19937::result_type(seed))
    {
        Install(this);
    }
    ~CMonkeySeams() override { Install(nullptr); }

    long Actions() const { return m_nActions; }
    bool Spent() const { return m_nActions >= m_nBudget; }
    bool m_bEnded = false;

    int RunModal(QDialog& dialog) override
    {
        Note("screen '" + dialog.windowTitle().toStdString() + "'");
        ++m_shown[dialog.windowTitle().toStdString()];
        dialog.setResult(0);
        dialog.show();
        QCoreApplication::processEvents();
        // How the screen opened, which its ending may put back: the choices
        // first, as they may change the texts.
        std::vector<std::function<void()>> opening;
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (button->isCheckable() && button->isChecked())
                opening.push_back([button = QPointer(button)] {
                    if (button)
                        button->click();
                });
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            opening.push_back([edit = QPointer(edit), text = edit->text()] {
                if (edit)
                    edit->setText(text);
            });
        const bool wizard = dialog.findChild<QAbstractButton*>("backButton") != nullptr;
        m_bRewinding = m_bRewinding && wizard;
        // Printer dialogs are the platform's: closed as soon as they have drawn.
        if (dialog.inherits("QPrintPreviewDialog") || dialog.inherits("QAbstractPrintDialog"))
            dialog.reject();
        const int cap = Uniform(1, 40);
        for (int steps = 0, ending = 0; dialog.isVisible(); ++steps) {
            if (++m_nActions > m_nBudget + 20000) {
                PrintTrail();
                std::fprintf(stderr, "talo_monkey: the screens could not be left\n");
                std::abort();
            }
            if (!Spent() && steps < cap)
                RandomAction(dialog);
            else if (ending < 90)
                EndingAction(dialog, ending++, opening);
            else {
                Fail("screen cannot be left: " + dialog.windowTitle().toStdString());
                dialog.done(kEndCancel);
            }
            QCoreApplication::processEvents();
            CheckRecords();
        }
        DrawGraph();
        return dialog.result();
    }

    int ShowMessage(QWidget*, const QString&, const QString& text, MessageIcon,
                    MessageButtons buttons) override
    {
        Note("  message: " + text.left(60).toStdString());
        if (buttons == MessageButtons::Ok || text == QLatin1String("Terminate DQO analysis?"))
            return buttons == MessageButtons::Ok ? kAnswerOk : kAnswerCancel;
        return Uniform(0, 1) != 0 ? kAnswerOk : kAnswerCancel;
    }

    bool AskSaveFileName(QWidget*, const SaveFileRequest&, QString& chosenName) override
    {
        const int pick = Uniform(0, 5);
        chosenName = pick == 0 ? QStringLiteral("/nonexistent-folder/talo.bmp")
                               : m_folder.filePath(QStringLiteral("monkey%1.bmp").arg(pick % 3));
        Note("  file prompt: " + (pick == 5 ? std::string("cancelled") : chosenName.toStdString()));
        return pick != 5;
    }

    void EndProcess(int status) override
    {
        Note("  program ends with " + std::to_string(status));
        if (status != 0)
            Fail("the program was ended with status " + std::to_string(status));
        m_bEnded = true;
    }

    // One command of the main window, or a new analysis once the last ended.
    void MainWindowAction()
    {
        ++m_nActions;
        if (m_bEnded) {
            m_bEnded = false;
            Note("main: new analysis");
            m_app.Document().StartNewAnalysis();
        } else if (const int pick = Uniform(0, 11); pick == 11) {
            Note("main: close box");
            m_app.MainFrame().close();
        } else {
            static const char* const kCommands[] = {
                "dqoSummaryAction", "dqoSummaryAction", "dqoSummaryAction", "dqoSummaryAction",
                "copyGraphAction",  "editCopyAction",   "saveGraphAction",  "printPreviewAction",
                "printGraphAction", "aboutAction",      "supportAction",    "exitAction"};
            Note(std::string("main: ") + kCommands[pick]);
            m_app.MainFrame().findChild<QAction*>(kCommands[pick])->trigger();
        }
        CheckRecords();
        DrawGraph();
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }

    void Note(std::string step)
    {
        g_trail.push_back("#" + std::to_string(m_nActions) + " " + std::move(step));
        if (g_trail.size() > 60)
            g_trail.pop_front();
    }

    // Each kind of failure is reported once, with the actions that led to
    // it; the run goes on, so that one run finds every kind there is.
    void Fail(const std::string& what)
    {
        if (!m_failures.insert(what).second)
            return;
        PrintTrail();
        ADD_FAILURE() << what << " (action " << m_nActions << ", seed " << g_seed << ")";
    }

    void CheckRecords()
    {
        const CTaloDoc& doc = m_app.Document();
        for (const auto& [name, rec] : {std::pair{"m_dqoCurrent.", &doc.m_dqoCurrent},
                                        std::pair{"m_dqoOriginal.", &doc.m_dqoOriginal}})
            if (const std::string bad = FirstNonFinite(*rec); !bad.empty())
                return Fail(name + bad + " is not finite");
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

    void Press(QDialog& dialog, Qt::Key key, const char* name)
    {
        Note(std::string("  ") + name);
        QWidget* focus = dialog.focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &dialog, key);
    }

    void Click(QAbstractButton& button)
    {
        Note("  click " + button.objectName().toStdString() + " '" + button.text().toStdString() +
             "'");
        button.setFocus();
        button.click();
    }

    QString RandomText(const QString& shown)
    {
        static const char* const kOdd[] = {
            "",       "0",      "-0",  "1e308", "-1e308", "1e-308", "-1e-308", "1e999",
            "-1e999", "4e-324", "abc", "nan",   "inf",    "-inf",   " 7 ",     "0x1A",
            "1e",     ".",      "-",   "+5",    "1.2.3",  "1,5",    "0.5",     "99999999999"};
        std::uniform_real_distribution<double> unit(0, 1);
        QString text;
        switch (Uniform(0, 5)) {
        case 0:
            return QString::fromLatin1(kOdd[Uniform(0, int(std::size(kOdd)) - 1)]);
        case 1:
            for (int n = Uniform(20, 400); n > 0; --n)
                text += QChar('0' + Uniform(0, 9));
            return Uniform(0, 1) != 0 ? text : QStringLiteral("0.") + text;
        case 2:
            text = QString::number(Uniform(-5, 200));
            break;
        case 3:
            text = QString::number(unit(m_random), 'g', Uniform(1, 8));
            break;
        case 4:
            text = QString::number((Uniform(0, 3) != 0 ? 1 : -1) * unit(m_random) *
                                       std::pow(10.0, Uniform(-12, 12)),
                                   'g', Uniform(1, 10));
            break;
        default: // near what the field shows, where valid inputs are
            text = QString::number(QString(shown).replace(',', '.').toDouble() *
                                       (0.5 + unit(m_random)),
                                   'g', Uniform(1, 6));
        }
        return Uniform(0, 1) != 0 ? text : text.replace('.', ',');
    }

    // A random enabled control worked, or a key, or the close box.
    void RandomAction(QDialog& dialog)
    {
        std::vector<QLineEdit*> edits;
        std::vector<QAbstractButton*> buttons;
        for (QWidget* child : dialog.findChildren<QWidget*>()) {
            if (!child->isVisible() || !child->isEnabled())
                continue;
            if (auto* edit = qobject_cast<QLineEdit*>(child); edit && !edit->isReadOnly())
                edits.push_back(edit);
            else if (auto* button = qobject_cast<QAbstractButton*>(child))
                buttons.push_back(button);
        }
        const int roll = Uniform(0, 99);
        if (roll < 50 && !edits.empty()) {
            QLineEdit* edit = edits[Uniform(0, int(edits.size()) - 1)];
            const QString text = RandomText(edit->text());
            Note("  type '" + text.left(40).toStdString() + "' into " +
                 edit->objectName().toStdString());
            edit->setFocus();
            edit->setText(text);
        } else if (roll < 88 && !buttons.empty()) {
            Click(*buttons[Uniform(0, int(buttons.size()) - 1)]);
        } else if (roll < 94) {
            Press(dialog, Qt::Key_Return, "Enter");
        } else if (roll < 98) {
            Press(dialog, Qt::Key_Escape, "Esc");
        } else {
            Note("  close box");
            dialog.close();
        }
    }

    // Leaving a screen: its way out (once the budget is spent the one that
    // ends soonest), Esc, and in the wizard << BACK until the selection
    // screen, whose new analysis starts from valid defaults.
    void EndingAction(QDialog& dialog, int attempt,
                      const std::vector<std::function<void()>>& opening)
    {
        // What the screen opened with passed its checks, or came unchecked
        // from the record; either way it is the best guess at a valid input.
        if (attempt > 0 || m_bRewinding)
            for (const auto& putBack : opening)
                putBack();
        auto* back = dialog.findChild<QAbstractButton*>("backButton");
        if (back != nullptr && (m_bRewinding || attempt % 3 == 2)) {
            Click(*back);
            m_bRewinding = !dialog.isVisible();
            return;
        }
        if (attempt % 3 != 0) {
            Press(dialog, Qt::Key_Escape, "Esc");
            return;
        }
        static const char* const kWaysOut[] = {"graphButton",   "noButton",    "okButton",
                                               "summaryButton", "nextButton",  "exitButton",
                                               "yesButton",     "updateButton"};
        std::vector<QAbstractButton*> ways;
        for (const char* name : kWaysOut)
            if (auto* button = dialog.findChild<QAbstractButton*>(name);
                button && button->isVisible())
                ways.push_back(button);
        if (ways.empty())
            Press(dialog, Qt::Key_Escape, "Esc");
        else
            Click(*ways[Spent() ? 0 : Uniform(0, int(ways.size()) - 1)]);
    }

    CTaloApp& m_app;
    long m_nBudget;
    long m_nActions = 0;
    std::mt19937 m_random;
    bool m_bRewinding = false;
    std::set<std::string> m_failures;

public:
    std::map<std::string, int> m_shown; // how often each screen was shown
    QTemporaryDir m_folder;
};

TEST(Monkey, RandomActionsKeepTheRecordsFiniteAndTheGraphDrawing)
{
    const long budget = SettingOf("--actions=", "TALO_MONKEY_ACTIONS", 400);
    g_seed = SettingOf("--seed=", "TALO_MONKEY_SEED", 1);
    std::fprintf(stderr, "talo_monkey: %ld actions, seed %ld\n", budget, g_seed);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(PrintTrail);
#endif
    CTaloApp app;
    CMonkeySeams monkey(app, budget, g_seed);
    app.InitInstance();
    while (!monkey.Spent())
        monkey.MainWindowAction();
    std::fprintf(stderr, "talo_monkey: %ld actions done, screens shown:", monkey.Actions());
    for (const auto& [title, count] : monkey.m_shown)
        std::fprintf(stderr, " '%s' %d", title.c_str(), count);
    std::fprintf(stderr, "\n");
}

} // namespace

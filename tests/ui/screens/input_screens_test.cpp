#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/records.h"
#include "tests/support/scripted_seams.h"
#include "ui/screens/mean_inputs_dlg.h"
#include "ui/screens/prop_inputs_dlg.h"

namespace {

const char* const kExplainAtLeast =
    "The gray region is bounded on one side by the action level (the upper bound).  Because of "
    "the selected baseline condition, the other bound (the lower bound) must be less than the "
    "action level.  Enter the lower bound.";
const char* const kExplainAtMost =
    "The gray region is bounded on one side by the action level (the lower bound).  Because of "
    "the selected baseline condition, the other bound (the upper bound) must be greater than the "
    "action level.  Enter the upper bound.";

QWidget& Child(QWidget& parent, const QString& name)
{
    if (auto* child = parent.findChild<QWidget*>(name))
        return *child;
    throw std::runtime_error("no control named " + name.toStdString());
}

// "name=text|name=text" as pairs; the text may have blanks.
std::vector<std::pair<QString, QString>> Pairs(const std::string& list)
{
    std::vector<std::pair<QString, QString>> pairs;
    for (const QString& pair : QString::fromStdString(list).split(u'|', Qt::SkipEmptyParts))
        pairs.emplace_back(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    return pairs;
}

// A screen as its caller runs it: made, filled from the record, given the record.
using Factory = std::unique_ptr<CTaloDialog> (*)(DQORecord&);
template <typename Dialog, auto Fill> std::unique_ptr<CTaloDialog> Make(DQORecord& rec)
{
    auto dialog = std::make_unique<Dialog>();
    Fill(*dialog, rec);
    dialog->m_pDQO = &rec;
    return dialog;
}
const Factory OneMean = Make<COneMeanInputsDlg, FillOneMeanScreen>;
const Factory TwoMean = Make<CTwoMeanInputsDlg, FillTwoMeanScreen>;
const Factory ModMean = Make<CModifyMeanDlg, FillModifyMeanScreen>;
const Factory OneProp = Make<COnePropInputsDlg, FillOnePropScreen>;
const Factory TwoProp = Make<CTwoPropInputsDlg, FillTwoPropScreen>;
const Factory ModProp = Make<CModifyPropDlg, FillModifyPropScreen>;
const int kUp = kBaselineAtMost, kDown = kBaselineAtLeast;

// The screen filled from the starting record; each run types the texts
// ("name=text|...") and then hands the screen to the script.
struct ScreenRun {
    ScreenRun(Factory make, int parameter, int baseline = kUp, std::string typed = "")
        : rec(StartingRecord(parameter, baseline)), dialog(make(rec)), typed(std::move(typed))
    {
    }
    int operator()(const std::function<void(QDialog&)>& script)
    {
        seams.scripts.push_back([this, script](QDialog& d) {
            for (const auto& [name, text] : Pairs(typed))
                Child(d, name).setProperty("text", text);
            script(d);
            if (d.isVisible())
                d.done(0);
        });
        return seams.RunModal(*dialog);
    }
    CScriptedSeams seams;
    DQORecord rec;
    std::unique_ptr<CTaloDialog> dialog;
    std::string typed;
};

// Each screen: its title, captions and ending buttons; every field and radio
// group bound (what the OK processing copied comes back when the screen opens
// again); a name for readers on every field and button; room for the title.
TEST(InputScreens, CaptionsBindingsNamesAndWidth)
{
    const std::string note =
        "NOTE:|These values should have been identified in Steps 5 and 6 of the DQO Process.|";
    const std::string wizard = "|<< BACK|NEXT >>|SUMMARY";
    const std::string sd =
        "|Estimate of Standard Deviation|Use This Value:|Coefficient of Variation:";
    const std::string modify = "Static Inputs|Minimum Value:|Maximum Value:|Baseline Condition:|"
                               "Modifiable Inputs|NEXT >>";
    const struct {
        Factory make;
        int parameter;
        std::string captions;
    } screens[] = {
        {OneMean, kOneMean,
         note +
             "TALO - One-Sample Mean Inputs|Estimate of Minimum Value:|Estimate of Maximum "
             "Value:|Action Level (AL):|Select Baseline Condition |Ho: mean >= AL vs. Ha: mean "
             "< AL|Ho: mean <= AL vs. Ha: mean > AL|Other Bound of the Gray Region" +
             sd + wizard},
        {TwoMean, kTwoMean,
         "TALO - Two-Sample Mean Inputs|Ho: mean1 - mean2 >= AL  vs.  |Ha: mean1 - mean2 < AL|"
         "Ho: mean1 - mean2 <= AL  vs.  |Ha: mean1 - mean2 > AL" +
             wizard},
        {ModMean, kOneMean,
         "TALO - Modify One-Sample Mean Inputs|Action Level (AL):|" + modify + sd},
        {OneProp, kOneProportion,
         note +
             "TALO - One-Sample Proportion Inputs|Minimum Proportion:|0.00|Maximum Proportion:|"
             "1.00|Action Level (AL):|Select Baseline Condition |Ho: proportion >= AL vs. Ha: "
             "proportion < AL|Ho: proportion <= AL vs. Ha: proportion > AL|Other Bound of the "
             "Gray Region" +
             wizard},
        {TwoProp, kTwoProportion,
         "TALO - Two-Sample Proportion Inputs|Minimum Mean Difference:|Maximum Mean Difference:|"
         "Action Level (AL):|0.00  (fixed)|Select Baseline Condition: |Ho: prop1 - prop2 >= AL  "
         "vs.          |Ha: prop1 - prop2 < AL|Ho: prop1 - prop2 <= AL  vs.                   |"
         "Ha: prop1 - prop2 > AL" +
             wizard},
        {ModProp, kOneProportion, "TALO - Modify One-Sample Proportion Inputs|" + modify},
    };
    for (const auto& screen : screens) {
        const QStringList captions = QString::fromStdString(screen.captions).split(u'|');
        ScreenRun run(screen.make, screen.parameter);
        QStringList typed;
        run([&](QDialog& d) {
            QStringList shown{d.windowTitle()};
            for (QWidget* w : d.findChildren<QWidget*>()) {
                shown << w->property("text").toString() << w->property("title").toString();
                if (qobject_cast<QPushButton*>(w)) { // only the buttons listed
                    EXPECT_TRUE(captions.contains(w->property("text").toString()));
                }
                if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w)) {
                    const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
                    EXPECT_NE(reader->text(QAccessible::Name), "") << w->objectName().toStdString();
                }
            }
            for (const QString& caption : captions)
                EXPECT_TRUE(shown.contains(caption)) << caption.toStdString();
            EXPECT_GE(d.width(), QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                                     .horizontalAdvance(d.windowTitle()));
            // Into the members: the first button of each group, a text per field.
            for (const char* first : {"atLeastRadio", "sdValueRadio"})
                if (auto* radio = d.findChild<QAbstractButton*>(QString::fromLatin1(first)))
                    radio->click();
            for (QLineEdit* edit : d.findChildren<QLineEdit*>())
                edit->setText(typed.emplace_back(QString::number(typed.size() + 1)));
            QTest::keyClick(d.findChild<QLineEdit*>(), Qt::Key_Return);
            d.done(0);
            for (QLineEdit* edit : d.findChildren<QLineEdit*>())
                edit->clear();
            for (QAbstractButton* radio : d.findChildren<QAbstractButton*>())
                radio->setChecked(
                    QStringList{"atMostRadio", "cvRadio"}.contains(radio->objectName()));
        });
        run([&](QDialog& d) {
            QStringList shown;
            for (QLineEdit* edit : d.findChildren<QLineEdit*>())
                shown << edit->text();
            EXPECT_EQ(shown, typed);
            for (QAbstractButton* radio : d.findChildren<QAbstractButton*>())
                EXPECT_EQ(
                    radio->isChecked(),
                    QStringList({"atLeastRadio", "sdValueRadio"}).contains(radio->objectName()));
        });
    }
}

// One step on a filled screen: texts typed, one action, the texts shown
// afterwards. Actions: a button or radio button clicked, "Esc", "Close" (the
// close box) or "Enter:<control>" (Enter where the focus is). Besides
// controls, "title", "hidden" (fields not shown), "message" (of the box shown),
// "boxes" (their number), "flags" (B, N, S) and "end" (the end code, "open"
// while it stays open) are read; an empty text is the one shown before.
struct Step {
    Factory make;
    int parameter;
    int baseline;
    const char* typed;
    const char* action;
    const char* shown;
    const char* explanation = nullptr;
};

class StepTest : public testing::TestWithParam<Step> {};

TEST_P(StepTest, TypedAndPressedGivesTheTexts)
{
    const Step& c = GetParam();
    ScreenRun run(c.make, c.parameter, c.baseline, c.typed);
    const CTaloDialog& s = *run.dialog;
    const auto read = [&](QDialog& d, const QString& name) {
        const std::vector<CScriptedSeams::Shown>& boxes = run.seams.shown;
        if (name == QLatin1String("title"))
            return d.windowTitle();
        if (name == QLatin1String("hidden")) {
            QStringList hidden;
            for (const QLineEdit* edit : d.findChildren<QLineEdit*>())
                if (!edit->isVisible())
                    hidden << edit->objectName();
            return hidden.join(u',');
        }
        if (name == QLatin1String("message"))
            return boxes.empty() ? QString() : boxes.back().text;
        if (name == QLatin1String("boxes"))
            return QString::number(boxes.size());
        if (name == QLatin1String("flags"))
            return QString::fromLatin1(s.m_bBack ? "B" : "") + (s.m_bNext ? "N" : "") +
                   (s.m_bSummary ? "S" : "");
        if (name == QLatin1String("end"))
            return d.isVisible() ? QStringLiteral("open") : QString::number(d.result());
        return Child(d, name).property("text").toString();
    };
    run([&](QDialog& d) {
        const auto shown = Pairs(c.shown);
        QStringList before;
        for (const auto& [name, text] : shown)
            before << read(d, name);
        const QString action = QString::fromLatin1(c.action);
        if (action == QLatin1String("Esc")) {
            QTest::keyClick(&d, Qt::Key_Escape);
        } else if (action == QLatin1String("Close")) {
            d.close();
        } else if (action.startsWith(QLatin1String("Enter:"))) {
            Child(d, action.mid(6)).setFocus();
            QTest::keyClick(&Child(d, action.mid(6)), Qt::Key_Return);
        } else if (!action.isEmpty()) {
            qobject_cast<QAbstractButton*>(&Child(d, action))->click();
        }
        for (size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(read(d, shown[i].first),
                      shown[i].second.isEmpty() ? before[i] : shown[i].second)
                << shown[i].first.toStdString();
        if (c.explanation) {
            EXPECT_EQ(read(d, "explanationLabel"), QString::fromLatin1(c.explanation));
        }
        for (const CScriptedSeams::Shown& box : run.seams.shown) {
            EXPECT_EQ(box.title,
                      action == QLatin1String("Close") ? "TALO" : "TALO - Input Validation Error");
        }
    });
}

const char* const kAtMinimum = "minimumEdit=0|actionLevelEdit=0|otherBoundEdit=5|maximumEdit=10";
const char* const kRefused = "end=open|boxes=1";
const char* const kTerminate = "end=open|message=Terminate DQO analysis?";
const Step kSteps[] = {
    // Opening steps.
    {OneMean, kOneMean, kUp, "", "", "boundLabel=Upper Bound:|otherBoundEdit=75", kExplainAtMost},
    {TwoMean, kTwoMean, kDown, "", "", "boundLabel=Lower Bound:|otherBoundEdit=-5",
     kExplainAtLeast},
    {OneProp, kOneProportion, kDown, "", "", "boundLabel=Lower Bound:", kExplainAtLeast},
    {TwoProp, kTwoProportion, kUp, "", "", "boundLabel=Upper Bound:|minimumText=-1",
     kExplainAtMost},
    {ModMean, kTwoMean, kUp, "", "", "title=TALO - Modify Two-Sample Mean Inputs|hidden="},
    {ModProp, kTwoProportion, kUp, "", "",
     "title=TALO - Modify Two-Sample Proportion Inputs|hidden=actionLevelEdit|"
     "actionLevelLabel=Action Level (AL):         0.00 (fixed)"},
    // Radio handlers.
    {OneMean, kOneMean, kUp, "minimumEdit=0|actionLevelEdit=50", "atLeastRadio",
     "otherBoundEdit=25|boundLabel=Lower Bound:", kExplainAtLeast},
    {TwoMean, kTwoMean, kUp, "actionLevelEdit=7", "atLeastRadio",
     "otherBoundEdit=-5.0|boundLabel=Lower Bound:", kExplainAtLeast},
    {OneProp, kOneProportion, kDown, "actionLevelEdit=0.2", "atMostRadio",
     "otherBoundEdit=0.6|boundLabel=Upper Bound:", kExplainAtMost},
    {TwoProp, kTwoProportion, kUp, "otherBoundEdit=0.15", "atLeastRadio",
     "otherBoundEdit=-0.15|minimumText=-1.00|maximumText= 0.00|boundLabel=Lower Bound:",
     kExplainAtLeast},
    {TwoMean, kTwoMean, kUp, "cvEdit=20|actionLevelEdit=60", "cvRadio",
     "cvLabel=% of AL (= 12    )"},
    {ModMean, kOneMean, kUp, "cvEdit=30|actionLevelEdit=50", "cvRadio",
     "cvLabel=% of AL (= 15    )"},
    {OneMean, kOneMean, kUp, "cvEdit=30|actionLevelEdit=50", "sdValueRadio", "cvLabel="},
    // Checks behind the ending buttons.
    {OneMean, kOneMean, kUp, kAtMinimum, "nextButton",
     "flags=N|end=open|message=For Ho: mean <= Action Level, the following relationship must be "
     "satisfied:\n\n    Minimum(0) < Action Level < Upper Bound of Gray Region < Maximum(10)"},
    {TwoMean, kTwoMean, kUp, kAtMinimum, "nextButton", "flags=N|end=1|message="},
    {ModMean, kOneMean, kUp, "actionLevelEdit=0|boundEdit=5", "nextButton",
     "end=open|message=For Ho: mean <= Action Level, the following relationship must be "
     "satisfied:\n\n    Minimum(0) < Action Level < Upper Bound of Gray Region < Maximum(100)"},
    {ModMean, kTwoMean, kUp, "actionLevelEdit=-20|boundEdit=5", "nextButton", "flags=N|end=1"},
    {OneProp, kOneProportion, kUp, "actionLevelEdit=0.5|otherBoundEdit=1", "summaryButton",
     "flags=S|end=open|message=For Ho: proportion <= Action Level, the following relationship "
     "must be satisfied:\n\n    0.00 < Action Level < Upper Bound of Gray Region < 1.00"},
    {TwoProp, kTwoProportion, kDown, "otherBoundEdit=-1", "backButton",
     "flags=B|end=open|message=For Ho: prop1-prop2 >= Action Level, the following relationship "
     "must be satisfied:\n\n    -1.00 < Lower Bound of Gray Region(-1) < 0.00"},
    {ModProp, kOneProportion, kUp, "actionLevelEdit=0.6|boundEdit=0.55", "nextButton", kRefused},
    {ModProp, kTwoProportion, kUp, "actionLevelEdit=abc|boundEdit=0.5", "nextButton",
     "flags=N|end=1|message="},
    // Esc with a field the checks refuse: closes at once, or runs the checks.
    {OneMean, kOneMean, kUp, "otherBoundEdit=abc", "Esc", "end=2|boxes=0"},
    {TwoMean, kTwoMean, kUp, "otherBoundEdit=abc", "Esc", kRefused},
    {ModMean, kOneMean, kUp, "boundEdit=abc", "Esc", "end=2|boxes=0"},
    {OneProp, kOneProportion, kUp, "otherBoundEdit=abc", "Esc", kRefused},
    {TwoProp, kTwoProportion, kUp, "otherBoundEdit=abc", "Esc", kRefused},
    {ModProp, kOneProportion, kUp, "boundEdit=abc", "Esc", "end=2|boxes=0"},
    // The close box asks; the test seams only record an OK answer's ending.
    {OneMean, kOneMean, kUp, "", "Close", kTerminate},
    {TwoMean, kTwoMean, kUp, "", "Close", kTerminate},
    {ModMean, kOneMean, kUp, "", "Close", kTerminate},
    {OneProp, kOneProportion, kUp, "", "Close", kTerminate},
    {TwoProp, kTwoProportion, kUp, "", "Close", kTerminate},
    {ModProp, kOneProportion, kUp, "", "Close", kTerminate},
    // Enter on a focused button presses it; in a field it is the OK command.
    {OneMean, kOneMean, kUp, "", "Enter:nextButton", "flags=N|end=1"},
    {TwoProp, kTwoProportion, kUp, "", "Enter:summaryButton", "flags=S|end=1"},
    {TwoMean, kTwoMean, kUp, "", "Enter:otherBoundEdit", "flags=|end=1"},
    {ModProp, kOneProportion, kUp, "", "Enter:boundEdit", "flags=|end=1"},
};
INSTANTIATE_TEST_SUITE_P(Screens, StepTest, testing::ValuesIn(kSteps));

// A radio handler copies the controls: Esc, which copies nothing, keeps the
// texts as they stood at the click.
TEST(InputScreens, EscapeAfterARadioClickKeepsTheTextsOfTheClick)
{
    ScreenRun run(OneMean, kOneMean, kUp, "minimumEdit=3");
    EXPECT_EQ(run([](QDialog& d) {
                  qobject_cast<QAbstractButton*>(&Child(d, "sdValueRadio"))->click();
                  Child(d, "minimumEdit").setProperty("text", "4");
                  QTest::keyClick(&d, Qt::Key_Escape);
              }),
              kEndCancel);
    const auto& screen = static_cast<const COneMeanInputsDlg&>(*run.dialog);
    EXPECT_EQ(screen.m_strMinimum, "3");
    EXPECT_EQ(screen.m_nSDMode, kSDByValue);
}

} // namespace

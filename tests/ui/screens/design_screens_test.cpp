#include <string>
#include <vector>

#include <QAccessible>
#include <QListWidget>

#include <gtest/gtest.h>

#include "engine/number_text.h"
#include "tests/support/records.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"
#include "ui/screens/design_dlgs.h"
#include "ui/screens/design_sequences.h"

namespace {

// A design screen: whether its close box asks to terminate, its title and
// the texts it shows ("|" between them), and its controls by objectName.
struct Catalogued {
    ScreenFactory make;
    bool asks;
    std::string texts;
    const char* names;
};

const std::string kChoice =
    "|Select Sampling Design| Simple Random Sampling| Stratified Sampling|OK";
const std::string kStratum = "|Stratum Characteristics|Stratum Number:|Stratum Weight:|(The weight "
                             "of a stratum is the proportion of  the volume or area of solid in "
                             "that strata.)|OK";
const char* const kStratumNames = "numberText valueEdit weightEdit fixedText okButton";

const Catalogued kScreens[] = {
    {Made<CMeanDesignDlg>, true, "TALO - Sampling Designs for Mean| Composite Sampling" + kChoice,
     "simpleRadio compositeRadio stratifiedRadio okButton"},
    {Made<CPropDesignDlg>, false, "TALO - Sampling Designs for Proportion" + kChoice,
     "simpleRadio stratifiedRadio okButton"},
    {Made<CCompositeDlg>, true,
     "TALO - Composite Design Inputs|Composite Characteristics|Measurement SD/Total SD:|(The ratio "
     "of the measurement error standard          deviation to the total standard deviation is "
     "the       proportion of the total standard deviation               attributable to "
     "measurement error.)|Aliquots per Composite Sample:|Cost for Compositing the Aliquots:|OK",
     "sdRatioEdit aliquotsEdit compositingCostEdit okButton"},
    {Made<CStrataCountDlg>, true,
     "TALO - Stratum Inputs|Number of Strata|Enter number of strata:   (maximum of 5)|OK",
     "strataEdit okButton"},
    {Made<CMeanStratumDlg>, true,
     "TALO - Stratum Characteristics for Mean|Standard Deviation:" + kStratum, kStratumNames},
    {Made<CPropStratumDlg>, true,
     "TALO - Stratum Characteristics for Proportion|Underlying Proportion:|(The underlying "
     "proportion is an estimate of   the true proportion.  If this value can not      be "
     "estimated based on prior information,       use the default value, the action level.)" +
         kStratum,
     kStratumNames},
    {Made<CStrataSummaryDlg>, false,
     "TALO - Stratum Design Inputs|Strata Design Summary|Stratum\t\tWeight\t\tStd Dev|Change "
     "Number|Change Values|OK",
     "headerLabel strataList changeNumberButton changeValuesButton okButton"},
};

// Every field, button and list is named for the screen reader by the caption
// beside it; the close box asks to terminate or acts as Esc.
class DesignCatalogueTest : public testing::TestWithParam<Catalogued> {};

TEST_P(DesignCatalogueTest, TextsControlsNamesAndClosing)
{
    const Catalogued& c = GetParam();
    const QStringList texts = QString::fromStdString(c.texts).split('|');
    DQORecord rec = StartingRecord(kOneMean);
    const auto dialog = c.make(rec);
    CScriptedSeams seams;
    seams.answers.push_back(kAnswerCancel);
    seams.scripts.push_back([&](QDialog& d) {
        QStringList shown{d.windowTitle()}, names;
        for (QWidget* w : d.findChildren<QWidget*>()) {
            shown << w->property("title").toString() << w->property("text").toString();
            if (w->focusPolicy() & Qt::TabFocus)
                names << QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        }
        EXPECT_EQ(d.windowTitle(), texts.front());
        for (const QString& text : texts)
            EXPECT_TRUE(shown.contains(text)) << text.toStdString();
        for (const QString& name : QString::fromLatin1(c.names).split(' '))
            EXPECT_NO_THROW(Child(d, name));
        EXPECT_FALSE(names.contains(QString())) << names.join('|').toStdString();
        Act(d, "close");
    });
    EXPECT_EQ(seams.RunModal(*dialog), c.asks ? 0 : kEndCancel);
    EXPECT_EQ(seams.shown.size(), c.asks ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(DesignScreens, DesignCatalogueTest, testing::ValuesIn(kScreens));

// A sequence run over a screen on a record of the parameter: on each screen
// shown in turn, what it shows ("" for nothing checked) and the steps done;
// then the record's design inputs and the messages shown.
struct Screen {
    std::string shows;
    QString steps;
};
struct SequenceCase {
    const char* name;
    void (*run)(CTaloDialog&, DQORecord&);
    int parameter, design;
    std::vector<Screen> screens;
    std::string stored;
    const char* messages = "";
};

// The list's rows, "|" between them, as one more "name=text" of Shows.
std::string Rows(QDialog& d)
{
    QStringList rows;
    for (int i = 0; i < Child<QListWidget>(d, "strataList").count(); ++i)
        rows << Child<QListWidget>(d, "strataList").item(i)->text();
    return ("strataList=" + rows.join('|')).toStdString();
}

class DesignSequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(DesignSequenceTest, ScreensShownAndStored)
{
    const SequenceCase& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter);
    rec.nDesign = c.design;
    if (c.design == kStratified)
        rec.nStrata = 2, rec.dStratumWeight[0] = rec.dStratumWeight[1] = 0.5;
    CTaloDialog over(QStringLiteral("TALO"), EscapeKey::CloseAtOnce, CloseBox::ActsAsEscape);
    CScriptedSeams seams;
    for (const Screen& s : c.screens)
        seams.scripts.push_back([&s](QDialog& d) {
            const bool list = s.shows.rfind("strataList=", 0) == 0;
            EXPECT_EQ(list ? Rows(d) : Shows(d, s.shows), s.shows) << d.windowTitle().toStdString();
            Act(d, s.steps);
        });
    c.run(over, rec);
    EXPECT_TRUE(seams.scripts.empty());
    std::string stored = FormatText("%d %d %d", rec.nDesign, rec.nStrata, rec.nAliquots);
    for (int i = 0; i < rec.nStrata; ++i)
        stored += FormatText(" %g %g", rec.dStratumValue[i], rec.dStratumWeight[i]);
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(seams.ShownTexts(), c.messages);
    for (const CScriptedSeams::Shown& box : seams.shown)
        EXPECT_EQ(box.title, QStringLiteral("TALO"));
    if (c.run == RunStrataSequence) { // the remainder stored, not its rounded text
        EXPECT_EQ(rec.dStratumWeight[2], 1 - 0.667);
    }
}

const SequenceCase kSequences[] = {
    {"ThreeStrataAsOffered",
     RunStrataSequence,
     kOneMean,
     kStratified,
     {{"strataEdit=2", "strataEdit=3 okButton"},
      {"numberText=1|valueEdit=16.6700|weightEdit=0.333|fixedText=", "okButton"},
      {"weightEdit=0.334", "okButton"},
      {"numberText=3 (final stratum)|weightEdit=0.333|fixedText=(fixed)", "okButton"}},
     "2 3 0 16.67 0.333 16.67 0.334 16.67 0.333"},
    {"ChangeValuesRebuildsTheList",
     RunStrataListLoop,
     kOneMean,
     kStratified,
     {{"", "changeValuesButton"},
      {"", "valueEdit=30 weightEdit=0.25 okButton"},
      {"weightEdit=0.750", "valueEdit=10 okButton"},
      {"strataList=      1                  0.2500              30|      2                  "
       "0.7500              10",
       "okButton"}},
     "2 2 0 30 0.25 10 0.75"},
    {"EscAndEnterShowTheChoiceAgain",
     RunDesignChoice,
     kOneMean,
     kSimpleRandom,
     {{"", "compositeRadio Esc"},
      {"simpleRadio=checked", "stratifiedRadio Enter:stratifiedRadio"},
      {"stratifiedRadio=checked", "okButton"}},
     "2 0 0"},
    {"ProportionStratifiedIsCodeTwo",
     RunDesignChoice,
     kOneProportion,
     kSimpleRandom,
     {{"", "stratifiedRadio close"}, {"simpleRadio=checked", "stratifiedRadio okButton"}},
     "2 0 0"},
    {"CompositeFirstUse",
     RunCompositeInputs,
     kOneMean,
     kComposite,
     {{"sdRatioEdit=0.10|aliquotsEdit=4|compositingCostEdit=5.00",
       "aliquotsEdit=0 okButton aliquotsEdit=3 okButton"}},
     "1 0 3",
     "ERROR: Number of aliquots per sample must be greater than zero."},
};
INSTANTIATE_TEST_SUITE_P(DesignScreens, DesignSequenceTest, testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

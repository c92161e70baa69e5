#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/number_text.h"
#include "tests/support/records.h"
#include "tests/support/screen_controls.h"
#include "tests/support/scripted_seams.h"
#include "ui/screens/design_dlgs.h"
#include "ui/screens/design_sequences.h"

namespace {

// A sequence run over a screen on a record of the parameter: on each screen
// shown in turn (" ; " between them), what it shows ("" for nothing checked)
// " > " the steps done; then the record's design inputs and the messages.
struct SequenceCase {
    void (*run)(CTaloDialog&, DQORecord&);
    int parameter, design;
    const char* screens;
    std::string stored;
    const char* messages = "";
};

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
    for (const QString& screen : QString::fromLatin1(c.screens).split(" ; "))
        seams.scripts.push_back([shows = screen.section(" > ", 0, 0).toStdString(),
                                 steps = screen.section(" > ", 1)](QDialog& d) {
            EXPECT_EQ(Shows(d, shows), shows) << d.windowTitle().toStdString();
            // The final stratum's weight is the remainder, not to be typed.
            const auto* weight = d.findChild<QLineEdit*>("weightEdit");
            EXPECT_TRUE(!weight ||
                        weight->isReadOnly() == (Shows(d, "fixedText=") == "fixedText=(fixed)"));
            Act(d, steps);
        });
    c.run(over, rec);
    EXPECT_TRUE(seams.scripts.empty());
    std::string stored = FormatText("%d %d %d", rec.nDesign, rec.nStrata, rec.nAliquots);
    for (int i = 0; i < rec.nStrata; ++i)
        stored += FormatText(" %g %g", rec.dStratumValue[i], rec.dStratumWeight[i]);
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(seams.ShownTexts(), c.messages);
    // The remainder stored, not its rounded text.
    EXPECT_TRUE(c.run != RunStrataSequence || rec.dStratumWeight[2] == 1 - 0.667);
}

const SequenceCase kSequences[] = {
    {RunStrataSequence, kOneMean, kStratified,
     "strataEdit=2 > strataEdit=3 okButton ; "
     "numberText=1|valueEdit=16.6700|weightEdit=0.333|fixedText= > okButton ; "
     "weightEdit=0.334 > okButton ; "
     "numberText=3 (final stratum)|weightEdit=0.333|fixedText=(fixed) > okButton",
     "2 3 0 16.67 0.333 16.67 0.334 16.67 0.333"},
    {RunStrataListLoop, kOneMean, kStratified,
     " > changeValuesButton ;  > valueEdit=30 weightEdit=0.25 okButton ; "
     "weightEdit=0.750 > valueEdit=10 okButton ; "
     "strataList=      1                  0.2500              30/"
     "      2                  0.7500              10 > okButton",
     "2 2 0 30 0.25 10 0.75"},
    // Esc and Enter close the choice without OK: it is shown again.
    {RunDesignChoice, kOneProportion, kSimpleRandom,
     " > stratifiedRadio Esc ; simpleRadio=checked > stratifiedRadio Enter:stratifiedRadio ; "
     "stratifiedRadio=checked > okButton",
     "2 0 0"},
    {RunCompositeInputs, kOneMean, kComposite,
     "sdRatioEdit=0.10|aliquotsEdit=4|compositingCostEdit=5.00 > "
     "aliquotsEdit=0 okButton aliquotsEdit=3 okButton",
     "1 0 3", "ERROR: Number of aliquots per sample must be greater than zero."},
};
INSTANTIATE_TEST_SUITE_P(DesignScreens, DesignSequenceTest, testing::ValuesIn(kSequences));

} // namespace

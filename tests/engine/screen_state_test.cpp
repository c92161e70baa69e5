#include "engine/design_screens.h"
#include "engine/screen_state.h"

#include <algorithm>
#include <utility>

#include <gtest/gtest.h>

#include "tests/engine/stats/designed_records.h"

// What the screens show and store: one way through each screen, its texts and
// stored values collected in order. The messages of the checks are the input
// check tests' table; here one failing check a screen shows that the screen
// hands its fields to its checks. Radio clicks and labels are the widget
// tests'.

namespace {

// A line of a message from the given words on: the values it shows.
const auto From = [](const std::string& text, const char* start) {
    const size_t at = std::min(text.find(start), text.size());
    return text.substr(at, text.find('\n', at) - at);
};

// A screen as its caller fills it.
template <typename Screen, typename... Params, typename... Args>
Screen Filled(void (*fill)(Screen&, Params...), Args&&... args)
{
    Screen screen;
    fill(screen, std::forward<Args>(args)...);
    return screen;
}

// The action level of two proportions is hidden and never read.
TEST(InputScreens, FilledStoredAndChecked)
{
    DQORecord rec, two = StartingRecord(kTwoMean, kBaselineAtLeast);
    auto s = Filled(FillOneMeanScreen, rec);
    s.m_strActionLevel = "40", s.m_nSDMode = kSDByCV, s.m_strCV = "25", s.m_strMaximum = "30";
    ClickOneMeanBaseline(s, kBaselineAtLeast);
    StoreMeanScreen(s, rec);
    Texts t = Texts{s.m_strOtherBound} << rec.dSD << From(CheckOneMeanScreen(s), "Max");
    two.dActionLevel = 2.5;
    auto m = Filled(FillModifyMeanScreen, two);
    m.m_strActionLevel = "30"; // beyond the record's maximum
    t << m.m_strBaseline << From(CheckModifyMeanScreen(m, two), "<= M");
    m.m_strActionLevel = "10", m.m_nSDMode = kSDByCV, m.m_strCV = "20";
    StoreModifyMeanScreen(m, two);
    t << two.dUpperBound << two.dSD;
    DQORecord prop = StartingRecord(kOneProportion), props = StartingRecord(kTwoProportion);
    auto p = Filled(FillOnePropScreen, prop);
    p.m_strActionLevel = "0.2", p.m_nBaseline = kBaselineAtLeast, p.m_strOtherBound = "0.1";
    StoreOnePropScreen(p, prop);
    auto q = Filled(FillModifyPropScreen, props);
    q.m_strActionLevel = "5", q.m_strBound = "0.15";
    StoreModifyPropScreen(q, props);
    t << CheckModifyPropScreen(q, props) << prop.dLowerBound << prop.dUpperBound
      << props.dActionLevel << props.dUpperBound;
    // Points of proportions with three decimals, limits as "%g" (0.0004 would
    // read as 0 with three and be refused); an entry whose limit is not a valid
    // one stays empty. Costs are stored as typed, text as 0.
    rec = StartingRecord(kOneProportion);
    rec.dBelow1 = 0.1234, rec.fBelow1Limit = 0.0004f, rec.dAbove2 = 0.9, rec.fAbove2Limit = 0.6f;
    auto l = Filled(FillAdditionalLimitsScreen, rec);
    t << l.m_strBelow1 << l.m_strBelow1Limit << l.m_strAbove2Limit
      << CheckAdditionalLimitsScreen(l, rec);
    StoreCostsScreen({"12.345", "abc", 1, 0}, rec);
    t << rec.fLabCost << rec.fFieldCost << rec.bFieldCostTotal;
    // A single entry below ends next to the lower bound, above next to the
    // upper one; a limit without its point is no entry; pairs come in order.
    // Entries count 2 and 1 below, 1 and 2 above.
    rec = DQORecord();
    AdditionalLimitsScreen a{"", "", "", "", "30", ".2", "", "", "", "0.3", "90", "0.1"};
    StoreAdditionalLimitsScreen(a, rec);
    t << rec.dBelow1 << rec.fBelow1Limit << rec.dBelow2 << rec.fBelow2Limit << rec.dAbove1
      << rec.dAbove2 << rec.nAboveCount;
    a = {"", "", "", "", "40", "0.2", "10", "0.05", "", "", "", ""};
    StoreAdditionalLimitsScreen(a, rec);
    t << rec.dBelow1 << rec.dBelow2 << rec.nBelowCount;
    // Near the largest number a proposal or a label must not show "inf".
    OneMeanInputsScreen screen;
    screen.m_strMaximum = screen.m_strActionLevel = "1.7e308";
    screen.m_strCV = "1e308";
    ClickOneMeanBaseline(screen, kBaselineAtMost);
    ClickCoefficient(screen);
    t << screen.m_strOtherBound << (screen.m_strCVLabel.find("inf") == std::string::npos);
    EXPECT_EQ(t.Joined(),
              "20|10|Maximum(30)|mean1-mean2 >= 2.5|<= Maximum(20)|10|2||0.1|0.2|0|0.15|"
              "0.123|0.0004|||12.345|0|1|0|0|30|0.2|90|100|2|10|40|3|1.7e+308|1|");
}

// --- The summary screen and its pass ---------------------------------------------

// The starting analysis, then with the deviation from a coefficient and two
// additional rows, one of them with the limit 0 (not shown); then the other
// parameters and designs.
TEST(SummaryScreen, FilledAcceptedAndApplied)
{
    DQORecord rec = Computed(kOneMean);
    auto s = Filled(FillSummaryScreen, rec);
    Texts t{s.m_strDesign,           s.m_strSamplesLabel, s.m_strParameter,        s.m_strSD,
            s.m_strGrayRegion,       s.m_strBaseline,     s.m_strPoint[kRowLower], s.m_strFieldCost,
            s.m_strLimit[kRowLower], s.m_strSamples,      s.m_strTotalCost};
    rec.bSDFromCV = 1, rec.dSD = 10, rec.dBelow2 = 45, rec.fBelow2Limit = 0.001f, rec.dAbove1 = 80;
    FillSummaryScreen(s, rec);
    t << s.m_strSD << s.m_strPoint[kRowBelow2] << s.m_strLimit[kRowBelow2]
      << s.m_strPoint[kRowAbove1];
    FillSummaryScreen(s, Computed(kTwoProportion, 33, 34650));
    t << s.m_strParameter << s.m_strBaseline << s.m_strGrayRegion << s.m_strSamplesNote
      << s.m_strSamplesLabel;
    rec = Computed(kOneMean, 7, 8470);
    rec.nDesign = kComposite, rec.dSDRatio = 0.5, rec.nAliquots = 4;
    FillSummaryScreen(s, rec);
    t << s.m_strDesignInputs1 << s.m_strDesignInputs2 << s.m_strSamplesNote
      << s.m_strCompositingCost;
    SetStrata(rec, {10, 20}, {0.3, 0.7});
    rec.nStratumSamples[0] = 4, rec.nStratumSamples[1] = 9;
    FillSummaryScreen(s, rec);
    t << s.m_strDesignInputs1 << s.m_strDesignInputs2 << s.m_strSamplesNote << s.m_strSamplesLabel
      << s.m_strSD;
    // The table's rows are checked before the bounds' limits; a limit at a bound
    // is stored before the next one is checked. Then the pass: a single typed
    // point below ends next to the lower bound.
    DQORecord current = Computed(kOneMean), original = current;
    s = Filled(FillSummaryScreen, current);
    s.m_strPoint[kRowBelow1] = "60", s.m_strLimit[kRowBelow1] = "0.2";
    s.m_strLimit[kRowLower] = "0.05";
    t << From(AcceptSummaryScreen(s, current), "Action");
    s.m_strPoint[kRowBelow1] = "30", s.m_strLimit[kRowUpper] = "0.6";
    t << From(AcceptSummaryScreen(s, current), "<= 0") << current.fLimitAtLower;
    RecordingMessages messages;
    t << ApplySummaryScreen(s, current, original, messages) << current.dBelow1 << current.dBelow2
      << current.fBelow2Limit << current.nBelowCount << current.dAbove1;
    // Leaving without Update takes neither a size typed on a refused try nor
    // a row that would be refused; a size retyped as shown is no longer asked
    // for. "Original DQOs" keeps the design with the first inputs typed for it
    // and the results of the last computation.
    current = Computed(kOneMean), original = StartingRecord(kOneMean);
    current.dCalcTotalCost = current.dTotalCost;
    s = Filled(FillSummaryScreen, current);
    s.m_strSamples = "10", s.m_strPoint[kRowBelow1] = "60", s.m_strLimit[kRowBelow1] = "0.2";
    s.m_strPoint[kRowAbove1] = "80", s.m_strLimit[kRowAbove1] = "0.2";
    AcceptSummaryScreen(s, current);
    t << current.bSamplesChanged;
    s.m_strSamples = "13";
    AcceptSummaryScreen(s, current);
    t << current.bSamplesChanged;
    s.m_strSamples = "10";
    AcceptSummaryScreen(s, current);
    s.m_bLeave = 1;
    ApplySummaryScreen(s, current, original, messages);
    t << current.fLimitAtUpper << current.fBelow1Limit << current.fBelow2Limit << current.dAbove1
      << current.nAboveCount;

    current.nDesign = kComposite, current.dSDRatio = 0.5, current.nAliquots = 3;
    current.fCompositingCost = 7, current.bRestoreOriginal = 1;
    ApplySummaryScreen(s, current, original, messages);
    t << current.nDesign << current.dSDRatio << current.nAliquots << current.fCompositingCost
      << current.nSamples << current.dAbove1 << original.nAliquots;
    EXPECT_EQ(
        t.Joined(),
        "Simple Random Sampling|Number of Samples:|Mean|16.67|50 - 75|mean <= "
        "50.000|50*|50.00|0.01|13|13650.00|10 (20% of AL)|45|0.001||Two-Sample Proportion|prop1 - "
        "prop2 <= 0.000|0.000 - 0.500|(66 Samples Total)|Number of Samples (per population):|Ratio "
        "of Measurement SD to Total SD: 0.500|Size of Composite Sample: 4|(28 Total "
        "Grabs)|10.00|Stratum weights:   0.300  0.700 |Std. deviations:    10.00  20.00 |Samples "
        "per stratum:  4 9|Total Number of Samples:|N/A|"
        "Action Level(50.000)|<= 0.5|0.05|1|0|30|0.2|1|100|1|0|0.01|0|0|80|1|1|0.5|3|7|13|0|3|");
}

} // namespace

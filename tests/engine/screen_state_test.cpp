#include "engine/screen_state.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/number_text.h"
#include "tests/engine/stats/designed_records.h"
#include "tests/support/recording_messages.h"

// What the screens show, propose and store. The messages of their checks are
// the input check tests' table; here one failing check a screen proves that
// the screen hands its fields to its checks.

namespace {

using Texts = std::vector<std::string>;

// One screen's way through filling, clicking, typing, checking and storing,
// with what it shows or stores along the way as texts.
struct Case {
    const char* name;
    Texts (*run)();
    Texts expected;
};

class ScreenStateTest : public testing::TestWithParam<Case> {};

TEST_P(ScreenStateTest, ShowsAndStoresAsTheScreenDoes)
{
    EXPECT_EQ(GetParam().run(), GetParam().expected);
}

Texts& operator<<(Texts& texts, const std::string& text)
{
    texts.push_back(text);
    return texts;
}

// Stored numbers as "%g".
Texts& operator<<(Texts& texts, double value)
{
    return texts << FormatText("%g", value);
}

// The record as the wizard leaves it after choosing the parameter.
DQORecord Chosen(ParameterCode parameter, int baseline = kBaselineAtMost)
{
    DQORecord rec;
    rec.nParameter = parameter;
    rec.nBaseline = baseline;
    ApplyParameterDefaults(rec, parameter);
    return rec;
}

// The end of a message from the given words on: the values it shows.
std::string From(const std::string& text, const char* start)
{
    const size_t at = text.find(start);
    return at == std::string::npos ? text : text.substr(at);
}

const Case kInputScreens[] = {
    {"OneMean",
     [] {
         DQORecord rec;
         OneMeanInputsScreen s;
         FillOneMeanScreen(s, rec);
         Texts t{s.m_strMinimum, s.m_strMaximum, s.m_strOtherBound, s.m_strSD, s.m_strCV};
         s.m_strActionLevel = "40";
         ClickOneMeanBaseline(s, kBaselineAtMost);
         t << s.m_strCVLabel << s.m_strOtherBound << s.m_strBoundLabel;
         ClickOneMeanBaseline(s, kBaselineAtLeast);
         s.m_nSDMode = kSDByCV, s.m_strCV = "25";
         StoreMeanScreen(s, rec);
         s.m_strMaximum = "30";
         return t << s.m_strOtherBound << s.m_strBoundLabel << rec.dLowerBound << rec.dUpperBound
                  << rec.dSD << From(CheckOneMeanScreen(s), "Minimum");
     },
     {"0", "100", "75", "16.67", "20", "% of AL (= 10    )", "70", "Upper Bound:", "20",
      "Lower Bound:", "20", "40", "10",
      "Minimum(0) < Lower Bound of Gray Region < Action Level < Maximum(30)"}},
    // The two-sample step ties the baseline's bound to the action level.
    {"TwoMean",
     [] {
         DQORecord rec = Chosen(kTwoMean, kBaselineAtLeast);
         TwoMeanInputsScreen s;
         FillTwoMeanScreen(s, rec);
         Texts t{s.m_strMinimum, s.m_strSD};
         t << rec.dUpperBound;
         ClickTwoMeanBaseline(s, kBaselineAtLeast);
         t << s.m_strOtherBound;
         ClickTwoMeanBaseline(s, kBaselineAtMost);
         s.m_nSDMode = kSDByValue;
         StoreMeanScreen(s, rec);
         s.m_strMinimum = "10";
         return t << s.m_strOtherBound << rec.dSD << rec.dLowerBound << rec.dUpperBound
                  << From(CheckTwoMeanScreen(s), "Minimum");
     },
     {"-20", "6.667", "0", "-5.0", "5.0", "6.667", "0", "5",
      "Minimum(10) < Action Level(0) < Upper Bound of Gray Region( 5) < Maximum(20)"}},
    {"ModifyMean",
     [] {
         DQORecord rec = Chosen(kTwoMean, kBaselineAtLeast);
         rec.dActionLevel = 2.5, rec.dLowerBound = -1.25;
         ModifyMeanScreen s;
         FillModifyMeanScreen(s, rec);
         Texts t{s.m_strBaseline, s.m_strBoundLabel, s.m_strBound};
         s.m_strActionLevel = "30"; // beyond the record's maximum
         t << From(CheckModifyMeanScreen(s, rec), "Minimum");
         s.m_strActionLevel = "10", s.m_nSDMode = kSDByCV, s.m_strCV = "20";
         ClickCoefficient(s);
         StoreModifyMeanScreen(s, rec);
         return t << s.m_strCVLabel << rec.dLowerBound << rec.dUpperBound << rec.dSD
                  << rec.nBaseline;
     },
     {"mean1-mean2 >= 2.5", "Gray Region Lower Bound:", "-1.25",
      "Minimum(-20) < Lower Bound of Gray Region < Action Level <= Maximum(20)",
      "% of AL (= 2     )", "-1.25", "10", "2", "0"}},
    {"OneProportion",
     [] {
         DQORecord rec = Chosen(kOneProportion);
         OnePropInputsScreen s;
         FillOnePropScreen(s, rec);
         Texts t{s.m_strActionLevel, s.m_strOtherBound};
         s.m_strActionLevel = "0.2";
         ClickOnePropBaseline(s, kBaselineAtMost);
         t << s.m_strOtherBound;
         ClickOnePropBaseline(s, kBaselineAtLeast);
         StoreOnePropScreen(s, rec);
         s.m_strOtherBound = "0.3";
         return t << rec.dLowerBound << rec.dUpperBound << From(CheckOnePropScreen(s), "0.00");
     },
     {"0.5", "0.75", "0.6", "0.1", "0.2",
      "0.00 < Lower Bound of Gray Region < Action Level < 1.00"}},
    // A click keeps the size of the bound typed so far.
    {"TwoProportions",
     [] {
         DQORecord rec = Chosen(kTwoProportion);
         TwoPropInputsScreen s;
         FillTwoPropScreen(s, rec);
         Texts t{s.m_strMinimum, s.m_strOtherBound};
         s.m_strOtherBound = "0.15";
         ClickTwoPropBaseline(s, kBaselineAtLeast);
         t << s.m_strOtherBound << s.m_strMinimum << s.m_strMaximum;
         ClickTwoPropBaseline(s, kBaselineAtMost);
         t << s.m_strOtherBound << s.m_strMaximum;
         StoreTwoPropScreen(s, rec);
         s.m_strOtherBound = "1";
         return t << From(CheckTwoPropScreen(s), "0.00 <") << rec.dLowerBound << rec.dUpperBound;
     },
     {"-1", "0.5", "-0.15", "-1.00", " 0.00", "0.15", "1.00",
      "0.00 < Upper Bound of Gray Region(1) < 1.00", "0", "0.15"}},
    // The action level of two proportions is hidden and never read.
    {"ModifyProportions",
     [] {
         DQORecord rec = Chosen(kTwoProportion), one = Chosen(kOneProportion);
         ModifyPropScreen s;
         FillModifyPropScreen(s, rec);
         Texts t{s.m_strMinimum, s.m_strBaseline, s.m_strActionLevelLabel, s.m_strBound};
         s.m_strActionLevel = "5", s.m_strBound = "0.15";
         StoreModifyPropScreen(s, rec);
         t << CheckModifyPropScreen(s, rec) << rec.dActionLevel << rec.dUpperBound;
         FillModifyPropScreen(s, one);
         return t << s.m_strActionLevelLabel << s.m_strActionLevel;
     },
     {"-1.00", "prop1-prop2 <= 0.000", "Action Level (AL):         0.00 (fixed)", "0.500", "", "0",
      "0.15", "Action Level (AL):", "0.500"}},
    // Points of proportions with three decimals, limits as "%g"; an entry
    // whose limit is not a valid one stays empty.
    {"CostsAndLimits",
     [] {
         DQORecord rec = Chosen(kOneProportion);
         rec.dLowerBound = 0.5, rec.dBelow1 = 0.1234, rec.fBelow1Limit = 0.05f;
         rec.dAbove2 = 0.9, rec.fAbove2Limit = 0.6f;
         CostsScreen costs;
         FillCostsScreen(costs, rec);
         ErrorLimitsScreen limits;
         FillErrorLimitsScreen(limits, rec);
         AdditionalLimitsScreen s;
         FillAdditionalLimitsScreen(s, rec);
         Texts t{costs.m_strLabCost,       costs.m_strFieldCost, limits.m_strLowerBound,
                 limits.m_strLimitAtUpper, s.m_strUpperBound,    s.m_strBelow1,
                 s.m_strBelow1Limit,       s.m_strAbove2,        s.m_strAbove2Limit};
         costs = {"12.345", "abc", 1, 0};
         limits.m_strLimitAtLower = "0.05";
         StoreCostsScreen(costs, rec);
         StoreErrorLimitsScreen(limits, rec);
         t << rec.fLabCost << rec.fFieldCost << rec.bFieldCostTotal << rec.fLimitAtLower;
         costs.m_strFieldCost = "-1", limits.m_strLimitAtUpper = "0.6";
         return t << From(CheckCostsScreen(costs), "cannot")
                  << From(CheckErrorLimitsScreen(limits), "0 <");
     },
     {"1000.00", "50.00", "(0.500):", "0.01", "0.750", "0.123", "0.05", "", "", "12.345", "0", "1",
      "0.05", "cannot be less than zero.", "0 < Error Limit <= 0.5"}},
    // A single entry below ends next to the lower bound, above next to the
    // upper one; a limit without its point is no entry; pairs come in order.
    // Entries count 2 and 1 below, 1 and 2 above.
    {"AdditionalLimitsStored",
     [] {
         DQORecord rec;
         AdditionalLimitsScreen s{"", "", "", "", "30", ".2", "", "", "", "0.3", "90", "0.1"};
         StoreAdditionalLimitsScreen(s, rec);
         Texts t;
         t << rec.dBelow1 << rec.fBelow1Limit << rec.dBelow2 << rec.fBelow2Limit << rec.dAbove1
           << rec.fAbove1Limit << rec.dAbove2 << rec.fAbove2Limit << rec.nAboveCount;
         s.m_strAbove2 = "100";
         t << From(CheckAdditionalLimitsScreen(s, rec), "Gray");
         s = {"", "", "", "", "40", "0.2", "10", "0.05"};
         StoreAdditionalLimitsScreen(s, rec);
         return t << rec.dBelow1 << rec.fBelow1Limit << rec.dBelow2 << rec.nBelowCount
                  << rec.nAboveCount;
     },
     {"0", "0", "30", "0.2", "90", "0.1", "100", "0", "2",
      "Gray Region Upper Bound(75.000) < Additional concentration < Maximum(100.000)", "10", "0.05",
      "40", "3", "0"}},
    // 2.9 aliquots and 3.9 strata read as 2 and 3.
    {"CompositeAndStrataCount",
     [] {
         DQORecord rec;
         CompositeScreen composite;
         FillCompositeScreen(composite, rec);
         StrataCountScreen count;
         FillStrataCountScreen(count, rec);
         Texts t{composite.m_strSDRatio, composite.m_strAliquots, composite.m_strCompositingCost,
                 count.m_strStrata};
         composite = {"0.5", "2.9", "12.5"};
         count.m_strStrata = "3.9";
         StoreCompositeScreen(composite, rec);
         StoreStrataCountScreen(count, rec);
         FillCompositeScreen(composite, rec);
         FillStrataCountScreen(count, rec);
         t << composite.m_strSDRatio << composite.m_strAliquots << composite.m_strCompositingCost
           << count.m_strStrata;
         composite.m_strSDRatio = "1", count.m_strStrata = "1.9";
         return t << From(CheckCompositeScreen(composite), "0.0 <")
                  << From(CheckStrataCountScreen(count), "2 to");
     },
     {"0.10", "4", "5.00", "2", "0.50", "2", "12.50", "3", "0.0 < Ratio < 1.0\n",
      "2 to 5!\nRe-enter the number of strata."}},
    // Three strata: an equal share of what is left, the last the remainder.
    {"Strata",
     [] {
         DQORecord rec, prop = StartingRecord(kOneProportion, kBaselineAtLeast);
         rec.nStrata = 3, rec.dCalcSD = 16.67, rec.dCalcMaximum = 100;
         MeanStratumScreen first, last;
         FillMeanStratumScreen(first, rec, 1, 0);
         FillMeanStratumScreen(last, rec, 3, 0.666);
         Texts t{first.m_strWeight, last.m_strNumber, last.m_strValue, last.m_strWeight,
                 last.m_strFixed};
         last.m_strValue = "200.01";
         t << From(CheckMeanStratumScreen(last, rec), "0.0 <") << StoreStratumScreen(last, rec, 3)
           << rec.dStratumValue[2];
         // A proportion is offered the action level: the upper bound for Ho >=.
         prop.nStrata = 2;
         PropStratumScreen s;
         FillPropStratumScreen(s, prop, 1, 0);
         t << s.m_strValue << s.m_strWeight;
         s.m_strValue = "1";
         return t << From(CheckPropStratumScreen(s), "0.0 <");
     },
     {"0.333", "3 (final stratum)", "16.6700", "0.334", "(fixed)", "0.0 < std dev <= 200.00\n",
      "0.334", "200.01", "0.5000", "0.500", "0.0 < proportion < 1.0"}},
};

INSTANTIATE_TEST_SUITE_P(Inputs, ScreenStateTest, testing::ValuesIn(kInputScreens),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The summary screen and its pass -------------------------------------------

DQORecord Computed(ParameterCode parameter, int samples, double totalCost)
{
    DQORecord rec = StartingRecord(parameter);
    rec.nSamples = samples, rec.dTotalCost = totalCost;
    return rec;
}

const Case kSummary[] = {
    // The starting analysis, then with the deviation from a coefficient and
    // two additional rows, one of them with the limit 0 (not shown).
    {"Mean",
     [] {
         DQORecord rec = Computed(kOneMean, 13, 13650);
         SummaryScreen s;
         FillSummaryScreen(s, rec);
         Texts t{s.m_strDesign,           s.m_strDesignInputs1, s.m_strSamplesLabel,
                 s.m_strParameter,        s.m_strActionLevel,   s.m_strSD,
                 s.m_strGrayRegion,       s.m_strBaseline,      s.m_strPoint[kRowLower],
                 s.m_strLimit[kRowLower], s.m_strFieldCost,     s.m_strFieldCostUnit,
                 s.m_strSamples,          s.m_strTotalCost,     s.m_strSamplesNote};
         rec.bSDFromCV = 1, rec.dSD = 10, rec.dBelow2 = 45, rec.fBelow2Limit = 0.001f;
         rec.dAbove1 = 80;
         FillSummaryScreen(s, rec);
         return t << s.m_strSD << s.m_strPoint[kRowBelow2] << s.m_strLimit[kRowBelow2]
                  << s.m_strPoint[kRowAbove1];
     },
     {"Simple Random Sampling", "No design-specific inputs for Simple Random Sampling.",
      "Number of Samples:", "Mean", "50", "16.67", "50 - 75", "mean <= 50.000", "50*", "0.01",
      "50.00", "(Per Sample):", "13", "13650.00", "", "10 (20% of AL)", "45", "0.001", ""}},
    {"TwoProportions",
     [] {
         SummaryScreen s;
         FillSummaryScreen(s, Computed(kTwoProportion, 33, 34650));
         return Texts{
             s.m_strParameter,   s.m_strBaseline,     s.m_strGrayRegion, s.m_strPoint[kRowLower],
             s.m_strSamplesNote, s.m_strSamplesLabel, s.m_strSD};
     },
     {"Two-Sample Proportion", "prop1 - prop2 <= 0.000", "0.000 - 0.500", "0.000*",
      "(66 Samples Total)", "Number of Samples (per population):", ""}},
    {"Designs",
     [] {
         DQORecord rec = Computed(kOneMean, 7, 8470);
         rec.nDesign = kComposite, rec.dSDRatio = 0.5, rec.nAliquots = 4;
         SummaryScreen s;
         FillSummaryScreen(s, rec);
         Texts t{s.m_strDesign, s.m_strDesignInputs1, s.m_strDesignInputs2, s.m_strSamplesNote,
                 s.m_strCompositingCost};
         SetStrata(rec, {10, 20}, {0.3, 0.7});
         rec.nStratumSamples[0] = 4, rec.nStratumSamples[1] = 9;
         FillSummaryScreen(s, rec);
         return t << s.m_strDesignInputs1 << s.m_strDesignInputs2 << s.m_strStrata
                  << s.m_strSamplesNote << s.m_strSamplesLabel << s.m_strSD
                  << s.m_strCompositingCost;
     },
     {"Composite Sampling", "Ratio of Measurement SD to Total SD: 0.500",
      "Size of Composite Sample: 4", "(28 Total Grabs)", "10.00",
      "Stratum weights:   0.300  0.700 ", "Std. deviations:    10.00  20.00 ",
      "Number of Strata: 2", "Samples per stratum:  4 9", "Total Number of Samples:", "N/A", ""}},
    // The table's rows are checked before the bounds' limits; a limit at a
    // bound is stored before the next one is checked.
    {"AcceptChecksTheTable",
     [] {
         DQORecord rec = Computed(kOneMean, 13, 13650);
         SummaryScreen s;
         FillSummaryScreen(s, rec);
         s.m_strPoint[kRowBelow1] = "60", s.m_strLimit[kRowBelow1] = "0.1";
         s.m_strLimit[kRowLower] = "0.05";
         Texts t{From(AcceptSummaryScreen(s, rec), "Minimum")};
         s.m_strPoint[kRowBelow1].clear();
         s.m_strLimit[kRowUpper] = "0.6";
         return t << From(AcceptSummaryScreen(s, rec), "0 <") << rec.fLimitAtLower;
     },
     {"Minimum(0.000) < Additional concentration < Action Level(50.000)", "0 < Error Limit <= 0.5",
      "0.05"}},
    // A single typed point below ends next to the lower bound; "Original
    // DQOs" discards the table and keeps the design.
    {"PassReadsTheTableBack",
     [] {
         DQORecord current = Computed(kOneMean, 13, 13650), original = current;
         SummaryScreen s;
         FillSummaryScreen(s, current);
         s.m_strPoint[kRowBelow1] = "30", s.m_strLimit[kRowBelow1] = "0.2";
         RecordingMessages messages;
         Texts t;
         t << ApplySummaryScreen(s, current, original, messages);
         SortAdditionalPoints(current);
         t << current.dBelow1 << current.fBelow1Limit << current.dBelow2 << current.fBelow2Limit
           << current.nBelowCount << current.dAbove1;
         current.nDesign = kComposite, current.bRestoreOriginal = 1;
         return t << ApplySummaryScreen(s, current, original, messages) << current.fBelow2Limit
                  << current.bRestoreOriginal << current.nDesign;
     },
     {"1", "0", "0", "30", "0.2", "1", "100", "0", "0", "0", "1"}},
};

INSTANTIATE_TEST_SUITE_P(Summary, ScreenStateTest, testing::ValuesIn(kSummary),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

#include "engine/screen_state.h"

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "engine/number_text.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

namespace {

using Texts = std::vector<std::string>;

// One screen's way through filling, clicking, typing, checking and storing,
// with what it shows or stores along the way as texts.
struct Case {
    const char* name;
    Texts (*run)();
    Texts expected;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class ScreenStateTest : public testing::TestWithParam<Case> {};

TEST_P(ScreenStateTest, ShowsAndStoresAsTheScreenDoes)
{
    EXPECT_EQ(GetParam().run(), GetParam().expected);
}

std::string G(double value)
{
    return FormatText("%g", value);
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

// The end of a message from the given words on.
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
         Texts t{s.m_strMinimum, s.m_strMaximum, s.m_strOtherBound,
                 s.m_strSD,      s.m_strCV,      s.m_strCVLabel};
         ClickOneMeanBaseline(s, kBaselineAtMost);
         t.insert(t.end(), {s.m_strOtherBound, s.m_strBoundLabel});
         s.m_strActionLevel = "40";
         ClickOneMeanBaseline(s, kBaselineAtLeast);
         t.insert(t.end(), {s.m_strOtherBound, s.m_strBoundLabel});
         s.m_strOtherBound = "20abc";
         s.m_nSDMode = kSDByCV;
         s.m_strCV = "25";
         t.push_back(CheckOneMeanScreen(s));
         StoreMeanScreen(s, rec);
         t.insert(t.end(), {G(rec.nBaseline), G(rec.dLowerBound), G(rec.dUpperBound), G(rec.dSD),
                            G(rec.dCV)});
         return t;
     },
     {"0", "100", "75", "16.67", "20", "% of AL (= 10    )", "75", "Upper Bound:", "20",
      "Lower Bound:", "", "0", "20", "40", "10", "0.25"}},
    // The action level may equal the minimum of a difference only.
    {"TwoMean",
     [] {
         DQORecord rec = Chosen(kTwoMean, kBaselineAtLeast);
         rec.dLowerBound = -5;
         TwoMeanInputsScreen s;
         FillTwoMeanScreen(s, rec);
         Texts t{s.m_strMinimum, s.m_strOtherBound, s.m_strSD, G(rec.dUpperBound)};
         ClickTwoMeanBaseline(s, kBaselineAtLeast);
         t.push_back(s.m_strOtherBound);
         ClickTwoMeanBaseline(s, kBaselineAtMost);
         t.push_back(s.m_strOtherBound);
         s.m_strMinimum = "0";
         s.m_nSDMode = kSDByValue;
         OneMeanInputsScreen one;
         static_cast<MeanInputsScreen&>(one) = s;
         t.insert(t.end(), {CheckTwoMeanScreen(s), G(CheckOneMeanScreen(one).empty())});
         StoreMeanScreen(s, rec);
         t.insert(t.end(), {G(rec.dSD), G(rec.bSDFromCV), G(rec.dLowerBound), G(rec.dUpperBound)});
         return t;
     },
     {"-20", "-5", "6.667", "0", "-5.0", "5.0", "", "0", "6.667", "0", "0", "5"}},
    {"ModifyMean",
     [] {
         DQORecord rec = Chosen(kTwoMean, kBaselineAtLeast);
         rec.dActionLevel = 2.5;
         rec.dLowerBound = -1.25;
         ModifyMeanScreen s;
         FillModifyMeanScreen(s, rec);
         Texts t{s.m_strMinimum, s.m_strBaseline, s.m_strBoundLabel, s.m_strBound};
         s.m_strActionLevel = "30"; // beyond the record's maximum
         t.push_back(From(CheckModifyMeanScreen(s, rec), "Minimum"));
         s.m_strActionLevel = "10";
         s.m_nSDMode = kSDByCV;
         s.m_strCV = "20";
         ClickCoefficient(s);
         t.insert(t.end(), {s.m_strCVLabel, CheckModifyMeanScreen(s, rec)});
         StoreModifyMeanScreen(s, rec);
         t.insert(t.end(), {G(rec.dLowerBound), G(rec.dUpperBound), G(rec.dSD), G(rec.nBaseline),
                            G(rec.dMinimum)});
         return t;
     },
     {"-20", "mean1-mean2 >= 2.5", "Gray Region Lower Bound:", "-1.25",
      "Minimum(-20) < Lower Bound of Gray Region < Action Level <= Maximum(20)",
      "% of AL (= 2     )", "", "-1.25", "10", "2", "0", "-20"}},
    {"OneProportion",
     [] {
         DQORecord rec = Chosen(kOneProportion);
         OnePropInputsScreen s;
         FillOnePropScreen(s, rec);
         Texts t{s.m_strActionLevel, s.m_strOtherBound, G(rec.dLowerBound)};
         s.m_strActionLevel = "0.2";
         ClickOnePropBaseline(s, kBaselineAtMost);
         t.push_back(s.m_strOtherBound);
         ClickOnePropBaseline(s, kBaselineAtLeast);
         t.insert(t.end(), {s.m_strOtherBound, CheckOnePropScreen(s)});
         StoreOnePropScreen(s, rec);
         t.insert(t.end(), {G(rec.dMaximum), G(rec.dLowerBound), G(rec.dUpperBound)});
         return t;
     },
     {"0.5", "0.75", "0.5", "0.6", "0.1", "", "1", "0.1", "0.2"}},
    // A click keeps the size of the bound typed so far.
    {"TwoProportions",
     [] {
         DQORecord rec = Chosen(kTwoProportion);
         TwoPropInputsScreen s;
         FillTwoPropScreen(s, rec);
         Texts t{s.m_strMinimum, s.m_strOtherBound};
         s.m_strOtherBound = "0.15";
         ClickTwoPropBaseline(s, kBaselineAtLeast);
         t.insert(t.end(), {s.m_strOtherBound, s.m_strMinimum, s.m_strMaximum});
         ClickTwoPropBaseline(s, kBaselineAtMost);
         t.insert(t.end(), {s.m_strOtherBound, s.m_strMaximum});
         s.m_strOtherBound = "1";
         t.push_back(From(CheckTwoPropScreen(s), "0.00 <"));
         s.m_nBaseline = kBaselineAtLeast;
         s.m_strOtherBound = "-0.999";
         t.push_back(CheckTwoPropScreen(s));
         StoreTwoPropScreen(s, rec);
         t.insert(t.end(), {G(rec.dMinimum), G(rec.dLowerBound), G(rec.dUpperBound)});
         return t;
     },
     {"-1", "0.5", "-0.15", "-1.00", " 0.00", "0.15", "1.00",
      "0.00 < Upper Bound of Gray Region(1) < 1.00", "", "-1", "-0.999", "0"}},
    // The action level of two proportions is hidden and never read.
    {"ModifyProportions",
     [] {
         DQORecord rec = Chosen(kTwoProportion);
         rec.dLowerBound = 0;
         ModifyPropScreen s;
         FillModifyPropScreen(s, rec);
         Texts t{s.m_strMinimum,     s.m_strBaseline,   s.m_strActionLevelLabel,
                 s.m_strActionLevel, s.m_strBoundLabel, s.m_strBound};
         s.m_strActionLevel = "5";
         s.m_strBound = "0.15";
         t.push_back(CheckModifyPropScreen(s, rec));
         StoreModifyPropScreen(s, rec);
         t.insert(t.end(), {G(rec.dActionLevel), G(rec.dLowerBound), G(rec.dUpperBound)});
         DQORecord one = Chosen(kOneProportion);
         FillModifyPropScreen(s, one);
         t.insert(t.end(), {s.m_strActionLevelLabel, s.m_strActionLevel});
         s.m_strActionLevel = "0.3";
         s.m_strBound = "0.4";
         t.push_back(CheckModifyPropScreen(s, one));
         StoreModifyPropScreen(s, one);
         t.insert(t.end(), {G(one.dActionLevel), G(one.dLowerBound), G(one.dUpperBound)});
         return t;
     },
     {"-1.00", "prop1-prop2 <= 0.000", "Action Level (AL):         0.00 (fixed)", "0.000",
      "Gray Region Upper Bound:", "0.500", "", "0", "0", "0.15", "Action Level (AL):", "0.500", "",
      "0.3", "0.3", "0.4"}},
    {"CostsAndLimits",
     [] {
         DQORecord rec;
         CostsScreen costs;
         FillCostsScreen(costs, rec);
         ErrorLimitsScreen limits;
         FillErrorLimitsScreen(limits, rec);
         Texts t{costs.m_strLabCost,     costs.m_strFieldCost,   G(costs.m_bTotalFieldCost),
                 limits.m_strLowerBound, limits.m_strUpperBound, limits.m_strLimitAtUpper};
         costs = {"12.345", "abc", 1, 0};
         limits.m_strLimitAtLower = "0.05";
         t.push_back(CheckCostsScreen(costs) + CheckErrorLimitsScreen(limits));
         StoreCostsScreen(costs, rec);
         StoreErrorLimitsScreen(limits, rec);
         t.insert(t.end(), {G(rec.fLabCost), G(rec.fFieldCost), G(rec.bFieldCostTotal),
                            G(rec.fLimitAtLower), G(rec.fLimitAtUpper)});
         return t;
     },
     {"1000.00", "50.00", "0", "(50):", "(75):", "0.01", "", "12.345", "0", "1", "0.05", "0.01"}},
    // Points and limits of proportions with three decimals; an entry whose
    // limit is not a valid one stays empty.
    {"AdditionalLimitsFilled",
     [] {
         DQORecord rec = Chosen(kOneProportion);
         rec.dLowerBound = 0.5;
         rec.dBelow1 = 0.1234;
         rec.fBelow1Limit = 0.05f;
         rec.dAbove2 = 0.9;
         rec.fAbove2Limit = 0.6f;
         ErrorLimitsScreen limits;
         FillErrorLimitsScreen(limits, rec);
         AdditionalLimitsScreen s;
         FillAdditionalLimitsScreen(s, rec);
         return Texts{limits.m_strLowerBound, s.m_strUpperBound, s.m_strBelow1,
                      s.m_strBelow1Limit,     s.m_strAbove2,     s.m_strAbove2Limit};
     },
     {"(0.500):", "0.750", "0.123", "0.050", "", ""}},
    // A single entry below ends next to the lower bound, above next to the
    // upper one; a limit without its point is no entry.
    {"AdditionalLimitsStoredInOrder",
     [] {
         DQORecord rec;
         AdditionalLimitsScreen s;
         s.m_strBelow1 = "30";
         s.m_strBelow1Limit = ".2";
         s.m_strAbove1Limit = "0.3";
         s.m_strAbove2 = "90";
         s.m_strAbove2Limit = "0.1";
         Texts t{CheckAdditionalLimitsScreen(s, rec)};
         StoreAdditionalLimitsScreen(s, rec);
         t.insert(t.end(), {G(rec.dBelow1), G(rec.fBelow1Limit), G(rec.dBelow2),
                            G(rec.fBelow2Limit), G(rec.dAbove1), G(rec.fAbove1Limit),
                            G(rec.dAbove2), G(rec.fAbove2Limit), G(rec.nAboveCount != 0)});
         s = AdditionalLimitsScreen();
         s.m_strBelow1 = "40";
         s.m_strBelow1Limit = "0.2";
         s.m_strBelow2 = "10";
         s.m_strBelow2Limit = "0.05";
         StoreAdditionalLimitsScreen(s, rec);
         t.insert(t.end(), {G(rec.dBelow1), G(rec.fBelow1Limit), G(rec.dBelow2),
                            G(rec.nBelowCount != 0), G(rec.nAboveCount != 0)});
         return t;
     },
     {"", "0", "0", "30", "0.2", "90", "0.1", "100", "0", "1", "10", "0.05", "40", "1", "0"}},
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
         t.push_back(CheckCompositeScreen(composite) + CheckStrataCountScreen(count));
         StoreCompositeScreen(composite, rec);
         StoreStrataCountScreen(count, rec);
         FillCompositeScreen(composite, rec);
         FillStrataCountScreen(count, rec);
         t.insert(t.end(), {composite.m_strSDRatio, composite.m_strAliquots,
                            composite.m_strCompositingCost, count.m_strStrata});
         return t;
     },
     {"0.10", "4", "5.00", "2", "", "0.50", "2", "12.50", "3"}},
    // Three strata: an equal share of what is left, the last the remainder.
    {"Strata",
     [] {
         DQORecord rec;
         rec.nStrata = 3;
         rec.dCalcSD = 16.67;
         rec.dCalcMaximum = 100;
         MeanStratumScreen first;
         FillMeanStratumScreen(first, rec, 1, 0);
         MeanStratumScreen last;
         FillMeanStratumScreen(last, rec, 3, 0.666);
         Texts t{first.m_strNumber, first.m_strWeight, first.m_strFixed, last.m_strNumber,
                 last.m_strValue,   last.m_strWeight,  last.m_strFixed,  G(last.m_bWeightFixed)};
         last.m_strValue = "200";
         t.push_back(CheckMeanStratumScreen(last, rec));
         t.push_back(G(StoreStratumScreen(last, rec, 3)));
         t.insert(t.end(), {G(rec.dStratumValue[2]), G(rec.dStratumWeight[2])});
         // A proportion is offered the action level: the upper bound for Ho >=.
         DQORecord prop = StartingRecord(kOneProportion, kBaselineAtLeast);
         prop.nStrata = 2;
         PropStratumScreen s;
         FillPropStratumScreen(s, prop, 1, 0);
         t.insert(t.end(), {s.m_strValue, s.m_strWeight, CheckPropStratumScreen(s)});
         return t;
     },
     {"1", "0.333", "", "3 (final stratum)", "16.6700", "0.334", "(fixed)", "1", "", "0.334", "200",
      "0.334", "0.5000", "0.500", ""}},
};

INSTANTIATE_TEST_SUITE_P(Inputs, ScreenStateTest, testing::ValuesIn(kInputScreens),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The summary screen and its pass -------------------------------------------

DQORecord Computed(ParameterCode parameter, int samples, double totalCost)
{
    DQORecord rec = StartingRecord(parameter);
    rec.nSamples = samples;
    rec.dTotalCost = totalCost;
    return rec;
}

const Case kSummary[] = {
    {"StartingMean",
     [] {
         SummaryScreen s;
         FillSummaryScreen(s, Computed(kOneMean, 13, 13650));
         return Texts{s.m_strDesign,           s.m_strDesignInputs1, s.m_strSamplesLabel,
                      s.m_strParameter,        s.m_strActionLevel,   s.m_strSD,
                      s.m_strGrayRegion,       s.m_strBaseline,      s.m_strPoint[kRowLower],
                      s.m_strLimit[kRowLower], s.m_strFieldCost,     s.m_strFieldCostUnit,
                      s.m_strSamples,          s.m_strTotalCost,     s.m_strSamplesNote};
     },
     {"Simple Random Sampling", "No design-specific inputs for Simple Random Sampling.",
      "Number of Samples:", "Mean", "50", "16.67", "50 - 75", "mean <= 50.000", "50*", "0.01",
      "50.00", "(Per Sample):", "13", "13650.00", ""}},
    {"CoefficientAndAdditionalRow",
     [] {
         DQORecord rec = Computed(kOneMean, 13, 13650);
         rec.bSDFromCV = 1;
         rec.dSD = 10;
         rec.dBelow2 = 45;
         rec.fBelow2Limit = 0.001f;
         rec.dAbove1 = 80; // limit 0: not shown
         SummaryScreen s;
         FillSummaryScreen(s, rec);
         return Texts{s.m_strSD, s.m_strPoint[kRowBelow2], s.m_strLimit[kRowBelow2],
                      s.m_strPoint[kRowAbove1]};
     },
     {"10 (20% of AL)", "45", "0.001", ""}},
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
         rec.nDesign = kComposite;
         rec.dSDRatio = 0.5;
         rec.nAliquots = 4;
         SummaryScreen s;
         FillSummaryScreen(s, rec);
         Texts t{s.m_strDesign, s.m_strDesignInputs1, s.m_strDesignInputs2, s.m_strSamplesNote,
                 s.m_strCompositingCost};
         rec.nDesign = kStratified;
         rec.nStrata = 2;
         rec.dStratumWeight[0] = 0.3;
         rec.dStratumWeight[1] = 0.7;
         rec.dStratumValue[0] = 10;
         rec.dStratumValue[1] = 20;
         rec.nStratumSamples[0] = 4;
         rec.nStratumSamples[1] = 9;
         FillSummaryScreen(s, rec);
         t.insert(t.end(),
                  {s.m_strDesignInputs1, s.m_strDesignInputs2, s.m_strStrata, s.m_strSamplesNote,
                   s.m_strSamplesLabel, s.m_strSD, s.m_strCompositingCost});
         return t;
     },
     {"Composite Sampling", "Ratio of Measurement SD to Total SD: 0.500",
      "Size of Composite Sample: 4", "(28 Total Grabs)", "10.00",
      "Stratum weights:   0.300  0.700 ", "Std. deviations:    10.00  20.00 ",
      "Number of Strata: 2", "Samples per stratum:  4 9", "Total Number of Samples:", "N/A", ""}},
    // The table's own messages: no blank before the brackets of row 1, no
    // plural in row 6; a limit at a bound is stored before the next is checked.
    {"AcceptChecksTheTable",
     [] {
         DQORecord rec = Computed(kOneMean, 13, 13650);
         SummaryScreen s;
         FillSummaryScreen(s, rec);
         s.m_strPoint[kRowBelow1] = "60";
         s.m_strLimit[kRowBelow1] = "0.1";
         const std::string row1 = AcceptSummaryScreen(s, rec);
         s.m_strPoint[kRowBelow1].clear();
         s.m_strLimit[kRowLower] = "0.05";
         s.m_strLimit[kRowUpper] = "0.6";
         const std::string bound = AcceptSummaryScreen(s, rec);
         DQORecord atLeast = StartingRecord(kOneMean, kBaselineAtLeast);
         s.m_strPoint[kRowAbove2] = "40";
         return Texts{row1, bound, G(rec.fLimitAtLower), AcceptSummaryScreen(s, atLeast)};
     },
     {"Additional concentrations in the false rejection region must be in the range:\n"
      "Minimum(0.000) < Additional concentration < Action Level(50.000)",
      "Error limits must be in the range: 0 < Error Limit <= 0.5", "0.05",
      "Additional concentration in the false rejection region must be in the range:\n"
      "Action Level(50.000) < Additional concentration < Maximum(100.000)"}},
    // A single typed point below ends next to the lower bound; "Original
    // DQOs" discards the table and keeps the design.
    {"PassReadsTheTableBack",
     [] {
         DQORecord current = Computed(kOneMean, 13, 13650);
         DQORecord original = current;
         SummaryScreen s;
         FillSummaryScreen(s, current);
         s.m_strPoint[kRowBelow1] = "30";
         s.m_strLimit[kRowBelow1] = "0.2";
         RecordingMessages messages;
         Texts t{G(ApplySummaryScreen(s, current, original, messages))};
         SortAdditionalPoints(current);
         t.insert(t.end(), {G(current.dBelow1), G(current.fBelow1Limit), G(current.dBelow2),
                            G(current.fBelow2Limit), G(current.nBelowCount), G(current.dAbove1)});
         current.nDesign = kComposite;
         current.bRestoreOriginal = 1;
         t.insert(t.end(),
                  {G(ApplySummaryScreen(s, current, original, messages)), G(current.fBelow2Limit),
                   G(current.bRestoreOriginal), G(current.nDesign)});
         return t;
     },
     {"1", "0", "0", "30", "0.2", "1", "100", "0", "0", "0", "1"}},
    // Ten samples instead of 13 give a false acceptance rate of 0.0424; a
    // total cost of 10500 buys ten at 1000 + 50.
    {"TypedSamplesRecomputed",
     [] {
         Texts t;
         for (const char* field : {"samples", "cost", "none"}) {
             DQORecord rec = StartingRecord(kOneMean);
             RecordingMessages messages;
             ComputeAnalysisPass(rec, messages);
             SummaryScreen s;
             FillSummaryScreen(s, rec);
             if (field[0] == 's')
                 s.m_strSamples = "10";
             else if (field[0] == 'c')
                 s.m_strTotalCost = "10500";
             t.push_back(G(RecomputeForTypedSamples(s, rec, messages)));
             t.insert(t.end(), {G(rec.nSamples), FormatText("%.4f", rec.fLimitAtUpper)});
         }
         return t;
     },
     {"1", "10", "0.0424", "1", "10", "0.0424", "0", "13", "0.0100"}},
};

INSTANTIATE_TEST_SUITE_P(Summary, ScreenStateTest, testing::ValuesIn(kSummary),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

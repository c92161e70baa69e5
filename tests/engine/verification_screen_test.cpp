#include "engine/verification_screen.h"

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/number_text.h"
#include "tests/support/records.h"

// What the input verification screen shows, refuses, stores and refreshes.

namespace {

using Texts = std::vector<std::string>;

struct Case {
    const char* name;
    Texts (*run)();
    Texts expected;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

std::string G(double value)
{
    return FormatText("%g", value);
}

const Case kCases[] = {
    // The road of one analysis as the screen opens on it.
    {"FilledForOneMean",
     [] {
         VerificationScreen s;
         FillVerificationScreen(s, StartingRecord(kOneMean));
         LabelVerificationScreen(s, StartingRecord(kOneMean));
         return Texts{s.m_strParameter,
                      s.m_strMinimumLabel,
                      s.m_strBaseline,
                      s.m_strGrayRegion,
                      s.m_strSD,
                      s.m_strFieldCost,
                      s.m_strColumn,
                      s.m_strPoint[kRowUpper],
                      s.m_strPoint[kRowAbove1],
                      s.m_strLimit[kRowLower],
                      s.m_strType[kRowLower],
                      s.m_strType[kRowUpper]};
     },
     {"Mean", "Minimum Mean Concentration:", "mean <= 50.000", "50 - 75", "16.67", "50.00",
      "concentration", "75*", "", "0.01", "FR", "FA"}},
    // Proportions with three decimals, additional rows with "%g" and only
    // when their limit is above 0; a deviation from a coefficient.
    {"FilledForTwoProportions",
     [] {
         DQORecord rec = StartingRecord(kTwoProportion, kBaselineAtLeast);
         rec.bFieldCostTotal = 1;
         rec.dAbove2 = 0.25, rec.fAbove2Limit = 0.0004f, rec.dBelow1 = -0.9;
         VerificationScreen s;
         FillVerificationScreen(s, rec);
         LabelVerificationScreen(s, rec);
         Texts t{s.m_strMaximumLabel,      s.m_strMinimum,           s.m_strBaseline,
                 s.m_strSDLabel,           s.m_strFieldCostUnit,     s.m_strPoint[kRowLower],
                 s.m_strPoint[kRowBelow1], s.m_strPoint[kRowAbove2], s.m_strLimit[kRowAbove2],
                 s.m_strType[kRowLower]};
         DQORecord mean = StartingRecord(kOneMean);
         mean.bSDFromCV = 1, mean.dSD = 10;
         FillVerificationScreen(s, mean);
         t.push_back(s.m_strSD);
         return t;
     },
     {"Max Difference in Proportions:", "-1.000", "prop1 - prop2 >= 0.000", "",
      "(Total):", "-0.500*", "", "0.25", "0.0004", "FA", "    10 (20% of AL)"}},
    // Rows before the bounds; a bound's limit is stored as soon as it passes.
    {"CheckedInOrder",
     [] {
         DQORecord rec = StartingRecord(kOneMean);
         VerificationScreen s;
         FillVerificationScreen(s, rec);
         s.m_strLimit[kRowLower] = "0.5", s.m_strLimit[kRowUpper] = "0";
         s.m_strPoint[kRowAbove2] = "100";
         Texts t{CheckVerificationScreen(s, rec), G(rec.fLimitAtLower)};
         s.m_strPoint[kRowAbove2] = "99.9", s.m_strLimit[kRowAbove2] = "0.5";
         t.push_back(CheckVerificationScreen(s, rec));
         t.push_back(G(rec.fLimitAtLower));
         // Two proportions: points between -1 and 1 whatever the range holds.
         DQORecord two = StartingRecord(kTwoProportion, kBaselineAtLeast);
         two.dMinimum = 0;
         FillVerificationScreen(s, two);
         s.m_strPoint[kRowBelow2] = "-0.99", s.m_strLimit[kRowBelow2] = "0.1";
         s.m_strPoint[kRowAbove2] = "1";
         t.push_back(CheckVerificationScreen(s, two));
         return t;
     },
     {"Additional concentration in the false acceptance region must be in the range:\n"
      "Gray Region Upper Bound(75.000) < Additional concentration < Maximum(100.000)",
      "0.01", "Error limits must be in the range: 0 < Error Limit <= 0.5", "0.5",
      "Additional proportion in the false rejection region must be in the range:\n"
      "Action Level(0.000) < Additional proportion < Maximum(1.000)"}},
    // Empty rows hold the range's ends; a pair typed downwards comes back
    // upwards with its limits; the counts grow.
    {"ReadBack",
     [] {
         DQORecord rec = StartingRecord(kOneMean);
         rec.nBelowCount = 3, rec.dAbove1 = 90, rec.fAbove1Limit = 0.1f;
         VerificationScreen s;
         s.m_strPoint[kRowBelow1] = "40", s.m_strLimit[kRowBelow1] = "0.2";
         s.m_strPoint[kRowBelow2] = "10", s.m_strLimit[kRowBelow2] = "0.05";
         s.m_strLimit[kRowAbove1] = "0.3";
         StoreVerificationScreen(s, rec);
         return Texts{G(rec.dBelow1), G(rec.fBelow1Limit), G(rec.dBelow2),     G(rec.fBelow2Limit),
                      G(rec.dAbove1), G(rec.fAbove1Limit), G(rec.nBelowCount), G(rec.nAboveCount)};
     },
     {"10", "0.05", "40", "0.2", "100", "0", "5", "0"}},
    // A side trip that turns the baseline round turns the type column too.
    {"Refreshed",
     [] {
         DQORecord rec = StartingRecord(kOneMean);
         VerificationScreen s;
         LabelVerificationScreen(s, rec);
         rec.nBaseline = kBaselineAtLeast, rec.dLowerBound = 25, rec.dUpperBound = 50;
         rec.bSDFromCV = 1, rec.dSD = 10, rec.fLabCost = 12.345f;
         RefreshVerificationInputs(s, rec);
         Texts t{s.m_strBaseline, s.m_strGrayRegion, s.m_strSD, s.m_strType[kRowBelow1],
                 s.m_strType[kRowAbove2]};
         RefreshVerificationCosts(s, rec);
         t.push_back(s.m_strLabCost);
         RefreshVerificationInputs(s, StartingRecord(kOneProportion));
         t.push_back(s.m_strBaseline);
         t.push_back(s.m_strPoint[kRowUpper]);
         return t;
     },
     {"mean >= 50", "25 - 50", "10 (20% of AL)", "FA", "FR", "12.35", "prop <= 0.500", "0.750*"}},
    // Change Input Value(s) for proportions: three decimals in, and only the
    // action level, the baseline and the bounds out.
    {"ChangedProportions",
     [] {
         DQORecord rec = StartingRecord(kOneProportion);
         OnePropInputsScreen one;
         FillChangedOnePropScreen(one, rec);
         const Texts shown{one.m_strActionLevel, one.m_strOtherBound};
         one.m_strActionLevel = "0.4", one.m_nBaseline = kBaselineAtLeast;
         one.m_strOtherBound = ".25", rec.dMinimum = 0.1;
         StoreChangedOnePropScreen(one, rec);
         TwoPropInputsScreen two;
         FillChangedTwoPropScreen(two, StartingRecord(kTwoProportion));
         return Texts{shown[0],           shown[1],         G(rec.dMinimum),    G(rec.dLowerBound),
                      G(rec.dUpperBound), two.m_strMinimum, two.m_strOtherBound};
     },
     {"0.500", "0.750", "0.1", "0.25", "0.4", "-1.00", "0.500"}},
    // The additional-limits step shows a proportion's limits as they are:
    // with three decimals 0.0004 would read as 0 and be refused.
    {"AdditionalLimitsOfProportion",
     [] {
         DQORecord rec = StartingRecord(kOneProportion);
         rec.dBelow2 = 0.1234, rec.fBelow2Limit = 0.0004f;
         AdditionalLimitsScreen s;
         FillAdditionalLimitsScreen(s, rec);
         return Texts{s.m_strBelow2, s.m_strBelow2Limit, CheckAdditionalLimitsScreen(s, rec)};
     },
     {"0.123", "0.0004", ""}},
};

class VerificationScreenTest : public testing::TestWithParam<Case> {};

TEST_P(VerificationScreenTest, ShowsChecksAndStoresAsTheScreenDoes)
{
    EXPECT_EQ(GetParam().run(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Verification, VerificationScreenTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

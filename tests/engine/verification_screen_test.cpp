#include "engine/verification_screen.h"

#include <gtest/gtest.h>

#include "tests/engine/stats/designed_records.h"

// What the input verification screen shows, refuses, stores and refreshes.

namespace {

// The road of one analysis as the screen opens on it; then proportions with
// three decimals, additional rows with "%g" and only when their limit is
// above 0, a deviation from a coefficient.
TEST(VerificationScreen, FilledCheckedAndStored)
{
    VerificationScreen s;
    FillVerificationScreen(s, StartingRecord(kOneMean));
    LabelVerificationScreen(s, StartingRecord(kOneMean));
    Texts t{s.m_strBaseline, s.m_strSD, s.m_strPoint[kRowUpper], s.m_strType[kRowLower],
            s.m_strType[kRowUpper]};
    DQORecord rec = StartingRecord(kTwoProportion, kBaselineAtLeast);
    rec.bFieldCostTotal = 1, rec.dAbove2 = 0.25, rec.fAbove2Limit = 0.0004f, rec.dBelow1 = -0.9;
    FillVerificationScreen(s, rec);
    LabelVerificationScreen(s, rec);
    t << s.m_strMinimum << s.m_strBaseline << s.m_strSDLabel << s.m_strFieldCostUnit
      << s.m_strPoint[kRowLower] << s.m_strPoint[kRowBelow1] << s.m_strPoint[kRowAbove2]
      << s.m_strLimit[kRowAbove2] << s.m_strType[kRowLower];
    rec = StartingRecord(kOneMean);
    rec.bSDFromCV = 1, rec.dSD = 10;
    FillVerificationScreen(s, rec);
    t << s.m_strSD;
    // The table's rows are checked before the bounds' limits (the messages
    // are the input check tests'), and a bound's limit is stored as soon as
    // it passes. Empty rows hold the range's ends, a pair typed downwards
    // comes back upwards with its limits, and the counts grow.
    rec = StartingRecord(kOneMean);
    FillVerificationScreen(s, rec);
    s.m_strLimit[kRowLower] = "0.5", s.m_strLimit[kRowUpper] = "0";
    s.m_strPoint[kRowAbove2] = "100", s.m_strLimit[kRowAbove2] = "0.5";
    t << CheckVerificationScreen(s, rec).empty() << rec.fLimitAtLower;
    s.m_strPoint[kRowAbove2] = "99.9";
    t << CheckVerificationScreen(s, rec) << rec.fLimitAtLower;
    rec.nBelowCount = 3, rec.dAbove1 = 90, rec.fAbove1Limit = 0.1f;
    s = VerificationScreen();
    s.m_strPoint[kRowBelow1] = "40", s.m_strLimit[kRowBelow1] = "0.2";
    s.m_strPoint[kRowBelow2] = "10", s.m_strLimit[kRowBelow2] = "0.05";
    s.m_strLimit[kRowAbove1] = "0.3";
    StoreVerificationScreen(s, rec);
    t << rec.dBelow1 << rec.fBelow1Limit << rec.dBelow2 << rec.fBelow2Limit << rec.dAbove1
      << rec.fAbove1Limit << rec.nBelowCount;
    // A side trip shows a proportion with three decimals unless that would
    // turn an accepted value into a refused one.
    rec = StartingRecord(kOneProportion);
    OnePropInputsScreen p;
    FillChangedOnePropScreen(p, rec);
    t << p.m_strActionLevel;
    rec.dActionLevel = 0.0004;
    FillChangedOnePropScreen(p, rec);
    EXPECT_EQ((t << p.m_strActionLevel).Joined(),
              "mean <= 50.000|16.67|75*|FR|FA|-1.000|prop1 - prop2 >= "
              "0.000||(Total):|-0.500*||0.25|0.0004|FA|    10 (20% of AL)|0|0.01|Error limits must "
              "be in the range: 0 < Error Limit <= 0.5|0.5|10|0.05|40|0.2|100|0|5|0.500|0.0004|");
}

} // namespace

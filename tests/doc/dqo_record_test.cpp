#include <gtest/gtest.h>

#include "doc/dqo_record.h"
#include "doc/number_text.h"

namespace {

TEST(ResetDQORecordTest, ResetValuesComeBackAndResultsStay)
{
    DQORecord rec;
    rec.nParameter = kTwoMean;
    rec.dActionLevel = 7;
    rec.fLabCost = 1;
    rec.fLimitAtLower = 0.3f;
    rec.nDesign = kStratified;
    rec.nStrata = 3;
    rec.dSDRatio = 0.2;
    rec.bNotSatisfied[2] = 1;
    rec.bSummaryRequested = 1;
    rec.dTotalCost = 123.0; // not reset
    rec.nCalcSamples = 9;   // calculation block: not reset

    ResetDQORecord(rec);

    const DQORecord fresh;
    EXPECT_EQ(rec.nParameter, kOneMean);
    EXPECT_EQ(rec.dActionLevel, 50);
    EXPECT_EQ(rec.fLabCost, 1000.0f);
    EXPECT_EQ(rec.fLimitAtLower, 0.01f);
    EXPECT_EQ(rec.nDesign, kSimpleRandom);
    EXPECT_EQ(rec.nStrata, 0);
    EXPECT_EQ(rec.dSDRatio, 1.0);
    EXPECT_EQ(rec.bNotSatisfied[2], 0);
    EXPECT_EQ(rec.bSummaryRequested, 0);
    EXPECT_EQ(rec.dTotalCost, 123.0);
    EXPECT_EQ(rec.nCalcSamples, 9);
    EXPECT_EQ(rec.dSD, fresh.dSD);
}

TEST(ResetDQORecordTest, StartingScreenValues)
{
    // What the one-sample mean screen shows after a reset.
    DQORecord rec;
    ResetDQORecord(rec);
    EXPECT_EQ(FormatText("%g", rec.dMinimum), "0");
    EXPECT_EQ(FormatText("%g", rec.dMaximum), "100");
    EXPECT_EQ(FormatText("%g", rec.dUpperBound), "75");
    EXPECT_EQ(FormatText("%g", rec.dSDValue), "16.67");
    EXPECT_EQ(FormatText("%g", rec.dCV * 100), "20");
    EXPECT_EQ(FormatText("%c of AL (= %-6.3g)", '%', rec.dSDFromCV), "% of AL (= 10    )");
    EXPECT_EQ(FormatText("%.2f", rec.fLabCost), "1000.00");
    EXPECT_EQ(FormatText("%.2f", rec.fFieldCost), "50.00");
    EXPECT_EQ(FormatText("%g", rec.fLimitAtLower), "0.01");
    EXPECT_EQ(rec.nBaseline, kBaselineAtMost);
}

struct Defaults {
    int code;
    double minimum, maximum, sd, actionLevel, upperBound, sdValue;
};

class ApplyParameterDefaultsTest : public ::testing::TestWithParam<Defaults> {};

TEST_P(ApplyParameterDefaultsTest, OverwritesTheParametersDefaults)
{
    const Defaults& d = GetParam();
    DQORecord rec;
    ApplyParameterDefaults(rec, d.code);
    EXPECT_EQ(rec.dMinimum, d.minimum);
    EXPECT_EQ(rec.dMaximum, d.maximum);
    EXPECT_EQ(rec.dSD, d.sd);
    EXPECT_EQ(rec.dActionLevel, d.actionLevel);
    EXPECT_EQ(rec.dUpperBound, d.upperBound);
    EXPECT_EQ(rec.dSDValue, d.sdValue);
}

INSTANTIATE_TEST_SUITE_P(Codes, ApplyParameterDefaultsTest,
                         ::testing::Values(Defaults{0, 0, 100, 10, 50, 75, 16.67},
                                           Defaults{1, 0, 1, 1, 0.5, 0.75, 16.67},
                                           Defaults{2, -20, 20, 3.2, 0, 5, 6.667},
                                           Defaults{3, -1, 1, 1, 0, 0.5, 16.67}));

TEST(FillCalculationBlockTest, CopiesWidensAndOrdersTheTable)
{
    DQORecord rec;
    rec.nParameter = kOneProportion;
    rec.fLimitAtUpper = 0.05f;
    rec.dBelow1 = 1;
    rec.fBelow1Limit = 0.2f;
    rec.dAbove2 = 99;
    rec.fAbove2Limit = 0.1f;
    rec.nCalcSamples = 44;
    FillCalculationBlock(rec);

    EXPECT_EQ(rec.nCalcParameter, 2);
    EXPECT_EQ(rec.nCalcSamples, 0);
    EXPECT_EQ(rec.dCalcLabCost, 1000.0);
    EXPECT_EQ(rec.nCalcBaseline, rec.nBaseline);
    const double points[kErrorRows] = {1, 0, 50, 75, 0, 99};
    for (int row = 0; row < kErrorRows; ++row)
        EXPECT_EQ(rec.dErrorPoint[row], points[row]) << row;
    // Single precision widened: 0.05 is used as 0.0500000007.
    EXPECT_NEAR(rec.dErrorLimit[kRowUpper], 0.0500000007, 1e-10);
    EXPECT_EQ(rec.dErrorLimit[kRowBelow1], static_cast<double>(0.2f));
    EXPECT_EQ(rec.dErrorLimit[kRowAbove2], static_cast<double>(0.1f));
}

TEST(RestoreOriginalTest, InputsReturnTheDesignStays)
{
    DQORecord original;
    original.dActionLevel = 40;
    DQORecord current = original;
    current.dActionLevel = 45;
    current.nDesign = kStratified;
    RestoreOriginal(current, original);
    EXPECT_EQ(current.dActionLevel, 40);
    EXPECT_EQ(current.nDesign, kStratified);
}

TEST(SaveFirstDesignInputsTest, OnlyTheFirstInputsAreKept)
{
    DQORecord original;
    DQORecord current;
    current.nStrata = 2;
    current.dStratumValue[0] = 5;
    current.dStratumWeight[0] = 0.3;
    current.dSDRatio = 0.5;
    current.nAliquots = 4;
    SaveFirstDesignInputs(current, original);
    EXPECT_EQ(original.nStrata, 2);
    EXPECT_EQ(original.dStratumValue[0], 5);
    EXPECT_EQ(original.dStratumWeight[0], 0.3);
    EXPECT_EQ(original.dSDRatio, 0.5);
    EXPECT_EQ(original.nAliquots, 4);
    EXPECT_EQ(current.bStrataSaved, 1);
    EXPECT_EQ(original.bCompositeSaved, 1);

    current.nStrata = 3;
    current.dSDRatio = 0.7;
    SaveFirstDesignInputs(current, original);
    EXPECT_EQ(original.nStrata, 2);
    EXPECT_EQ(original.dSDRatio, 0.5);
}

TEST(CodeTextsTest, NamesOfTheCodes)
{
    EXPECT_STREQ(DesignName(kSimpleRandom), "Simple Random Sampling");
    EXPECT_STREQ(DesignName(kComposite), "Composite Sampling");
    EXPECT_STREQ(DesignName(7), "Stratified Sampling");
    EXPECT_STREQ(ParameterTitle(kTwoProportion), "Two-Sample Proportion");
    EXPECT_STREQ(ParameterWord(kTwoMean), "mean1 - mean2");
}

} // namespace

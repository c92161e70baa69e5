#include <tuple>

#include <gtest/gtest.h>

#include "engine/dqo_record.h"

namespace {

TEST(ResetDQORecordTest, ResetValuesComeBackAndResultsStay)
{
    DQORecord rec;
    rec.nParameter = kTwoMean;
    ApplyParameterDefaults(rec, kTwoMean);
    rec.nBaseline = kBaselineAtLeast;
    rec.fFieldCost = 1;
    rec.fLimitAtLower = 0.3f;
    rec.dCV = 0.5;
    rec.nDesign = kStratified;
    rec.nStrata = 3;
    rec.dSDRatio = 0.2;
    rec.bNotSatisfied[2] = 1;
    rec.bSummaryRequested = 1;
    rec.dTotalCost = 123.0;
    rec.nCalcSamples = 9;

    ResetDQORecord(rec);

    // What the one-sample mean screen shows after a reset.
    EXPECT_EQ(std::make_tuple(rec.nParameter, rec.dMinimum, rec.dMaximum, rec.dActionLevel,
                              rec.nBaseline, rec.dUpperBound, rec.dSD, rec.dSDValue, rec.dCV),
              std::make_tuple(kOneMean, 0.0, 100.0, 50.0, kBaselineAtMost, 75.0, 10.0, 16.67, 0.2));
    EXPECT_EQ(std::make_tuple(rec.fFieldCost, rec.fLimitAtLower, rec.nDesign, rec.nStrata,
                              rec.dSDRatio, rec.bNotSatisfied[2], rec.bSummaryRequested),
              std::make_tuple(50.0f, 0.01f, kSimpleRandom, 0, 1.0, 0, 0));
    // Results and the calculation block are not reset.
    EXPECT_EQ(std::make_tuple(rec.dTotalCost, rec.nCalcSamples), std::make_tuple(123.0, 9));
}

TEST(ApplyParameterDefaultsTest, OverwritesTheParametersDefaults)
{
    // minimum, maximum, sd, action level, upper bound, sd value, by parameter code
    using Values = std::tuple<double, double, double, double, double, double>;
    const Values defaults[] = {{0, 100, 10, 50, 75, 16.67},
                               {0, 1, 1, 0.5, 0.75, 16.67},
                               {-20, 20, 3.2, 0, 5, 6.667},
                               {-1, 1, 1, 0, 0.5, 16.67}};
    for (int code = kOneMean; code <= kTwoProportion; ++code) {
        DQORecord rec;
        ApplyParameterDefaults(rec, code);
        EXPECT_EQ(Values(rec.dMinimum, rec.dMaximum, rec.dSD, rec.dActionLevel, rec.dUpperBound,
                         rec.dSDValue),
                  defaults[code])
            << "parameter " << code;
    }
}

TEST(FillCalculationBlockTest, CopiesWidensAndOrdersTheTable)
{
    DQORecord rec;
    rec.fLimitAtUpper = 0.05f;
    rec.dBelow1 = 1;
    rec.fBelow1Limit = 0.2f;
    rec.dAbove2 = 99;
    rec.fAbove2Limit = 0.1f;
    rec.nCalcSamples = 44;
    FillCalculationBlock(rec);

    EXPECT_EQ(std::make_tuple(rec.nCalcParameter, rec.nCalcSamples, rec.dCalcLabCost),
              std::make_tuple(1, 0, 1000.0));
    const double points[kErrorRows] = {1, 0, 50, 75, 0, 99};
    const double limits[kErrorRows] = {0.2f, 0, 0.01f, 0.05f, 0, 0.1f};
    for (int row = 0; row < kErrorRows; ++row) {
        EXPECT_EQ(rec.dErrorPoint[row], points[row]) << "row " << row;
        EXPECT_EQ(rec.dErrorLimit[row], limits[row]) << "row " << row;
    }
    // Single precision widened: 0.05 is used as 0.0500000007.
    EXPECT_NEAR(rec.dErrorLimit[kRowUpper], 0.0500000007, 1e-10);
}

TEST(RestoreOriginalTest, InputsReturnTheDesignStays)
{
    DQORecord original, current;
    original.dActionLevel = 40;
    current.dActionLevel = 45;
    current.nDesign = kStratified;
    RestoreOriginal(current, original);
    EXPECT_EQ(std::make_tuple(current.dActionLevel, current.nDesign),
              std::make_tuple(40.0, kStratified));
}

TEST(SaveFirstDesignInputsTest, OnlyTheFirstInputsAreKept)
{
    DQORecord original, current;
    current.nStrata = 2;
    current.dStratumValue[1] = 5;
    current.dStratumWeight[1] = 0.3;
    current.dSDRatio = 0.5;
    current.nAliquots = 4;
    SaveFirstDesignInputs(current, original);
    current.nStrata = 3;
    current.dSDRatio = 0.7;
    SaveFirstDesignInputs(current, original);

    EXPECT_EQ(std::make_tuple(original.nStrata, original.dStratumValue[1],
                              original.dStratumWeight[1], original.dSDRatio, original.nAliquots),
              std::make_tuple(2, 5.0, 0.3, 0.5, 4));
    EXPECT_EQ(std::make_tuple(current.bStrataSaved, original.bStrataSaved, current.bCompositeSaved,
                              original.bCompositeSaved),
              std::make_tuple(1, 1, 1, 1));
}

} // namespace

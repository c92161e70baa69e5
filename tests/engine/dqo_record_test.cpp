#include "engine/dqo_record.h"

#include <climits>
#include <tuple>

#include <gtest/gtest.h>

namespace {

TEST(DQORecordTest, ResetCalculationBlockAndOriginalDQOs)
{
    DQORecord rec;
    ApplyParameterDefaults(rec, kTwoMean);
    rec.nParameter = kTwoMean, rec.nBaseline = kBaselineAtLeast, rec.fLimitAtLower = 0.3f;
    rec.nDesign = kStratified, rec.bNotSatisfied[2] = 1, rec.dTotalCost = 123, rec.nCalcSamples = 9;
    ResetDQORecord(rec);
    // What the one-sample mean screen shows after a reset.
    EXPECT_EQ(std::make_tuple(rec.nParameter, rec.dMaximum, rec.dActionLevel, rec.nBaseline,
                              rec.dUpperBound, rec.dSDValue, rec.fLimitAtLower, rec.nDesign,
                              rec.bNotSatisfied[2], rec.dTotalCost, rec.nCalcSamples),
              std::make_tuple(kOneMean, 100.0, 50.0, kBaselineAtMost, 75.0, 16.67, 0.01f,
                              kSimpleRandom, 0, 123.0, 9));
    rec.nParameter = INT_MAX; // no overflow in the 1-based code, no formula
    FillCalculationBlock(rec);
    EXPECT_EQ(rec.nCalcParameter, 0);
    // "Original DQOs" keeps the design and the first inputs given for it.
    DQORecord original, current;
    original.dActionLevel = 40;
    current.nDesign = kStratified, current.nStrata = 2, current.dStratumWeight[1] = 0.3;
    current.dSDRatio = 0.5, current.nAliquots = 4;
    SaveFirstDesignInputs(current, original);
    current.nStrata = 3, current.dSDRatio = 0.7;
    SaveFirstDesignInputs(current, original); // later inputs are not kept
    RestoreOriginal(current, original);
    EXPECT_EQ(std::make_tuple(current.dActionLevel, current.nDesign, current.nStrata,
                              current.dStratumWeight[1], current.dSDRatio, current.nAliquots,
                              current.bStrataSaved, current.bCompositeSaved),
              std::make_tuple(40.0, kStratified, 2, 0.3, 0.5, 4, 1, 1));
}

} // namespace

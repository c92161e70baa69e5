#include <gtest/gtest.h>

#include "engine/stats/analysis.h"
#include "tests/engine/stats/designed_records.h"

namespace {

TEST(CompositeTest, DeviationAndCostOfOneCompositeSample)
{
    DQORecord rec = DesignedRecord(kOneMean, kComposite);
    rec.dCalcSD = 10, rec.nCalcSamples = 13;
    RecordingMessages messages;
    CAnalysis analysis(rec, messages);
    EXPECT_NEAR(analysis.CompositeSD(), 6.6144, 5e-5);
    analysis.CompositeCost();
    EXPECT_DOUBLE_EQ(rec.dCalcTotalCost, 15730.0); // (4 x 50 + 10 + 1000) x 13
    rec.dSDRatio = 1.0;
    EXPECT_DOUBLE_EQ(analysis.CompositeSD(), 10.0);
}

} // namespace

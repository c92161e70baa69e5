#include <gtest/gtest.h>

#include "engine/dqo_record.h"
#include "engine/record_inputs.h"

namespace {

TEST(StoreMeanInputsTest, ValueModeUsesTheTypedDeviation)
{
    DQORecord rec;
    MeanInputs in{0, 100, 50, 75, kBaselineAtMost, kSDByValue, 16.67, 20};
    StoreMeanInputs(rec, in);
    EXPECT_EQ(rec.dSD, 16.67);
    EXPECT_EQ(rec.dSDValue, 16.67);
    EXPECT_EQ(rec.bSDFromCV, 0);
    EXPECT_EQ(rec.dLowerBound, 50);
    EXPECT_EQ(rec.dUpperBound, 75);
}

TEST(StoreMeanInputsTest, CoefficientModeTakesAPercentOfTheActionLevel)
{
    DQORecord rec;
    MeanInputs in{0, 100, 40, 20, kBaselineAtLeast, kSDByCV, 3, 25};
    StoreMeanInputs(rec, in);
    EXPECT_EQ(rec.bSDFromCV, 1);
    EXPECT_DOUBLE_EQ(rec.dCV, 0.25);
    EXPECT_DOUBLE_EQ(rec.dSDFromCV, 10.0);
    EXPECT_DOUBLE_EQ(rec.dSD, 10.0);
    EXPECT_EQ(rec.dSDValue, 16.67); // the typed value is kept for the screen
    EXPECT_EQ(rec.nBaseline, kBaselineAtLeast);
    EXPECT_EQ(rec.dLowerBound, 20);
    EXPECT_EQ(rec.dUpperBound, 40);
}

TEST(TieBoundToActionLevelTest, TheBaselineChoosesTheBound)
{
    DQORecord rec;
    rec.dActionLevel = 3;
    TieBoundToActionLevel(rec);
    EXPECT_EQ(rec.dLowerBound, 3);
    rec.nBaseline = kBaselineAtLeast;
    TieBoundToActionLevel(rec);
    EXPECT_EQ(rec.dUpperBound, 3);
    EXPECT_EQ(OtherBound(rec), 3);
}

struct Rows {
    const char* name;
    AdditionalLimitRows rows;
    double below1, below2, above1, above2;
    float below1Limit, below2Limit, above1Limit, above2Limit;
};

class StoreAdditionalLimitsTest : public ::testing::TestWithParam<Rows> {};

TEST_P(StoreAdditionalLimitsTest, GivenRowsAreStoredInAscendingOrder)
{
    const Rows& c = GetParam();
    DQORecord rec; // minimum 0, maximum 100
    StoreAdditionalLimits(rec, c.rows);
    EXPECT_EQ(rec.dBelow1, c.below1);
    EXPECT_EQ(rec.dBelow2, c.below2);
    EXPECT_EQ(rec.dAbove1, c.above1);
    EXPECT_EQ(rec.dAbove2, c.above2);
    EXPECT_EQ(rec.fBelow1Limit, c.below1Limit);
    EXPECT_EQ(rec.fBelow2Limit, c.below2Limit);
    EXPECT_EQ(rec.fAbove1Limit, c.above1Limit);
    EXPECT_EQ(rec.fAbove2Limit, c.above2Limit);
    EXPECT_EQ(rec.nBelowCount != 0, c.below1Limit != 0 || c.below2Limit != 0);
    EXPECT_EQ(rec.nAboveCount != 0, c.above1Limit != 0 || c.above2Limit != 0);
}

constexpr AdditionalLimitRow kNone{};

INSTANTIATE_TEST_SUITE_P(
    Entries, StoreAdditionalLimitsTest,
    ::testing::Values(
        Rows{"None", {kNone, kNone, kNone, kNone}, 0, 0, 100, 100, 0, 0, 0, 0},
        // A single entry below ends next to the lower bound, above next to the upper.
        Rows{"OneBelow", {{true, 30, 0.2}, kNone, kNone, kNone}, 0, 30, 100, 100, 0, 0.2f, 0, 0},
        Rows{"OneAbove", {kNone, kNone, kNone, {true, 90, 0.1}}, 0, 0, 90, 100, 0, 0, 0.1f, 0},
        Rows{"BothBelowSwapped",
             {{true, 40, 0.2}, {true, 10, 0.05}, kNone, kNone},
             10,
             40,
             100,
             100,
             0.05f,
             0.2f,
             0,
             0},
        Rows{"BothAboveInOrder",
             {kNone, kNone, {true, 80, 0.1}, {true, 95, 0.01}},
             0,
             0,
             80,
             95,
             0,
             0,
             0.1f,
             0.01f}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

#include <gtest/gtest.h>

#include "engine/stats/normal.h"
#include "engine/stats/sample_size.h"

namespace {

struct Rounding {
    double real;
    int rounded;
};

class RoundSampleSizeTest : public ::testing::TestWithParam<Rounding> {};

TEST_P(RoundSampleSizeTest, DropsAFractionOfAtMostFiveHundredths)
{
    EXPECT_EQ(RoundSampleSize(GetParam().real), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundSampleSizeTest,
                         ::testing::Values(Rounding{12.04, 12}, Rounding{12.06, 13},
                                           // 12.05 as a double lies just above 12.05.
                                           Rounding{12.05, 13}, Rounding{2.03, 2},
                                           Rounding{7.051, 8}, Rounding{12.3356, 13},
                                           Rounding{0.4, 1}, Rounding{1e300, 2147483647}));

TEST(TwoSampleSizeTest, MeanDifferenceOfFiveWithSd6667)
{
    // ceiling(90.897) per population.
    EXPECT_EQ(TwoMeanSampleSize(6.667, 5.0, 0.01f, 0.01f), 91);
}

TEST(TwoSampleSizeTest, ProportionDifferenceOfOneHalf)
{
    // ceiling(32.484) per population.
    EXPECT_EQ(TwoProportionSampleSize(0.5, 0.0, 0.01f, 0.01f), 33);
}

TEST(TwoSamplePowerTest, MeanPowerAtTheDesignSize)
{
    EXPECT_NEAR(1.0 - TwoMeanPower(6.667, 5.0, 0.01f, 91), 0.00963, 5e-6);
}

TEST(TwoSamplePowerTest, PowerGrowsWithTheNumberOfSamples)
{
    for (int n = 2; n < 60; ++n) {
        EXPECT_LT(TwoMeanPower(6.667, 5.0, 0.05, n), TwoMeanPower(6.667, 5.0, 0.05, n + 1)) << n;
        EXPECT_LT(TwoProportionPower(0.5, 0.0, 0.05, n), TwoProportionPower(0.5, 0.0, 0.05, n + 1))
            << n;
    }
}

TEST(TwoSampleSizeTest, PowerAtTheComputedSizeMeetsTheFalseAcceptanceLimit)
{
    // The size formula and the power formula describe the same test.
    const int n = TwoProportionSampleSize(0.5, 0.0, 0.05, 0.1);
    EXPECT_LE(1.0 - TwoProportionPower(0.5, 0.0, 0.05, n), 0.1 + 1e-3);
    EXPECT_GT(1.0 - TwoProportionPower(0.5, 0.0, 0.05, n - 2), 0.1);
}

} // namespace

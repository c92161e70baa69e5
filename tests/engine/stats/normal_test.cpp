#include <gtest/gtest.h>

#include "engine/stats/normal.h"

namespace {

struct Point {
    double argument;
    double expected;
    double tolerance;
};

class NormalQuantileTest : public ::testing::TestWithParam<Point> {};

TEST_P(NormalQuantileTest, MatchesTheApproximationsValues)
{
    const Point& p = GetParam();
    EXPECT_NEAR(NormalQuantile(p.argument), p.expected, p.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Values, NormalQuantileTest,
                         ::testing::Values(Point{0.2, 0.84146, 5e-6}, Point{0.1, 1.28173, 5e-6},
                                           Point{0.05, 1.6452114, 5e-8},
                                           Point{0.025, 1.96039, 5e-6}, Point{0.01, 2.32679, 5e-6},
                                           Point{0.001, 3.09052, 5e-6},
                                           // Not exactly 0: formulas carry this tiny term.
                                           Point{0.5, -1.0100667e-7, 1e-14}));

class NormalCdfTest : public ::testing::TestWithParam<Point> {};

TEST_P(NormalCdfTest, MatchesTheApproximationsValues)
{
    const Point& p = GetParam();
    EXPECT_NEAR(NormalCdf(p.argument), p.expected, p.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Values, NormalCdfTest,
                         ::testing::Values(Point{0.0, 0.5000000042, 5e-11},
                                           Point{-1.96, 0.0249978, 5e-8},
                                           Point{1.644854, 0.95000005, 5e-9}));

TEST(NormalDensityTest, UsesTheEightDigitTwoPi)
{
    EXPECT_NEAR(NormalDensity(0.0), 0.39894227745, 5e-12);
}

TEST(NormalCdfTest, NegativeArgumentsMirrorPositiveOnes)
{
    for (double x : {0.1, 0.5, 1.0, 2.5, 4.0})
        EXPECT_NEAR(NormalCdf(-x), 1.0 - NormalCdf(x), 1e-15) << x;
}

} // namespace

#include "engine/stats/normal.h"

#include <gtest/gtest.h>

namespace {

struct Point {
    double (*function)(double);
    double argument, expected, tolerance;
};

class NormalTest : public ::testing::TestWithParam<Point> {};

TEST_P(NormalTest, ValuesOfTheApproximations)
{
    EXPECT_NEAR(GetParam().function(GetParam().argument), GetParam().expected,
                GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NormalTest,
    ::testing::Values(
        Point{NormalQuantile, 0.2, 0.84146, 5e-6}, Point{NormalQuantile, 0.1, 1.28173, 5e-6},
        Point{NormalQuantile, 0.05, 1.6452114, 5e-8}, // not 1.6448536
        Point{NormalQuantile, 0.025, 1.96039, 5e-6}, Point{NormalQuantile, 0.01, 2.32679, 5e-6},
        Point{NormalQuantile, 0.001, 3.09052, 5e-6},
        Point{NormalQuantile, 0.5, -1.0100667e-7, 1e-14}, // not exactly 0
        Point{NormalDensity, 0.0, 0.39894227745, 5e-12}, Point{NormalCdf, 0.0, 0.5000000042, 5e-11},
        Point{NormalCdf, -1.96, 0.0249978, 5e-8}, Point{NormalCdf, 1.644854, 0.95000005, 5e-9}));

} // namespace

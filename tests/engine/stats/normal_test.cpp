#include "engine/stats/normal.h"

#include <vector>

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
        Point{NormalCdf, -1.96, 0.0249978, 5e-8}, Point{NormalCdf, 1.644854, 0.95000005, 5e-9},
        // The curve's root is pow's to the bit, also where pow rounds the other
        // way from the square root (these three values, sqrt's result one unit off).
        Point{PowHalf, 0x1.0ac3158ad473cp-3, 0x1.7191fbc7f7efp-2, 0},
        Point{PowHalf, 0x1.e6830444a3a82p-3, 0x1.f317dcae66069p-2, 0},
        Point{PowHalf, 0x1.5e00f754e59ap-5, 0x1.a7528ed6d6cedp-3, 0},
        Point{PowHalf, 0.25, 0.5, 0}));

// More points than one block of the batch form, tails and centre alike: each
// is the one-value form's to the bit.
TEST(NormalTest, BatchOfManyPointsAsOneByOne)
{
    std::vector<double> x;
    for (double value = -10.0; value <= 10.0; value += 0.0625)
        x.push_back(value);
    std::vector<double> cdf(x.size());
    NormalCdfs(x.data(), cdf.data(), static_cast<int>(x.size()));
    for (std::size_t i = 0; i < x.size(); ++i)
        ASSERT_EQ(cdf[i], NormalCdf(x[i])) << "at " << x[i];
}

} // namespace

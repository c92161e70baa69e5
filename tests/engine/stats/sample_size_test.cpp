#include "engine/stats/sample_size.h"

#include <climits>
#include <utility>

#include <gtest/gtest.h>

namespace {

using Rounding = std::pair<double, int>;

class RoundSampleSizeTest : public ::testing::TestWithParam<Rounding> {};

TEST_P(RoundSampleSizeTest, DropsAFractionOfAtMostFiveHundredths)
{
    EXPECT_EQ(RoundSampleSize(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundSampleSizeTest,
                         ::testing::Values(Rounding{12.04, 12}, Rounding{12.06, 13},
                                           Rounding{12.05, 13}, // a double just above 12.05
                                           Rounding{2.03, 2}, Rounding{7.051, 8}, Rounding{0.4, 1},
                                           Rounding{1e300, INT_MAX}));

} // namespace

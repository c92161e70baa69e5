#include "engine/stats/sample_size.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

namespace {

// A fraction of at most five hundredths is dropped; 12.05 is a double just
// above 12.05.
TEST(RoundSampleSizeTest, DropsAFractionOfAtMostFiveHundredths)
{
    std::string sizes;
    for (const double size : {12.04, 12.06, 12.05, 2.03, 7.051, 0.4, 1e300})
        sizes += std::to_string(RoundSampleSize(size)) + " ";
    EXPECT_EQ(sizes, "12 13 13 2 8 1 " + std::to_string(INT_MAX) + " ");
}

} // namespace

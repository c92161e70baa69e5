#include "engine/stats/exact_t.h"

#include <gtest/gtest.h>

#include "engine/dqo_record.h"

namespace {

// The starting one-sample mean (gray region 50 to 75, sd 16.67) and the
// two-sample mean (difference 5, sd 6.667), both with limits 0.01 as the
// record holds them: the real n where the exact power reaches 1 - beta, the
// exact size, and the exact rate at TALO's number of samples.
struct Worked {
    ParameterCode parameter;
    double sd, crossing;
    int samples, taloSamples;
    double taloBeta;
};

class ExactTTest : public ::testing::TestWithParam<Worked> {};

TEST_P(ExactTTest, SizeAndRateOfTheWorkedExamples)
{
    const Worked& w = GetParam();
    const bool twoSample = w.parameter == kTwoMean;
    const double effect = (twoSample ? 5 : 25) / w.sd, limit = 0.01f;
    EXPECT_GT(*ExactTBeta(effect, limit, w.crossing - 0.0005, twoSample), limit);
    EXPECT_LT(*ExactTBeta(effect, limit, w.crossing + 0.0005, twoSample), limit);
    DQORecord rec;
    ApplyParameterDefaults(rec, w.parameter);
    rec.nParameter = w.parameter, rec.nSamples = w.taloSamples, rec.dSD = w.sd;
    rec.dLowerBound = rec.dActionLevel; // the gray region above the action level
    const std::optional<ExactTCheck> check = ExactTCrossCheck(rec);
    ASSERT_TRUE(check);
    EXPECT_EQ(check->samples, w.samples);
    EXPECT_NEAR(*check->beta, w.taloBeta, 0.000005);
}

INSTANTIATE_TEST_SUITE_P(Means, ExactTTest,
                         ::testing::Values(Worked{kOneMean, 16.67, 12.577, 13, 13, 0.00760},
                                           Worked{kTwoMean, 6.667, 78.349, 79, 91, 0.00353}));

// Only for means under simple random sampling; a gray region of no width is
// never detected better than alpha.
TEST(ExactTTest, OnlyForMeansUnderSimpleRandomSamplingAndReachableSizes)
{
    DQORecord composite, proportion;
    composite.nSamples = 13, composite.nDesign = kComposite;
    proportion.nParameter = kOneProportion;
    EXPECT_FALSE(ExactTCrossCheck(composite) || ExactTCrossCheck(proportion));
    EXPECT_FALSE(ExactTSampleSize(0, 0.01, 0.01, false) || ExactTBeta(1, 0.01, 1, false));
}

} // namespace

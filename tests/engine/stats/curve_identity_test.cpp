#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "tests/engine/stats/designed_records.h"

// The performance curve as the engine has always drawn it, to the last bit:
// a faster evaluation must not move a single point. Each row keeps a 64-bit
// FNV-1a digest of the bit patterns of all 101 points, taken from the engine
// before its curve was made faster.

namespace {

// A gray region too narrow for the limit: both rates are set to 0.5 and the
// curve is flat at 0.5, not turned round.
const Prepare Narrow = [](DQORecord& r) {
    r.dUpperBound = r.dAbove1 = 0.5005, r.dAbove2 = 0.9 * r.dMaximum;
};

struct IdentityCase {
    const char* name;
    int parameter, design, baseline;
    Prepare prepare;
    int typed; // a number of samples typed on the summary screen, 0 for none
    std::uint64_t digest;
};

std::uint64_t Digest(const double (&curve)[kCurvePoints])
{
    std::uint64_t hash = 14695981039346656037ULL, bits = 0;
    for (const double value : curve) {
        std::memcpy(&bits, &value, sizeof bits);
        for (int byte = 0; byte < 8; ++byte)
            hash = (hash ^ ((bits >> (8 * byte)) & 0xff)) * 1099511628211ULL;
    }
    return hash;
}

class CurveIdentityTest : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(CurveIdentityTest, EveryPointKeepsItsBits)
{
    const IdentityCase& c = GetParam();
    RecordingMessages messages;
    DQORecord rec = Analysed(c.parameter, c.design, c.baseline, c.prepare, messages);
    if (c.typed > 0) {
        rec.nUserSamples = c.typed, rec.bSamplesChanged = 1;
        ApplyTypedSamples(rec, messages);
        FillCalculationBlock(rec);
        ComputeAnalysisPass(rec, messages);
    }
    EXPECT_EQ(Digest(rec.dCurve), c.digest);
}

const IdentityCase kIdentityCases[] = {
    {"MeanSimpleAtMost", kMean, kSR, kAtMost, nullptr, 0, 0x5e1dd75538c51e61ULL},
    {"MeanSimpleAtLeast", kMean, kSR, kAtLeast, nullptr, 0, 0x031ec5eefbdff0f9ULL},
    {"MeanStratifiedAtMost", kMean, kStrat, kAtMost, nullptr, 0, 0xb05b2672048214b1ULL},
    {"MeanStratifiedAtLeast", kMean, kStrat, kAtLeast, nullptr, 0, 0xfb6cd3f1afaba7b6ULL},
    {"MeanSmallStrata", kMean, kStrat, kAtMost, SmallStrata, 0, 0xa6012e80ec2d5dd3ULL},
    {"ProportionSimpleAtMost", kProp, kSR, kAtMost, nullptr, 0, 0x7d75cf2e2bafcdefULL},
    {"ProportionSimpleAtLeast", kProp, kSR, kAtLeast, nullptr, 0, 0xb87e553a513d6a8dULL},
    {"ProportionStratifiedAtMost", kProp, kStrat, kAtMost, nullptr, 0, 0xd3b278971db3ed34ULL},
    {"TwoMeansAtMost", kTwoMean, kSR, kAtMost, nullptr, 0, 0xda56d77f1a75a67bULL},
    {"TwoMeansAtLeast", kTwoMean, kSR, kAtLeast, nullptr, 0, 0x8ebf7a30d05d6136ULL},
    {"TwoProportionsAtMost", kTwoProp, kSR, kAtMost, nullptr, 0, 0xa81ecc24142fa9ccULL},
    {"TwoProportionsAtLeast", kTwoProp, kSR, kAtLeast, nullptr, 0, 0x427b19dd731a031dULL},
    {"MeanSimpleTyped", kMean, kSR, kAtMost, nullptr, 20, 0x902405b7727f8ca0ULL},
    {"ProportionStratifiedTyped", kProp, kStrat, kAtLeast, nullptr, 40, 0x7454548f331728e9ULL},
    {"TwoMeansTyped", kTwoMean, kSR, kAtMost, nullptr, 50, 0x2561a64cd8fb5966ULL},
    {"ProportionTooLarge", kProp, kSR, kAtMost, Narrow, 0, 0x6c6b4a69924021c7ULL},
    {"ProportionStratifiedTooLarge", kProp, kStrat, kAtMost, Narrow, 0, 0xdd589ef5cd5d0135ULL},
};

INSTANTIATE_TEST_SUITE_P(Analyses, CurveIdentityTest, ::testing::ValuesIn(kIdentityCases), ByName);

// The starting mean's curve: about alpha at the action level, about 1 - beta
// at the upper bound and 0 at the minimum.
TEST(CurveIdentityTest, StartingMeanWorkedValues)
{
    RecordingMessages messages;
    const DQORecord rec = Analysed(kMean, kSR, kAtMost, nullptr, messages);
    EXPECT_NEAR(rec.dCurve[50], 0.009988, 5e-7);
    EXPECT_NEAR(rec.dCurve[75], 0.990012, 5e-7);
    EXPECT_NEAR(rec.dCurve[0], 0, 5e-7);
}

} // namespace

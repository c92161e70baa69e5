#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "tests/engine/stats/designed_records.h"
#include "tests/support/recording_messages.h"

// The performance curve as the engine has always drawn it, to the last bit:
// a faster evaluation must not move a single point. Each row keeps three
// points as exact doubles and a 64-bit FNV-1a digest of the bit patterns of
// all 101 points, taken from the engine before its curve was made faster.

namespace {

using Prepare = void (*)(DQORecord&);

// A gray region too narrow for the limit: both rates are set to 0.5.
const Prepare NarrowGray = [](DQORecord& r) {
    r.dUpperBound = r.dAbove1 = 0.5005, r.dAbove2 = 0.9 * r.dMaximum;
};

struct IdentityCase {
    const char* name;
    int parameter, design, baseline;
    Prepare prepare;
    int typed; // a number of samples typed on the summary screen, 0 for none
    std::uint64_t digest;
    double at20, at50, at80;
};

std::uint64_t Digest(const double (&curve)[kCurvePoints])
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const double value : curve) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int byte = 0; byte < 8; ++byte) {
            hash ^= (bits >> (8 * byte)) & 0xff;
            hash *= 1099511628211ULL;
        }
    }
    return hash;
}

class CurveIdentityTest : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(CurveIdentityTest, EveryPointKeepsItsBits)
{
    const IdentityCase& c = GetParam();
    DQORecord rec = DesignedRecord(c.parameter, c.design, c.baseline);
    if (c.prepare)
        c.prepare(rec);
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    if (c.typed > 0) {
        rec.nUserSamples = c.typed;
        rec.bSamplesChanged = 1;
        ApplyTypedSamples(rec, messages);
        FillCalculationBlock(rec);
        ComputeAnalysisPass(rec, messages);
    }
    EXPECT_EQ(rec.dCurve[20], c.at20);
    EXPECT_EQ(rec.dCurve[50], c.at50);
    EXPECT_EQ(rec.dCurve[80], c.at80);
    EXPECT_EQ(Digest(rec.dCurve), c.digest);
}

const IdentityCase kIdentityCases[] = {
    {"MeanSimpleAtMost", kMean, kSR, kAtMost, nullptr, 0, 0x5e1dd75538c51e61ULL, 0x1.8p-50,
     0x1.474c20c77c04p-7, 0x1.ffb6549e9b7e8p-1},
    {"MeanSimpleAtLeast", kMean, kSR, kAtLeast, nullptr, 0, 0x031ec5eefbdff0f9ULL,
     0x1.26ad859206p-11, 0x1.fae2cf7ce20ffp-1, 0x1.ffffffffffff4p-1},
    {"MeanCompositeAtMost", kMean, kComp, kAtMost, nullptr, 0, 0x5e1dd75538c51e61ULL, 0x1.8p-50,
     0x1.474c20c77c04p-7, 0x1.ffb6549e9b7e8p-1},
    {"MeanCompositeAtLeast", kMean, kComp, kAtLeast, nullptr, 0, 0x031ec5eefbdff0f9ULL,
     0x1.26ad859206p-11, 0x1.fae2cf7ce20ffp-1, 0x1.ffffffffffff4p-1},
    {"MeanStratifiedAtMost", kMean, kStrat, kAtMost, nullptr, 0, 0xb05b2672048214b1ULL, 0x1.8p-50,
     0x1.474c20c77c04p-7, 0x1.ffb6549e9b7e8p-1},
    {"MeanStratifiedAtLeast", kMean, kStrat, kAtLeast, nullptr, 0, 0xfb6cd3f1afaba7b6ULL,
     0x1.26ad859206p-11, 0x1.fae2cf7ce20ffp-1, 0x1.ffffffffffff4p-1},
    {"ProportionSimpleAtMost", kProp, kSR, kAtMost, nullptr, 0, 0x7d75cf2e2bafcdefULL, 0x0p+0,
     0x1.474c20c77c08p-7, 0x1.fffe23542cbc3p-1},
    {"ProportionSimpleAtLeast", kProp, kSR, kAtLeast, nullptr, 0, 0xb87e553a513d6a8dULL,
     0x1.dcabd343dp-17, 0x1.fae2cf7ce21p-1, 0x1p+0},
    {"ProportionStratifiedAtMost", kProp, kStrat, kAtMost, nullptr, 0, 0xd3b278971db3ed34ULL,
     0x1.8p-50, 0x1.474c20c77c08p-7, 0x1.ffb6549e9b7e8p-1},
    {"ProportionStratifiedAtLeast", kProp, kStrat, kAtLeast, nullptr, 0, 0x4febf5cfb99b3ff4ULL,
     0x1.26ad859206p-11, 0x1.fae2cf7ce21p-1, 0x1.ffffffffffff4p-1},
    {"TwoMeansAtMost", kTwoMean, kSR, kAtMost, nullptr, 0, 0xda56d77f1a75a67bULL, 0x0p+0,
     0x1.474c20c77cp-7, 0x1p+0},
    {"TwoMeansAtLeast", kTwoMean, kSR, kAtLeast, nullptr, 0, 0x8ebf7a30d05d6136ULL, 0x0p+0,
     0x1.fae2cf7ce20fep-1, 0x1p+0},
    {"TwoProportionsAtMost", kTwoProp, kSR, kAtMost, nullptr, 0, 0xa81ecc24142fa9ccULL, 0x1p-50,
     0x1.474c20c77c04p-7, 0x1.ffc103c955447p-1},
    {"TwoProportionsAtLeast", kTwoProp, kSR, kAtLeast, nullptr, 0, 0x427b19dd731a031dULL,
     0x1.f7e1b555dc8p-12, 0x1.fae2cf7ce20ffp-1, 0x1.ffffffffffff8p-1},
    {"MeanSimpleTyped", kMean, kSR, kAtMost, nullptr, 20, 0x902405b7727f8ca0ULL, 0x0p+0,
     0x1.474c20c77c04p-7, 0x1.fffffbc7eeaebp-1},
    {"ProportionStratifiedTyped", kProp, kStrat, kAtLeast, nullptr, 40, 0x7454548f331728e9ULL,
     0x1.d0f75aebb408p-6, 0x1.fae2cf7ce21p-1, 0x1.ffffffffc4078p-1},
    {"TwoMeansTyped", kTwoMean, kSR, kAtMost, nullptr, 50, 0x2561a64cd8fb5966ULL, 0x0p+0,
     0x1.474c20c77cp-7, 0x1.fffffffbc3964p-1},
    {"ProportionTooLarge", kProp, kSR, kAtMost, NarrowGray, 0, 0x6c6b4a69924021c7ULL,
     0x1.27c6d7fdf46f4p-3, 0x1.0000017e5f8edp-1, 0x1.b60e4b8af5558p-1},
};

INSTANTIATE_TEST_SUITE_P(Analyses, CurveIdentityTest, ::testing::ValuesIn(kIdentityCases), ByName);

} // namespace

#include "engine/analysis_pass.h"

#include <gtest/gtest.h>

#include "engine/screen_state.h"
#include "tests/engine/stats/designed_records.h"

namespace {

// A number of samples or a total cost typed on the summary screen, and the
// size it asks for; the achieved rate becomes the false acceptance limit.
struct Typed {
    int parameter, design, baseline, fieldTotal;
    float fieldCost;
    const char *samples, *cost; // typed over the numbers shown, "" to leave them
    int userSamples;            // 0: nothing asked for
    float rate;                 // 0: not checked
    float labCost = 1000;
};

class TypedTest : public ::testing::TestWithParam<Typed> {};

TEST_P(TypedTest, SizeAskedForAndItsRate)
{
    const Typed& c = GetParam();
    DQORecord rec = DesignedRecord(c.parameter, c.design, c.baseline);
    rec.bFieldCostTotal = c.fieldTotal, rec.fFieldCost = c.fieldCost, rec.fLabCost = c.labCost;
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    SummaryScreen summary;
    FillSummaryScreen(summary, rec);
    summary.m_strSamples = *c.samples ? c.samples : summary.m_strSamples;
    summary.m_strTotalCost = *c.cost ? c.cost : summary.m_strTotalCost;
    ASSERT_EQ(RecomputeForTypedSamples(summary, rec, messages), c.userSamples != 0);
    EXPECT_EQ(std::make_pair(rec.nUserSamples, rec.bSamplesChanged),
              std::make_pair(c.userSamples, 0));
    if (c.rate == 0)
        return;
    const bool atMost = c.baseline == kAtMost;
    EXPECT_NEAR(atMost ? rec.fLimitAtUpper : rec.fLimitAtLower, c.rate, 5e-5f);
    EXPECT_EQ(atMost ? rec.fLimitAtLower : rec.fLimitAtUpper, 0.01f);
    EXPECT_NEAR(rec.nSamples, c.userSamples, 1); // or the size next to it after rounding
    EXPECT_TRUE(messages.shown.empty());
}

// Ten samples instead of 13 give 0.0424. Per sample 1000 + 50, so 10500 buys
// ten; per composite 4 aliquots of 50, compositing 10 and lab 1000. The
// two-sample rate 0.1325 was computed by hand from the power formula.
const Typed kTyped[] = {
    {kMean, kSR, kAtMost, 0, 50, "10", "", 10, 0.0424f},
    {kMean, kSR, kAtMost, 0, 50, "", "10500", 10, 0.0424f},
    {kMean, kSR, kAtLeast, 0, 50, "10", "", 10, 0.0424f},
    {kTwoMean, kSR, kAtMost, 0, 50, "50", "", 50, 0.1325f},
    {kTwoMean, kSR, kAtMost, 0, 50, "", "10500", 5, 0},  // per population
    {kMean, kSR, kAtMost, 0, 50, "", "13650.004", 0, 0}, // the same cents
    {kMean, kSR, kAtMost, 0, 50, "20", "10500", 20, 0},  // the samples win
    {kMean, kSR, kAtMost, 1, 50, "", "10050", 10, 0},
    {kMean, kComp, kAtMost, 0, 50, "", "12101", 11, 0},
    {kMean, kComp, kAtMost, 1, 50, "", "10150", 10, 0},
    // 9 samples at 1000 + 0.36 (single precision) cost 9003.24, which buys 9.
    {kMean, kSR, kAtMost, 0, 0.36f, "", "9003.24", 9, 0},
    // A total buys nothing when a sample costs nothing.
    {kMean, kSR, kAtMost, 0, 0, "", "10500", 0, 0, 0},
    {kMean, kSR, kAtMost, 1, 50, "", "10500", 0, 0, 0},
    // Two populations with a total field cost: 2 x (11 x 1000 + 5000) fits.
    {kTwoMean, kSR, kAtMost, 1, 5000, "", "30000.01", 11, 0},
};

INSTANTIATE_TEST_SUITE_P(SummaryScreen, TypedTest, ::testing::ValuesIn(kTyped));

} // namespace

#include "engine/plot_description.h"

#include <vector>

#include <gtest/gtest.h>

#include "tests/engine/stats/designed_records.h"

namespace {

struct AxisCase {
    const char* name;
    int parameter;
    double minimum, maximum, lower, upper;
    double firstTick, middleTick, lastTick, lowerPos, upperPos;
};

class FillPlotSpecTest : public ::testing::TestWithParam<AxisCase> {};

TEST_P(FillPlotSpecTest, TicksAndGrayRegionOnTheAxis)
{
    const AxisCase& c = GetParam();
    DQORecord rec;
    rec.nParameter = c.parameter, rec.dMinimum = c.minimum, rec.dMaximum = c.maximum;
    rec.dLowerBound = c.lower, rec.dUpperBound = c.upper, rec.dCurve[3] = 0.25;
    FillCalculationBlock(rec);
    FillPlotSpec(rec);
    const PlotSpec& p = rec.plotSpec;
    EXPECT_EQ(p.dValues[3], 0.25);
    EXPECT_EQ((std::vector<double>{p.dXTickValues[0], p.dXTickValues[5], p.dXTickValues[10],
                                   p.dVLinePos[0], p.dVLinePos[1]}),
              (std::vector<double>{c.firstTick, c.middleTick, c.lastTick, c.lowerPos, c.upperPos}));
}

const AxisCase kAxes[] = {
    {"Mean", kOneMean, 0, 100, 50, 75, 0, 50, 100, 0.5, 0.75},
    {"MeanOffset", kTwoMean, -20, 20, 0, 5, -20, 0, 20, 0.5, 0.625},
    // The difference of proportions runs from -1 to 1 whatever the ends say.
    {"Proportions", kTwoProportion, -0.2, 0.9, 0, 0.5, -1, 0, 1, 0.5, 0.75},
    // A zero-width axis cannot pass the input checks; it divides by nothing.
    {"ZeroWidth", kOneMean, 5, 5, 50, 75, 5, 5, 5, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Axes, FillPlotSpecTest, ::testing::ValuesIn(kAxes), ByName);

} // namespace

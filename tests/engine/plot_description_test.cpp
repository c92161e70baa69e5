#include <gtest/gtest.h>

#include "engine/dqo_record.h"
#include "engine/plot_description.h"

namespace {

TEST(FillPlotSpecTest, TicksAndGrayRegionOfAMean)
{
    DQORecord rec;
    rec.dMinimum = 0;
    rec.dMaximum = 100;
    FillCalculationBlock(rec);
    FillPlotSpec(rec);
    const PlotSpec& spec = rec.plotSpec;
    EXPECT_EQ(spec.nPoints, 101);
    EXPECT_EQ(spec.nXTicks, 11);
    EXPECT_EQ(spec.nVLines, 2);
    EXPECT_EQ(spec.nXDecimals, 1);
    EXPECT_EQ(spec.nYDecimals, 1);
    EXPECT_EQ(spec.dYMin, 0.0);
    EXPECT_EQ(spec.dYMax, 1.0);
    for (int i = 0; i < kXTicks; ++i)
        EXPECT_NEAR(spec.dXTickValues[i], 10.0 * i, 1e-12) << i;
    EXPECT_DOUBLE_EQ(spec.dVLinePos[0], 0.5);
    EXPECT_DOUBLE_EQ(spec.dVLinePos[1], 0.75);
}

TEST(FillPlotSpecTest, DifferenceOfProportionsRunsFromMinusOneToOne)
{
    DQORecord rec;
    rec.nParameter = kTwoProportion;
    rec.dMinimum = -0.2; // ignored for this parameter
    rec.dMaximum = 0.9;
    rec.dLowerBound = 0;
    rec.dUpperBound = 0.5;
    FillCalculationBlock(rec);
    FillPlotSpec(rec);
    EXPECT_DOUBLE_EQ(rec.plotSpec.dXTickValues[0], -1.0);
    EXPECT_NEAR(rec.plotSpec.dXTickValues[10], 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(rec.plotSpec.dVLinePos[0], 0.5);
    EXPECT_DOUBLE_EQ(rec.plotSpec.dVLinePos[1], 0.75);
}

TEST(FillPlotSpecTest, CopyOfARecordCarriesItsOwnPlot)
{
    DQORecord a;
    FillCalculationBlock(a);
    a.dCurve[3] = 0.25;
    FillPlotSpec(a);
    DQORecord b = a;
    a.dCurve[3] = 0.75;
    FillPlotSpec(a);
    EXPECT_EQ(b.plotSpec.dValues[3], 0.25);
}

TEST(FillPlotSpecTest, ZeroWidthAxisDoesNotDivideByZero)
{
    DQORecord rec;
    rec.dMinimum = rec.dMaximum = 5;
    FillCalculationBlock(rec);
    FillPlotSpec(rec);
    EXPECT_EQ(rec.plotSpec.dVLinePos[0], 0.0);
    EXPECT_EQ(rec.plotSpec.dVLinePos[1], 0.0);
}

} // namespace

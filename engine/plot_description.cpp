#include "engine/plot_description.h"

#include <algorithm>
#include <iterator>

#include "engine/dqo_record.h"

void FillPlotSpec(DQORecord& rec)
{
    // The difference of two proportions is always plotted from -1 to 1.
    const bool difference = rec.nParameter == kTwoProportion;
    const double a = difference ? -1.0 : rec.dMinimum;
    const double b = difference ? 1.0 : rec.dMaximum;
    const double w = b - a;

    PlotSpec& spec = rec.plotSpec;
    spec.nPoints = kCurvePoints;
    std::copy(std::begin(rec.dCurve), std::end(rec.dCurve), spec.dValues);
    spec.dYMin = 0.0;
    spec.dYMax = 1.0;
    spec.nXTicks = kXTicks;
    for (int i = 0; i < kXTicks; ++i)
        spec.dXTickValues[i] = (w * 0.1) * i + a;
    spec.nXDecimals = 1;
    spec.nYDecimals = 1;
    spec.nVLines = kVLines;
    // A zero-width axis would divide by zero; it cannot pass the input checks.
    spec.dVLinePos[0] = w != 0 ? (rec.dErrorPoint[kRowLower] - a) / w : 0.0;
    spec.dVLinePos[1] = w != 0 ? (rec.dErrorPoint[kRowUpper] - a) / w : 0.0;
}

#pragma once

// Description of one performance curve for the plot. It carries its values
// by value, so a record copied whole never points into another record.

constexpr int kCurvePoints = 101;
constexpr int kXTicks = 11;
constexpr int kVLines = 2;

struct PlotSpec {
    int nPoints = 0;
    double dValues[kCurvePoints] = {};
    double dYMin = 0.0;
    double dYMax = 1.0;
    int nXTicks = 0;
    double dXTickValues[kXTicks] = {};
    int nXDecimals = 1;
    int nYDecimals = 1;
    int nVLines = 0;
    double dVLinePos[kVLines] = {};
};

struct DQORecord;

// Fills rec.plotSpec from the record's curve and gray region.
void FillPlotSpec(DQORecord& rec);

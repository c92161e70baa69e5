#pragma once

#include "engine/plot_description.h"

// Parameter codes (nParameter).
enum ParameterCode { kOneMean = 0, kOneProportion = 1, kTwoMean = 2, kTwoProportion = 3 };
// Design codes (nDesign).
enum DesignCode { kSimpleRandom = 0, kComposite = 1, kStratified = 2 };
// Baseline codes (nBaseline): 1 is Ho: parameter <= AL, 0 is Ho: parameter >= AL.
enum BaselineCode { kBaselineAtLeast = 0, kBaselineAtMost = 1 };

constexpr int kMaxStrata = 5;
constexpr int kErrorRows = 6;
constexpr int kAdditionalRows = 4;

// Decision error table rows, ascending.
enum ErrorRow {
    kRowBelow1 = 0,
    kRowBelow2 = 1,
    kRowLower = 2,
    kRowUpper = 3,
    kRowAbove1 = 4,
    kRowAbove2 = 5
};

// One complete DQO analysis as a plain value record; copied whole by assignment.
struct DQORecord {
    // Inputs. Costs and decision error limits are single precision.
    int nParameter = 0;
    double dMinimum = 0;
    double dMaximum = 100;
    double dActionLevel = 50;
    int nBaseline = 1;
    int bSDFromCV = 0;
    int bFieldCostTotal = 0;
    double dUpperBound = 75;
    double dLowerBound = 50;
    float fLabCost = 1000;
    float fFieldCost = 50;
    float fCompositingCost = 10;
    float fLimitAtUpper = 0.01f;
    float fLimitAtLower = 0.01f;
    int nAboveCount = 0;
    int nBelowCount = 0;
    double dAbove1 = 0, dAbove2 = 0;
    float fAbove1Limit = 0, fAbove2Limit = 0;
    double dBelow1 = 0, dBelow2 = 0;
    float fBelow1Limit = 0, fBelow2Limit = 0;
    double dSD = 10;
    double dSDValue = 16.67;
    double dCV = 0.2;
    double dSDFromCV = 10;

    // Results.
    int nSamples = 0;
    double dTotalCost = 0;
    int bNotSatisfied[kAdditionalRows] = {};
    PlotSpec plotSpec;
    double dCurve[kCurvePoints] = {};

    // Design inputs and calculation block.
    int nDesign = 0;
    int bStrataSaved = 0;
    int bCompositeSaved = 0;
    int nCalcParameter = 0;
    double dCalcMaximum = 0, dCalcMinimum = 0;
    double dAlpha = 0;
    double dBeta = 0;
    double dCalcLower = 0, dCalcUpper = 0, dCalcActionLevel = 0, dCalcSD = 0;
    double dSDRatio = 1.0;
    double dStratumValue[kMaxStrata] = {};
    double dStratumWeight[kMaxStrata] = {};
    int nCalcBaseline = 0;
    double dCalcTotalCost = 0;
    double dCalcLabCost = 0, dCalcFieldCost = 0;
    int nCalcSamples = 0;
    int nAliquots = 0;
    int nStrata = 0;
    int nStratumSamples[kMaxStrata] = {};
    double dStratumExact[kMaxStrata] = {};
    double dCalcSamples = 0;
    int nUserSamples = 0;
    double dErrorPoint[kErrorRows] = {};
    double dErrorLimit[kErrorRows] = {};

    // Screen flags.
    int bSamplesChanged = 0;
    int bRestoreOriginal = 0;
    int bSummaryRequested = 0;
    int bScreenAccepted = 0;
};

// Sets every field that has a reset value back to it; the rest keep theirs.
void ResetDQORecord(DQORecord& rec);

// Overwrites the defaults that depend on the parameter just chosen.
void ApplyParameterDefaults(DQORecord& rec, int parameterCode);

// Fills the calculation block from the inputs.
void FillCalculationBlock(DQORecord& rec);

// "Original DQOs": the original inputs, design inputs and flags come back,
// the chosen design stays (with its current inputs when the original has
// none for it), and the results stay until the next computation.
void RestoreOriginal(DQORecord& current, const DQORecord& original);

// The first stratified and composite inputs are also kept in the original
// record, so that "Original DQOs" brings them back.
void SaveFirstDesignInputs(DQORecord& current, DQORecord& original);

// The name of a design, and the kinds of parameter.
const char* DesignName(int design); // "Simple Random Sampling", ...
bool IsParameterCode(int parameter);
bool IsProportion(int parameter);
bool IsTwoSample(int parameter);

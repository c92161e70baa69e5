#pragma once

#include <functional>

#include "engine/plot_description.h"

struct DQORecord;
class Messages;

// The statistics engine working on the calculation block of one record.
// Messages (too-large sizes, clamped rates, internal errors) go to the
// given Messages; nothing here opens a window.
class CAnalysis {
public:
    CAnalysis(DQORecord& rec, Messages& messages);

    // Simple random designs, cost and the performance curve.
    void SelectErrorLimits();
    void OneMeanSampleSize(double sd, int perStratum, int design);
    void OneProportionSampleSize();
    void OneMeanErrorRate(double se);
    void OneProportionErrorRate();
    void ComputeCost();
    void ComputePerformanceCurve();

    // The design driver and the evaluation of a typed number of samples.
    void ComputeOneSampleDesign(int design);
    void ComputeTwoSampleDesign();
    void EvaluateOneSample(int design, int n);
    void EvaluateTwoSample(int n);
    void FinishErrorRate();
    void ReportTooLarge(int limit);
    void SpreadLowerLimit();
    void SpreadUpperLimit();

    // The additional decision error limits.
    void CheckAdditionalLimits();
    int CheckAdditionalLimit(int row, int design);
    int check_fpos(int row, double sd);
    int check_fneg(int row, double se, int design);
    int CheckStrataFalseRejection(int row);

    // Composite and stratified designs.
    double CompositeSD() const;
    void CompositeCost();
    int StratifiedMeanSampleSize();
    int StratifiedProportionSampleSize();
    void StratifiedFallback();
    double StratifiedStandardError();
    void StratifiedMeanErrorRate();
    void StratifiedProportionErrorRate();

private:
    int Parameter() const;
    double ZAlpha() const;
    double ZBeta() const;
    double AlBound() const;
    double OtherBound() const;
    double DistanceFromOtherBound(double x) const;
    bool IsFalseRejectionRow(int row) const;
    double DecisionZ(double g) const;
    int StrataCount() const;
    int StrataLimit() const;
    bool EqualStratumValues() const;
    double WeightedStratumSum() const;
    void SumStratumSamples();
    double CurveStandardError();
    void CurveArguments(const double* x, double* g, int n);
    double SizeWithinLimit(int limit, const std::function<double()>& realSize);
    double AdjustedSize(double x) const;
    double GrayRegionZSpan() const;
    void AdjustTooLarge(int limit);
    void ReportInternalError(const char* where);

    DQORecord& m_rec;
    Messages& m_messages;
    bool m_bAdjusted = false; // the too-large adjustment was made in this pass
};

// The true values at which the performance curve is evaluated.
void PerformanceCurveX(const DQORecord& rec, double x[kCurvePoints]);

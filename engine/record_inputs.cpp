#include "engine/record_inputs.h"

#include <utility>

#include "engine/dqo_record.h"
#include "engine/number_text.h"

void TieBoundToActionLevel(DQORecord& rec)
{
    if (rec.nBaseline == kBaselineAtMost)
        rec.dLowerBound = rec.dActionLevel;
    else
        rec.dUpperBound = rec.dActionLevel;
}

void StoreGrayRegion(DQORecord& rec, int baseline, double actionLevel, double otherBound)
{
    if (baseline == kBaselineAtMost) {
        rec.nBaseline = kBaselineAtMost;
        rec.dLowerBound = actionLevel;
        rec.dUpperBound = otherBound;
    } else {
        rec.nBaseline = kBaselineAtLeast;
        rec.dLowerBound = otherBound;
        rec.dUpperBound = actionLevel;
    }
}

double OtherBound(const DQORecord& rec)
{
    return rec.nBaseline == kBaselineAtMost ? rec.dUpperBound : rec.dLowerBound;
}

void StoreMeanInputs(DQORecord& rec, const MeanInputs& in)
{
    rec.dMinimum = in.minimum;
    rec.dMaximum = in.maximum;
    rec.dActionLevel = in.actionLevel;
    if (in.sdMode == kSDByValue) {
        rec.bSDFromCV = 0;
        rec.dSDValue = rec.dSD = in.sd;
    } else {
        rec.bSDFromCV = 1;
        rec.dSDFromCV = in.cvPercent * in.actionLevel * 0.01;
        rec.dCV = in.cvPercent * 0.01;
        rec.dSD = rec.dSDFromCV;
    }
    StoreGrayRegion(rec, in.baseline, in.actionLevel, in.otherBound);
}

namespace {

void StoreRow(const AdditionalLimitRow& row, double emptyPoint, double& point, float& limit)
{
    point = row.given ? row.point : emptyPoint;
    limit = row.given ? NarrowToFloat(row.limit) : 0.0f;
}

void SortPair(double& point1, float& limit1, double& point2, float& limit2)
{
    if (point1 > point2) {
        std::swap(point1, point2);
        std::swap(limit1, limit2);
    }
}

} // namespace

void StoreAdditionalLimits(DQORecord& rec, const AdditionalLimitRows& rows)
{
    // Only zero or non-zero of the counts matters downstream.
    rec.nBelowCount = (rows.leftBottom.given ? 2 : 0) + (rows.leftTop.given ? 1 : 0);
    rec.nAboveCount = (rows.rightTop.given ? 1 : 0) + (rows.rightBottom.given ? 2 : 0);
    StoreRow(rows.leftBottom, rec.dMinimum, rec.dBelow1, rec.fBelow1Limit);
    StoreRow(rows.leftTop, rec.dMinimum, rec.dBelow2, rec.fBelow2Limit);
    StoreRow(rows.rightTop, rec.dMaximum, rec.dAbove1, rec.fAbove1Limit);
    StoreRow(rows.rightBottom, rec.dMaximum, rec.dAbove2, rec.fAbove2Limit);
    SortPair(rec.dBelow1, rec.fBelow1Limit, rec.dBelow2, rec.fBelow2Limit);
    SortPair(rec.dAbove1, rec.fAbove1Limit, rec.dAbove2, rec.fAbove2Limit);
}

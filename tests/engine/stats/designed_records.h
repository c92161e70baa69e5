#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/analysis_pass.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

// Short names for the tables of the statistics tests.
constexpr int kMean = kOneMean, kProp = kOneProportion, kTwoProp = kTwoProportion;
constexpr int kSR = kSimpleRandom, kComp = kComposite, kStrat = kStratified;
constexpr int kAtMost = kBaselineAtMost, kAtLeast = kBaselineAtLeast;

// Strata with these standard deviations (or proportions) and weights.
inline void SetStrata(DQORecord& rec, std::initializer_list<double> values,
                      std::initializer_list<double> weights)
{
    rec.nDesign = kStratified;
    rec.nStrata = static_cast<int>(values.size());
    std::copy(values.begin(), values.end(), rec.dStratumValue);
    std::copy(weights.begin(), weights.end(), rec.dStratumWeight);
}

// The starting record of a parameter under a design: composites of four
// aliquots at a measurement-to-total ratio of 0.5; two strata of equal weight
// with standard deviations 20 and 40, or proportions 0.5 and 0.2 weighted 0.4
// and 0.6.
inline DQORecord DesignedRecord(int parameter, int design, int baseline = kBaselineAtMost)
{
    DQORecord rec = StartingRecord(parameter, baseline);
    rec.nDesign = design;
    if (design == kComposite)
        rec.dSDRatio = 0.5, rec.nAliquots = 4;
    if (design == kStratified && parameter == kOneMean)
        SetStrata(rec, {20, 40}, {0.5, 0.5});
    else if (design == kStratified)
        SetStrata(rec, {0.5, 0.2}, {0.4, 0.6});
    return rec;
}

using Prepare = void (*)(DQORecord&);

// Neyman sizes 0.65 and 1.30 that count as 2.
inline const Prepare SmallStrata = [](DQORecord& r) { SetStrata(r, {5, 10}, {0.5, 0.5}); };

// A designed record, prepared, through one analysis pass.
inline DQORecord Analysed(int parameter, int design, int baseline, Prepare prepare,
                          Messages& messages)
{
    DQORecord rec = DesignedRecord(parameter, design, baseline);
    if (prepare)
        prepare(rec);
    FillCalculationBlock(rec);
    ComputeAnalysisPass(rec, messages);
    return rec;
}

// A copy of a record with a change made to it.
template <typename Change> DQORecord With(DQORecord rec, Change change)
{
    return change(rec), rec;
}

// A starting analysis as computed: 13 samples at 1000 + 50 each by default.
inline DQORecord Computed(int parameter, int samples = 13, double totalCost = 13650)
{
    DQORecord rec = StartingRecord(parameter);
    return rec.nSamples = samples, rec.dTotalCost = totalCost, rec;
}

// Test names from the rows' names.
inline constexpr auto ByName = [](const auto& info) { return std::string(info.param.name); };

// Texts a screen shows and values it stores ("%g"), collected in order.
struct Texts : std::vector<std::string> {
    using vector::vector;
    Texts& operator<<(const std::string& text) { return push_back(text), *this; }
    Texts& operator<<(double value) { return *this << FormatText("%g", value); }
    // All in one text, each followed by "|", for one comparison.
    std::string Joined() const
    {
        std::string all;
        for (const std::string& text : *this)
            all += text + "|";
        return all;
    }
};

// The messages shown, each as "title: text", a warning marked "(!) " and
// information "(i) ".
inline Texts Shown(const RecordingMessages& messages)
{
    const char* const mark[] = {"", "(i) ", "(!) "}; // none, information, warning
    Texts t;
    for (const auto& m : messages.shown)
        t << mark[static_cast<int>(m.icon)] + m.title + ": " + m.text;
    return t;
}

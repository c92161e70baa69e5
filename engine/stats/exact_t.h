#pragma once

#include <optional>

struct DQORecord;

// A cross-check of the normal approximations of the mean's sample sizes
// against the exact power of the one-sided t test, from the noncentral t
// distribution. The effect is the width of the gray region over the
// standard deviation; n is the number of samples (per population for two
// samples, which are pooled). Nothing comes back where the distribution
// cannot be evaluated.

// The false acceptance rate at the other bound with n samples, 1 - power;
// n may be real and is at least 2.
std::optional<double> ExactTBeta(double effect, double alpha, double n, bool twoSample);

// The smallest n whose exact power reaches 1 - beta at level alpha; none
// when no n of int's range does.
std::optional<int> ExactTSampleSize(double effect, double alpha, double beta, bool twoSample);

struct ExactTCheck {
    std::optional<int> samples; // the exact size for the record's limits
    std::optional<double> beta; // the exact rate at the record's number of samples
};

// The cross-check of an analysis: for a one- or two-sample mean under
// simple random sampling, from the inputs as entered and the computed
// number of samples; none for other parameters and designs.
std::optional<ExactTCheck> ExactTCrossCheck(const DQORecord& rec);

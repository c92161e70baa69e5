#pragma once

// Closed-form sample sizes and powers that need nothing of the record.

constexpr int kSampleSizeLimit = 30000;

// Rounds a one-sample size up only when its fraction exceeds 0.05.
int RoundSampleSize(double x);

// The same sizes as reals, before they are held within int's range.
double TwoMeanRealSize(double sd, double delta, double alpha, double beta);
double TwoProportionRealSize(double p1, double p2, double alpha, double beta);

// Samples per population for a one-sided two-sample test of means.
int TwoMeanSampleSize(double sd, double delta, double alpha, double beta);

// Samples per population for a one-sided two-sample test of proportions.
int TwoProportionSampleSize(double p1, double p2, double alpha, double beta);

// Probability of detecting the difference with n samples per population.
double TwoMeanPower(double sd, double delta, double alpha, int n);
double TwoProportionPower(double p1, double p2, double alpha, int n);

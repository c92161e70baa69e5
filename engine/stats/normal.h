#pragma once

// Standard normal functions as fixed closed-form approximations; the
// engine's sample sizes depend on exactly these constants. The batch forms
// give the same bits as their one-value forms, several times faster over
// the many points of a performance curve.

// Upper-tail quantile: z with P(Z > z) close to p (0 < p <= 0.5).
double NormalQuantile(double p);

// Density of the standard normal distribution at x.
double NormalDensity(double x);

// P(Z <= x).
double NormalCdf(double x);

// cdf[i] = NormalCdf(x[i]) for i < n; the arrays must not overlap.
void NormalCdfs(const double* x, double* cdf, int n);

// pow(v, 0.5) to the last bit, mostly at the cost of a square root. pow
// works to about 2^-68 before it rounds, so it rounds as the exact root does
// unless that lies within 2^-14 units in the last place of a midpoint
// between two doubles; pow is called only within 0.01 of one (or far out in
// the range). Checked against pow on 3e8 random values of every exponent.
double PowHalf(double v);

// root[i] = PowHalf(v[i]) for i < n; the arrays must not overlap.
void PowHalfs(const double* v, double* root, int n);

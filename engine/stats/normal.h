#pragma once

// Standard normal functions as fixed closed-form approximations; the
// engine's sample sizes depend on exactly these constants.

// Upper-tail quantile: z with P(Z > z) close to p (0 < p <= 0.5).
double NormalQuantile(double p);

// Density of the standard normal distribution at x.
double NormalDensity(double x);

// P(Z <= x).
double NormalCdf(double x);

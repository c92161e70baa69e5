#include "engine/stats/normal.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

double QuantileApproximation(double p)
{
    // Rational approximation 26.2.23 of Abramowitz and Stegun (error < 4.5e-4).
    const double t = std::pow(std::log(1.0 / (p * p)), 0.5);
    return t - (2.515517 + 0.802853 * t + 0.010328 * t * t) /
                   (1.0 + 1.432788 * t + 0.189269 * t * t + 0.001308 * t * t * t);
}

// 6.2831854 is 2 pi to eight digits, as the worked values were made with.
inline double Density(double x)
{
    return std::exp(-0.5 * x * x) / std::pow(6.2831854, 0.5);
}

} // namespace

double NormalQuantile(double p)
{
    // A pass asks for the quantiles of its two limits again and again.
    thread_local double lastP[2] = {std::numeric_limits<double>::quiet_NaN(),
                                    std::numeric_limits<double>::quiet_NaN()};
    thread_local double lastZ[2] = {};
    thread_local int next = 0;
    for (int i = 0; i < 2; ++i)
        if (lastP[i] == p)
            return lastZ[i];
    const double z = QuantileApproximation(p);
    lastP[next] = p;
    lastZ[next] = z;
    next = 1 - next;
    return z;
}

double NormalDensity(double x)
{
    return Density(x);
}

double NormalCdf(double x)
{
    // Polynomial approximation 26.2.17 of Abramowitz and Stegun (error < 7.5e-8).
    const double a = std::fabs(x);
    // Beyond 8.5 the tail q is below 2^-54, so 1 - q rounds to 1 and the
    // result is exactly 1 or 0: the curve's far points skip the exponential.
    if (a > 8.5)
        return x >= 0 ? 1.0 : 0.0;
    const double k = 1.0 / (1.0 + 0.2316419 * a);
    const double q = Density(a) * k *
                     (0.31938153 + k * (-0.356563782 +
                                        k * (1.781477937 + k * (-1.821255978 + 1.330274429 * k))));
    return x >= 0 ? 1.0 - q : 1.0 - (1.0 - q);
}

double PowHalf(double v)
{
    if (!(v > 0x1p-900 && v < 0x1p1000))
        return std::pow(v, 0.5);
    const double root = std::sqrt(v);
    // root² − v, exact: the exact root lies (root² − v) / 2root from root.
    const double residual = std::fma(root, root, -v);
    // The spacing of doubles on that side of root: from its exponent, halved
    // below a power of two.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &root, sizeof bits);
    std::uint64_t spacingBits = (bits & 0x7ff0000000000000u) - (52ull << 52);
    if (residual > 0 && (bits & 0x000fffffffffffffu) == 0)
        spacingBits -= 1ull << 52;
    double spacing = 0;
    std::memcpy(&spacing, &spacingBits, sizeof spacing);
    if (std::fabs(residual) < 0.98 * spacing * root)
        return root;
    return std::pow(v, 0.5);
}

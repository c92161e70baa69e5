#include "engine/stats/normal.h"

#include <algorithm>
#include <cmath>
#include <limits>

// The batch forms work in steps without calls or branches, which the
// compiler turns into vector instructions; the engine is built without fused
// multiply-adds, so each step rounds as the one-value form does.

namespace {

// Points per block: the steps' scratch arrays stay on the stack.
constexpr int kBlock = 128;

double QuantileApproximation(double p)
{
    // Rational approximation 26.2.23 of Abramowitz and Stegun (error < 4.5e-4).
    const double t = std::pow(std::log(1.0 / (p * p)), 0.5);
    return t - (2.515517 + 0.802853 * t + 0.010328 * t * t) /
                   (1.0 + 1.432788 * t + 0.189269 * t * t + 0.001308 * t * t * t);
}

// The density from its exponential. 6.2831854 is 2 pi to eight digits, as
// the worked values were made with.
double DensityOf(double exponential)
{
    return exponential / std::pow(6.2831854, 0.5);
}

// The density's exponent at x.
double Exponent(double x)
{
    return -0.5 * x * x;
}

// Beyond 8.5 the tail q is below 2^-54, so 1 - q rounds to 1 and the
// distribution function is exactly 1 or 0: no exponential is needed.
constexpr double kTailEnd = 8.5;

// Polynomial approximation 26.2.17 of Abramowitz and Stegun (error < 7.5e-8),
// split where the exponential is called: the density's exponent and the
// factor k come first, the tail from the exponential after.
double TailFactor(double a)
{
    return 1.0 / (1.0 + 0.2316419 * a);
}

double Cdf(double x, double exponential, double k)
{
    const double q = DensityOf(exponential) * k *
                     (0.31938153 + k * (-0.356563782 +
                                        k * (1.781477937 + k * (-1.821255978 + 1.330274429 * k))));
    const double upper = 1.0 - q;
    const double lower = 1.0 - upper;
    if (std::fabs(x) > kTailEnd)
        return x >= 0 ? 1.0 : 0.0;
    return x >= 0 ? upper : lower;
}

// Square roots with pow's last bit where they cannot be told apart from it;
// false where pow must be asked.
bool SquareRootIsPows(double v, double root)
{
    // root² − v without a rounding that matters: root split into 26-bit
    // halves whose products are exact (Dekker); only terms below 2^-78 v round.
    const double split = 134217729.0 * root;
    const double high = split - (split - root);
    const double low = root - high;
    const double residual = ((high * high - v) + 2.0 * high * low) + low * low;
    // The exact root lies residual / 2root from root; the spacing of doubles
    // on that side is the distance to root's neighbour there, which
    // root ± φ·root rounds to (φ = 2^-53 + 2^-105; Rump, Zimmermann, Boldo
    // and Melquiond).
    const double step = root * 0x1.0000000000001p-53;
    const double below = root - (root - step);
    const double above = (root + step) - root;
    const double spacing = residual > 0 ? below : above;
    const bool inRange = (v > 0x1p-900) & (v < 0x1p1000);
    return inRange & (std::fabs(residual) < 0.98 * spacing * root);
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
    return DensityOf(std::exp(Exponent(x)));
}

double NormalCdf(double x)
{
    double cdf = 0;
    NormalCdfs(&x, &cdf, 1);
    return cdf;
}

void NormalCdfs(const double* x, double* cdf, int n)
{
    double exponent[kBlock];
    double k[kBlock];
    for (int start = 0; start < n; start += kBlock) {
        const int count = std::min(kBlock, n - start);
        const double* in = x + start;
        double* out = cdf + start;
        for (int i = 0; i < count; ++i) {
            const double a = std::fabs(in[i]);
            k[i] = TailFactor(a);
            exponent[i] = Exponent(a);
        }
        for (int i = 0; i < count; ++i)
            out[i] = std::fabs(in[i]) > kTailEnd ? 0.0 : std::exp(exponent[i]);
        for (int i = 0; i < count; ++i)
            out[i] = Cdf(in[i], out[i], k[i]);
    }
}

double PowHalf(double v)
{
    double root = 0;
    PowHalfs(&v, &root, 1);
    return root;
}

void PowHalfs(const double* v, double* root, int n)
{
    // No square root is negative: marks the roots pow must give.
    constexpr double kAskPow = -1.0;
    for (int i = 0; i < n; ++i) {
        const double candidate = std::sqrt(v[i]);
        root[i] = SquareRootIsPows(v[i], candidate) ? candidate : kAskPow;
    }
    for (int i = 0; i < n; ++i)
        if (root[i] == kAskPow)
            root[i] = std::pow(v[i], 0.5);
}

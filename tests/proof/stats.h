#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace glint::test {

// Pearson's chi-square statistic of observed counts against expected
// probabilities (which sum to 1).
inline double chiSquare(const std::vector<int64_t>& observed, const std::vector<double>& probabilities)
{
    int64_t total = 0;
    for (int64_t o : observed)
        total += o;
    double chi = 0.0;
    for (size_t i = 0; i < observed.size(); ++i) {
        const double expected = probabilities[i] * static_cast<double>(total);
        const double d = static_cast<double>(observed[i]) - expected;
        chi += d * d / expected;
    }
    return chi;
}

inline std::vector<double> uniform(size_t categories)
{
    return std::vector<double>(categories, 1.0 / static_cast<double>(categories));
}

// Critical values of the chi-square distribution at 99 % confidence, by
// degrees of freedom 1 .. 14.
inline double chiSquareCritical99(size_t degreesOfFreedom)
{
    static constexpr double kTable[] = {0.0,    6.635,  9.210,  11.345, 13.277,
                                        15.086, 16.812, 18.475, 20.090, 21.666,
                                        23.209, 24.725, 26.217, 27.688, 29.141};
    return kTable[degreesOfFreedom];
}

// Lag-one serial correlation of a sequence, scaled by sqrt(n) so that for
// independent values it is roughly standard normal.
inline double serialZ(const std::vector<int32_t>& values)
{
    const size_t n = values.size() - 1;
    double meanA = 0.0, meanB = 0.0;
    for (size_t i = 0; i < n; ++i) {
        meanA += values[i];
        meanB += values[i + 1];
    }
    meanA /= static_cast<double>(n);
    meanB /= static_cast<double>(n);
    double cov = 0.0, varA = 0.0, varB = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const double a = values[i] - meanA;
        const double b = values[i + 1] - meanB;
        cov += a * b;
        varA += a * a;
        varB += b * b;
    }
    if (varA == 0.0 || varB == 0.0)
        return INFINITY; // a constant sequence is as correlated as it gets
    return cov / std::sqrt(varA * varB) * std::sqrt(static_cast<double>(n));
}

constexpr double kNormalCritical99 = 2.576;

// Counts of each value 0 .. categories-1 in a sequence.
inline std::vector<int64_t> histogram(const std::vector<int32_t>& values, size_t categories)
{
    std::vector<int64_t> counts(categories, 0);
    for (int32_t v : values)
        ++counts[static_cast<size_t>(v)];
    return counts;
}

// Whether a sequence of values 0 .. categories-1 looks uniform and serially
// independent at 99 % confidence.
inline bool looksFair(const std::vector<int32_t>& values, size_t categories)
{
    return chiSquare(histogram(values, categories), uniform(categories)) < chiSquareCritical99(categories - 1) &&
           std::fabs(serialZ(values)) < kNormalCritical99;
}

} // namespace glint::test

#pragma once
// The figures the benchmarks print for a set of timings, computed one way for all.
#include <algorithm>
#include <cstddef>
#include <vector>

// The median (the upper one of an even count), the 90th and 99th percentiles (the
// value at that share of the sorted timings) and the largest; all zero for no timings.
struct BenchFigures
{
    double median = 0;
    double p90 = 0;
    double p99 = 0;
    double max = 0;
};

// `divisor` converts each value (1e6 turns nanoseconds into milliseconds).
template <typename Values>
BenchFigures benchFigures(const Values &values, double divisor = 1.0)
{
    std::vector<double> v;
    v.reserve(std::size_t(values.size()));
    for (const auto &x : values)
        v.push_back(double(x) / divisor);
    std::sort(v.begin(), v.end());
    BenchFigures f;
    if (v.empty())
        return f;
    const auto at = [&](double share) { return v[std::min(v.size() - 1, std::size_t(double(v.size()) * share))]; };
    f.median = at(0.5);
    f.p90 = at(0.9);
    f.p99 = at(0.99);
    f.max = v.back();
    return f;
}

template <typename Values>
double benchMedian(const Values &values)
{
    return benchFigures(values).median;
}

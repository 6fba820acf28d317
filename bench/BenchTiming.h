#pragma once

// Timing shared by the benchmarks: each step is run and timed several times,
// and the median and the best of those runs are printed.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

inline double millisecondsOf(const std::function<void()>& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

inline double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline void report(const char* what, const std::vector<double>& times)
{
    std::printf("%-34s median %8.2f ms   best %8.2f ms\n", what, medianOf(times),
                *std::min_element(times.begin(), times.end()));
}

// The clock and the summary that the benchmark programs share.
#pragma once

#include <algorithm>
#include <ctime>
#include <vector>

// Milliseconds on the monotonic clock (<chrono> cannot be compiled for code page 936).
inline double MonotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

inline double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The median of several timed repetitions of an action, in microseconds.
template <typename Action> double medianMicroseconds(int repetitions, Action&& action) {
    std::vector<double> times;
    for (int r = 0; r < repetitions; ++r) {
        const auto start = std::chrono::steady_clock::now();
        action();
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    return median(times);
}

inline void report(const char* name, double value) {
    std::printf("%s: %.3f\n", name, value);
}

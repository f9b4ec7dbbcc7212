#pragma once

// Median and p99 of a set of timings, printed as one line.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

struct Messreihe {
    std::vector<double> werte;  // milliseconds

    void hinzu(double ms) { werte.push_back(ms); }

    double quantil(double q)
    {
        if (werte.empty())
            return 0;
        std::sort(werte.begin(), werte.end());
        const size_t i = std::min(werte.size() - 1, size_t(q * double(werte.size() - 1) + 0.5));
        return werte[i];
    }

    void ausgeben(const char* name)
    {
        const double median = quantil(0.5), p99 = quantil(0.99), max = quantil(1.0);
        std::printf("%-28s n=%-6zu median %9.4f ms   p99 %9.4f ms   max %9.4f ms\n", name, werte.size(), median, p99,
                    max);
    }
};

inline double msSeit(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

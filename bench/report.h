#pragma once
// One line per case: "<case> ours_ms=<n> sqlite_ms=<n> ratio=<x>".

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vx::bench {

inline double millisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The median of `runs` timings (`timed` answers one in milliseconds): a case of a
// few milliseconds is not decided by one run that another process's load slowed.
inline double medianOf(int runs, const std::function<double()>& timed) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) ms.push_back(timed());
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

inline void report(const std::string& name, double ours, double sqlite) {
    const char* format =
        ours < 10 ? "%s ours_ms=%.3f sqlite_ms=%.3f ratio=%.2f\n" : "%s ours_ms=%.1f sqlite_ms=%.1f ratio=%.2f\n";
    std::printf(format, name.c_str(), ours, sqlite, sqlite > 0 ? ours / sqlite : 0.0);
    std::fflush(stdout);
}

// The same line with the case's limit and what it did, " OVER LIMIT" when it is not under the limit.
inline void reportAgainstLimit(const char* name, double ours, double sqlite, double limit, const std::string& what) {
    std::printf("%s ours_ms=%.1f sqlite_ms=%.1f ratio=%.2f limit_ms=%.0f %s%s\n", name, ours, sqlite,
                sqlite > 0 ? ours / sqlite : 0.0, limit, what.c_str(), ours < limit ? "" : " OVER LIMIT");
    std::fflush(stdout);
}

}  // namespace vx::bench

#pragma once
// Console output plus the real time of every run by name, so a benchmark's
// main can print ratios between runs of the same process.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    // "a / b = ratio" with the note appended; nothing when either run is missing.
    void printRatio(const std::string& a, const std::string& b, const char* note = "") const
    {
        const auto x = times.find(a), y = times.find(b);
        if (x != times.end() && y != times.end())
            std::printf("%s / %s = %.2f%s\n", a.c_str(), b.c_str(), x->second / y->second, note);
    }

    std::map<std::string, double> times;
};

// loadIORFile on 200,000-line files against a lower bound that only splits the lines
// and converts their numbers with strtod. Prints the ratio for each format at the end.
#include <zsg/valuetypes/FloatArray.h>
#include <zsg/valuetypes/IORFile.h>

#include <QTemporaryDir>

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

using namespace zsg;

namespace {

constexpr int kLines = 200000;

struct Files
{
    Files()
    {
        std::mt19937 random(1);
        std::uniform_real_distribution<double> n(1.0, 4.0), k(0.0, 3.0);
        FILE* t = std::fopen(table.c_str(), "wb");
        FILE* c = std::fopen(csv.c_str(), "wb");
        std::fprintf(t, "4 200.0 1200.0 %d\n", kLines - 1);
        for (int i = 0; i < kLines; ++i) {
            std::fprintf(t, " %.6f      %.6f\n", n(random), k(random));
            std::fprintf(c, "%.3f,%.6f,%.6f\n", 200 + i * 0.005, n(random), k(random));
        }
        std::fclose(t);
        std::fclose(c);
    }

    QTemporaryDir dir;
    std::string table = dir.filePath(QStringLiteral("bench.nk")).toStdString();
    std::string csv = dir.filePath(QStringLiteral("bench.csv")).toStdString();
};

const Files& files()
{
    static const Files f;
    return f;
}

void load(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        FloatArray out;
        if (!loadIORFile(path, out))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(out.values().constData());
    }
}

// Every number on every line through strtod, nothing else.
void strtodBound(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        char* line = nullptr;
        std::size_t capacity = 0;
        double sum = 0;
        while (getline(&line, &capacity, f) > 0) {
            char* p = line;
            for (char* end;; p = end + (*end == ',')) {
                const double v = std::strtod(p, &end);
                if (end == p)
                    break;
                sum += v;
            }
        }
        std::free(line);
        std::fclose(f);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_LoadTabulated(benchmark::State& s) { load(s, files().table); }
void BM_BoundTabulated(benchmark::State& s) { strtodBound(s, files().table); }
void BM_LoadCsv(benchmark::State& s) { load(s, files().csv); }
void BM_BoundCsv(benchmark::State& s) { strtodBound(s, files().csv); }

BENCHMARK(BM_LoadTabulated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoundTabulated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoundCsv)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* format : {"Tabulated", "Csv"}) {
        const auto load = reporter.times.find(std::string("BM_Load") + format);
        const auto bound = reporter.times.find(std::string("BM_Bound") + format);
        if (load != reporter.times.end() && bound != reporter.times.end())
            std::printf("%s: loadIORFile / strtod bound = %.2f (limit 3)\n", format, load->second / bound->second);
    }
    benchmark::Shutdown();
}

// ZCMFSchema::load and save on a schema of 100,000 attributes, each beside
// the Qt JSON step it is built on (fromJson, toJson) alone on the same bytes.
// Prints the ratios at the end; load must stay within twice fromJson.
#include <zsg/cmf/ZCMFSchema.h>

#include <QJsonDocument>
#include <QTextStream>

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

using namespace zsg;

namespace {

constexpr int kAttributes = 100000;

struct Data {
    Data()
    {
        schema.name = QStringLiteral("bench");
        schema.attributes.reserve(kAttributes);
        for (int i = 0; i < kAttributes; ++i) {
            schema.attributes.push_back(
                {QStringLiteral("Attribute %1").arg(i), i % 3 != 0, CMFAttributeKind(i % 8), {}});
        }
        QTextStream stream(&bytes);
        schema.save(stream);
        stream.flush();
        document = QJsonDocument::fromJson(bytes);
    }

    ZCMFSchema schema;
    QByteArray bytes;
    QJsonDocument document;
};

const Data& data()
{
    static const Data d;
    return d;
}

void BM_Load(benchmark::State& state)
{
    const Data& d = data(); // built outside the timed loop
    for (auto _ : state) {
        QTextStream stream(d.bytes);
        const CMFSchemaLoadResult result = ZCMFSchema::load(stream);
        if (!result.schema || result.schema->attributes.size() != std::size_t(kAttributes))
            state.SkipWithError("load failed");
    }
}

void BM_FromJson(benchmark::State& state)
{
    const Data& d = data();
    for (auto _ : state) {
        const QJsonDocument document = QJsonDocument::fromJson(d.bytes);
        if (!document.isObject())
            state.SkipWithError("parse failed");
    }
}

void BM_Save(benchmark::State& state)
{
    const Data& d = data();
    for (auto _ : state) {
        QByteArray bytes;
        QTextStream stream(&bytes);
        d.schema.save(stream);
        stream.flush();
        benchmark::DoNotOptimize(bytes.constData());
    }
}

void BM_ToJson(benchmark::State& state)
{
    const Data& d = data();
    for (auto _ : state) {
        const QByteArray bytes = d.document.toJson(QJsonDocument::Indented);
        benchmark::DoNotOptimize(bytes.constData());
    }
}

// What any save must do besides building the document: toJson, then the text
// stream's decoding and re-encoding of the bytes.
void BM_ToJsonStream(benchmark::State& state)
{
    const Data& d = data();
    for (auto _ : state) {
        QByteArray bytes;
        QTextStream stream(&bytes);
        stream << d.document.toJson(QJsonDocument::Indented);
        stream.flush();
        benchmark::DoNotOptimize(bytes.constData());
    }
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FromJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToJsonStream)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&reporter](const char* a, const char* b) {
        const auto x = reporter.times.find(a), y = reporter.times.find(b);
        return x != reporter.times.end() && y != reporter.times.end() ? x->second / y->second : 0.0;
    };
    std::printf("load / fromJson = %.2f (limit 2)\n", ratio("BM_Load", "BM_FromJson"));
    std::printf("save / toJson = %.2f\n", ratio("BM_Save", "BM_ToJson"));
    std::printf("save / (toJson + text stream) = %.2f\n", ratio("BM_Save", "BM_ToJsonStream"));
    benchmark::Shutdown();
}

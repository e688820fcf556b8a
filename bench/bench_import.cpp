// Importing the module of the benchmark template (bench/BenchTemplate.h): in memory (decode,
// read, build the template, regenerate and compare) and as classshaper-gen --import does it
// (read the file, import, write the template). 10,000 and 100,000 members show the growth.
#include "BenchTemplate.h"

#include "generator/Generator.h"
#include "generator/Import.h"
#include "generator/ModuleOutput.h"
#include "model/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

QByteArray benchModule(qint64 memberCount) {
    cls_Class t;
    fillBenchTemplate(t, memberCount);
    return gen::encodeModule(gen::hCompile(t, true)).bytes;
}

void BM_ImportBytes(benchmark::State& state) {
    const QByteArray module = benchModule(state.range(0));
    for (auto _ : state) {
        const gen::ModuleImport imported = gen::importModuleBytes(module, "cls_Gross.cls");
        if (!imported.exact())
            state.SkipWithError("not exact");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * module.size());
}

void BM_ImportFile(benchmark::State& state) {
    const QString modulePath = QDir::temp().filePath(QStringLiteral("bench_import.cls"));
    const QString templatePath = QDir::temp().filePath(QStringLiteral("bench_import.vlt-ctf"));
    const QByteArray module = benchModule(state.range(0));
    QFile file(modulePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(module) != module.size())
        return state.SkipWithError("cannot write the module");
    file.close();
    for (auto _ : state) {
        const gen::ModuleImport imported = gen::importModule(modulePath);
        writeTemplate(templatePath, *imported.tpl);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * module.size());
    QFile::remove(modulePath);
    QFile::remove(templatePath);
}

} // namespace

BENCHMARK(BM_ImportBytes)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

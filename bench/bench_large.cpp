// Large inputs end to end: templates of many members and with very long texts are saved,
// loaded, generated, written as a module and packed and unpacked. Each step runs
// once per size (these are minutes, not microseconds); the peak resident memory of the process
// so far is reported beside it. Compare the two sizes of a step for linear growth.
#include "generator/Generator.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

#include <QDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Members named Feld<n> of alternating kinds, or (textLength > 0) one member whose name and
// the custom code are each textLength characters long.
void fill(cls_Class& t, qint64 memberCount, qint64 textLength) {
    t.CLASSNAME = QStringLiteral("cls_Gross");
    t.DATABASE_TYPE = QStringLiteral("cls_Posten");
    t.DATA_LOADSAVE = true;
    t.DATA_LOCK = true;
    t.DATA_EDITOR = true;
    t.CUSTOM = QString(textLength, QLatin1Char('c'));
    for (qint64 i = 0; i < memberCount; ++i) {
        auto member = std::make_shared<cls_Member>();
        member->MNAME = textLength > 0 ? QString(textLength, QLatin1Char('n'))
                                       : QStringLiteral("Feld%1").arg(i);
        member->MTYPE = i % 3 == 0 ? QStringLiteral("Long") : QStringLiteral("String");
        member->MARRAY = i % 5 == 1;
        t.MEMBERS().DATABASE.ADD(member);
    }
}

QString scratch(const char* name) {
    return QDir::temp().filePath(QStringLiteral("bench_large_%1").arg(QLatin1String(name)));
}

void report(benchmark::State& state, double bytes) {
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["MB"] = bytes / 1e6;
}

void BM_SaveAndLoad(benchmark::State& state) {
    cls_Class saved;
    fill(saved, state.range(0), state.range(1));
    const QString path = scratch("vorlage.vlt-ctf");
    for (auto _ : state) {
        writeTemplate(path, saved);
        cls_Class loaded;
        readTemplate(path, loaded);
        benchmark::DoNotOptimize(loaded.MEMBERS().COUNT());
    }
    report(state, static_cast<double>(QFileInfo(path).size()));
    QFile::remove(path);
}

void BM_GenerateAndWrite(benchmark::State& state) {
    cls_Class t;
    fill(t, state.range(0), state.range(1));
    const QString path = scratch("modul.cls");
    for (auto _ : state) {
        QFile::remove(path); // an equal target would only be compared
        gen::writeModuleFile(path, t, gen::ModuleForm{});
    }
    report(state, static_cast<double>(QFileInfo(path).size()));
    QFile::remove(path);
}

void BM_PackAndUnpack(benchmark::State& state) {
    cls_Class t;
    fill(t, state.range(0), state.range(1));
    qsizetype packageSize = 0;
    for (auto _ : state) {
        const QString package = t.DATA.PACKAGE();
        cls_Class unpacked;
        unpacked.DATA.setPACKAGE(package);
        packageSize = package.size();
        benchmark::DoNotOptimize(unpacked.MEMBERS().COUNT());
    }
    report(state, static_cast<double>(packageSize) * 2);
}

// {members, text length}: many members, then one member with long texts.
void sizes(benchmark::internal::Benchmark* b) {
    b->Args({100000, 0})->Args({1000000, 0})->Args({1, 1000000})->Args({1, 10000000});
    b->ArgNames({"members", "text"})->Iterations(1)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_SaveAndLoad)->Apply(sizes);
BENCHMARK(BM_GenerateAndWrite)->Apply(sizes);
BENCHMARK(BM_PackAndUnpack)->Apply(sizes);

BENCHMARK_MAIN();

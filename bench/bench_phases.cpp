// The three phases of classshaper-gen one at a time, on the template bench/e2e.sh generates
// (every option on, members of every kind, no findings): reading the template, checking it and
// generating its module (compared with the module file written before, so nothing is printed
// and nothing is written). Then the whole path as a process: `classshaper-gen --check` on the
// same files, and on a template without members for the start alone. A phase inside a process
// that has run before finds its memory mapped already; a new process pays for every page it
// touches, which is what the process figures show beside the phases.
#include "generator/Checks.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

void fill(cls_Class& t, qint64 memberCount) {
    static const QString types[] = {"String", "Long",     "Boolean", "Date",
                                    "Double", "cls_Teil", "Integer", "str_Punkt"};
    t.CLASSNAME = QStringLiteral("cls_Gross");
    t.COMPILED = QStringLiteral("cls_Gross.cls");
    t.DATABASE_TYPE = QStringLiteral("cls_Posten");
    t.CUSTOM = QStringLiteral("Public Sub X()\r\nEnd Sub");
    t.DATABASE_ADVANCED = t.DATABASE_LOCK = t.DATA_PARENT = true;
    t.DATA_LOADSAVE = t.DATA_LOCK = t.DATA_EDITOR = true;
    for (qint64 i = 0; i < memberCount; ++i) {
        const qint64 kind = i % 8;
        auto member = std::make_shared<cls_Member>();
        member->MNAME = QStringLiteral("Feld%1").arg(i);
        member->MTYPE = types[kind];
        member->MPUBLIC = i % 7 != 3 && kind != 6;
        member->MARRAY = kind == 6;
        member->MNOTBOUND = i % 11 == 5;
        member->MCHILD = kind == 5;
        t.MEMBERS().DATABASE.ADD(member);
    }
}

// A template file and its module, made once per size.
struct Files {
    explicit Files(qint64 memberCount)
        : templatePath(QDir::temp().filePath(QStringLiteral("bench_phases.vlt-ctf"))),
          modulePath(QDir::temp().filePath(QStringLiteral("cls_Gross.cls"))) {
        cls_Class t;
        fill(t, memberCount);
        writeTemplate(templatePath, t);
        gen::writeModuleFile(modulePath, t, gen::ModuleForm{});
    }
    ~Files() {
        QFile::remove(templatePath);
        QFile::remove(modulePath);
    }
    QString templatePath;
    QString modulePath;
};

void report(benchmark::State& state, const QString& path) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * QFileInfo(path).size());
}

void BM_Read(benchmark::State& state) {
    const Files files(state.range(0));
    for (auto _ : state) {
        cls_Class t;
        readTemplate(files.templatePath, t);
        benchmark::DoNotOptimize(t.MEMBERS().COUNT());
    }
    report(state, files.templatePath);
}

void BM_Check(benchmark::State& state) {
    const Files files(state.range(0));
    cls_Class t;
    readTemplate(files.templatePath, t);
    for (auto _ : state)
        benchmark::DoNotOptimize(gen::checkTemplate(t).size());
    report(state, files.templatePath);
}

void BM_Generate(benchmark::State& state) {
    const Files files(state.range(0));
    cls_Class t;
    readTemplate(files.templatePath, t);
    for (auto _ : state)
        benchmark::DoNotOptimize(gen::compareWithModuleFile(files.modulePath, t, {}));
    report(state, files.modulePath);
}

long childPageFaults() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_minflt + usage.ru_majflt;
}

// Page faults as the kernel counts them for the process, including those of pages it mapped
// ahead of use.
void runGenerator(benchmark::State& state, const QString& templatePath) {
    const long faultsBefore = childPageFaults();
    for (auto _ : state) {
        QProcess generator;
        generator.start(QStringLiteral(CLASSSHAPER_GEN), {QStringLiteral("--check"), templatePath});
        if (!generator.waitForFinished() || generator.exitCode() != 0) {
            state.SkipWithError("classshaper-gen --check failed");
            return;
        }
    }
    state.counters["faults"] = benchmark::Counter(double(childPageFaults() - faultsBefore),
                                                  benchmark::Counter::kAvgIterations);
}

void BM_Process(benchmark::State& state) {
    const Files files(state.range(0));
    runGenerator(state, files.templatePath);
    report(state, files.templatePath);
}

void BM_ProcessStart(benchmark::State& state) {
    const Files files(0);
    runGenerator(state, files.templatePath);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(100000)->Arg(1000000)->ArgName("members");
    b->Unit(benchmark::kMillisecond)->MinTime(0.5);
}

} // namespace

BENCHMARK(BM_Read)->Apply(sizes);
BENCHMARK(BM_Check)->Apply(sizes);
BENCHMARK(BM_Generate)->Apply(sizes);
BENCHMARK(BM_Process)->Apply(sizes)->UseRealTime();
BENCHMARK(BM_ProcessStart)->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime();

BENCHMARK_MAIN();

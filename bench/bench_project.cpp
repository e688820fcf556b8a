// A VB6 project of N class modules, each with a template of 50 members: opening and evaluating
// it in process, and classshaper-gen --project --check as a build script runs it. Half the
// modules are current, a quarter stale, a quarter missing, so every path of the evaluation runs.
#include "BenchTemplate.h"

#include "generator/ModuleOutput.h"
#include "model/TemplateFile.h"
#include "project/Project.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

constexpr int kMembers = 50;

class BenchProject {
public:
    explicit BenchProject(int modules) {
        QDir root(m_dir.path());
        root.mkpath(QStringLiteral("Klassen"));
        root.mkpath(QStringLiteral("Vorlagen"));
        QByteArray vbp = "Type=Exe\r\nForm=frmMain.frm\r\n";
        for (int i = 0; i < modules; ++i) {
            const QString name = QStringLiteral("cKlasse%1").arg(i);
            vbp += QStringLiteral("Class=%1; Klassen\\%1.cls\r\n").arg(name).toLatin1();
            cls_Class tpl;
            fillBenchTemplate(tpl, kMembers);
            tpl.CLASSNAME = name;
            tpl.COMPILED = QStringLiteral("../Klassen/%1.cls").arg(name);
            const QString templatePath =
                root.filePath(QStringLiteral("Vorlagen/%1.vlt-ctf").arg(name));
            writeTemplate(templatePath, tpl);
            if (i % 4 == 3)
                continue; // missing
            if (i % 4 == 2)
                tpl.DESCRIPTION = QStringLiteral("vorher"); // stale
            gen::writeModuleFile(gen::moduleTarget(tpl.COMPILED, templatePath), tpl,
                                 gen::ModuleForm{});
        }
        QFile file(root.filePath(QStringLiteral("Projekt.vbp")));
        if (!file.open(QIODevice::WriteOnly) || file.write(vbp) != vbp.size())
            qFatal("cannot write the project file");
    }
    QString vbp() const { return m_dir.filePath(QStringLiteral("Projekt.vbp")); }

private:
    QTemporaryDir m_dir;
};

// One project per size for the whole run: writing 500 templates takes longer than reading them.
const BenchProject& projectOf(int modules) {
    static std::map<int, std::unique_ptr<BenchProject>> projects;
    auto& slot = projects[modules];
    if (!slot)
        slot = std::make_unique<BenchProject>(modules);
    return *slot;
}

void BM_EvaluateProject(benchmark::State& state) {
    const BenchProject& project = projectOf(int(state.range(0)));
    for (auto _ : state) {
        const auto rows = proj::evaluate(proj::openProject(project.vbp()));
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetComplexityN(state.range(0));
    state.counters["modules/s"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_EvaluateProject)
    ->RangeMultiplier(10)
    ->Range(50, 500)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// End to end, as a build script waits for it: start, read, generate to compare, exit.
void BM_CheckProjectProcess(benchmark::State& state) {
    const BenchProject& project = projectOf(int(state.range(0)));
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(CLASSSHAPER_GEN),
                      {QStringLiteral("--project"), project.vbp(), QStringLiteral("--check")});
        process.waitForFinished(60000);
        if (process.exitCode() != 1)
            state.SkipWithError("--check should report the stale and missing modules");
    }
}
BENCHMARK(BM_CheckProjectProcess)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

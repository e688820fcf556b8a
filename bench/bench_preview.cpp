// What the preview pane does on every pause in typing: the checks, the module as "In Datei"
// writes it and its file bytes for the up-to-date marker; and the whole pane refresh with the
// text put into the highlighted view. For the example template and for 1,000 members.
#include "app/preview/PreviewPane.h"
#include "generator/Checks.h"
#include "generator/Generator.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// The example template, with as many members as asked appended: realistic names and types.
cls_Class& benchTemplate(int extraMembers) {
    static std::map<int, std::unique_ptr<cls_Class>> templates;
    auto& tpl = templates[extraMembers];
    if (tpl)
        return *tpl;
    tpl = std::make_unique<cls_Class>();
    readTemplate(QStringLiteral(EXAMPLES_DIR "/Kunde.vlt-ctf"), *tpl);
    static const char* const types[] = {"String", "Long", "cls_Adresse", "Date", "str_Maß"};
    for (int i = 0; i < extraMembers; ++i) {
        auto member = std::make_shared<cls_Member>();
        member->MNAME = QStringLiteral("Größe%1").arg(i);
        member->MTYPE = QString::fromUtf8(types[i % 5]);
        tpl->MEMBERS().DATABASE.ADD(member);
    }
    return *tpl;
}

void BM_ChecksAndModule(benchmark::State& state) {
    cls_Class& tpl = benchTemplate(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(gen::checkTemplate(tpl));
        benchmark::DoNotOptimize(gen::encodeModule(gen::hCompile(tpl, true)).bytes);
    }
}

// The class name changes every time, so the view's text is replaced and highlighted anew.
void BM_PaneRefresh(benchmark::State& state) {
    cls_Class& tpl = benchTemplate(static_cast<int>(state.range(0)));
    PreviewPane pane([&tpl]() -> cls_Class& { return tpl; },
                     [](const cls_Class& t) { return t.COMPILED; });
    pane.resize(600, 800);
    pane.show();
    int round = 0;
    for (auto _ : state) {
        tpl.CLASSNAME = QStringLiteral("cls_Kunde%1").arg(++round % 2);
        pane.refreshNow();
    }
}

} // namespace

BENCHMARK(BM_ChecksAndModule)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneRefresh)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

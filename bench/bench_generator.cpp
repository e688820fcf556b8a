// hCompile for templates with every option on; bytes per second of module text.
//
// At 100,000 members the result is a fresh 75 MB QString, and on virtual machines where first
// touching a page is expensive that alone can outweigh the generation. Run with
// GLIBC_TUNABLES=glibc.malloc.hugetlb=1 to let malloc back large blocks with huge pages and
// see the generator's own speed.
#include "generator/Generator.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// Every member kind in turn: value, object, array, private, child, unbound, editor types.
std::shared_ptr<cls_Member> benchMember(int i) {
    static const char* const types[] = {"String", "cls_Adresse", "Long",      "Boolean",
                                        "Date",   "Double",      "str_Punkt", "cls_Position"};
    auto member = std::make_shared<cls_Member>();
    member->MNAME = QStringLiteral("Feld%1").arg(i);
    member->MTYPE = QString::fromLatin1(types[i % 8]);
    member->MPUBLIC = i % 3 != 0;
    member->MARRAY = i % 8 == 7;
    member->MCHILD = i % 8 == 1;
    member->MNOTBOUND = i % 16 == 5;
    member->MDATAID = i == 0;
    return member;
}

cls_Class& benchTemplate(int members) {
    static std::map<int, std::unique_ptr<cls_Class>> templates;
    auto& tpl = templates[members];
    if (!tpl) {
        tpl = std::make_unique<cls_Class>();
        tpl->CLASSNAME = QStringLiteral("cls_Bench");
        tpl->DATABASE_TYPE = QStringLiteral("cls_Eintrag");
        tpl->DATABASE_ADVANCED = tpl->DATABASE_LOCK = tpl->DATA_LOADSAVE = true;
        tpl->DATA_LOCK = tpl->DATA_EDITOR = tpl->DATA_PARENT = true;
        tpl->CUSTOM = QStringLiteral("Public Sub EIGEN()\r\nEnd Sub");
        for (int i = 0; i < members; ++i)
            tpl->MEMBERS().DATABASE.ADD(benchMember(i));
    }
    return *tpl;
}

void BM_hCompile(benchmark::State& state) {
    cls_Class& tpl = benchTemplate(static_cast<int>(state.range(0)));
    qsizetype length = 0;
    for (auto _ : state) {
        const QString text = gen::hCompile(tpl, true);
        length = text.size();
        benchmark::DoNotOptimize(text.constData());
    }
    // One byte per character in the Windows-1252 module file.
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * length);
    state.counters["module_bytes"] = static_cast<double>(length);
}

void BM_encodeModule(benchmark::State& state) {
    const QString text = gen::hCompile(benchTemplate(static_cast<int>(state.range(0))), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(gen::encodeModule(text).bytes.constData());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}

} // namespace

BENCHMARK(BM_hCompile)->Arg(10)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_encodeModule)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

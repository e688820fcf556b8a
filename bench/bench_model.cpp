// Storing, reading and copying templates of growing size; figures in members per second.
#include "model/Class.h"

#include "corelib/File.h"

#include <QDir>
#include <QString>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::shared_ptr<cls_Class> makeTemplate(qint64 memberCount) {
    auto t = std::make_shared<cls_Class>();
    t->CLASSNAME = QStringLiteral("cls_Kunde");
    for (qint64 i = 0; i < memberCount; ++i) {
        auto member = std::make_shared<cls_Member>();
        member->MNAME = QStringLiteral("Feld%1").arg(i);
        member->MTYPE = i % 3 == 0 ? QStringLiteral("Long") : QStringLiteral("String");
        member->MARRAY = i % 5 == 0;
        t->MEMBERS().DATABASE.ADD(member);
    }
    return t;
}

QString benchFile(qint64 memberCount) {
    return QDir::temp().filePath(QStringLiteral("bench_model_%1.vlt-ctf").arg(memberCount));
}

void store(cls_Class& t, const QString& path) {
    vlt::cls_File file;
    file.OPENURL(path, vlt::ID_FileOpen_Output);
    t.DATA.STORE(file);
    file.CLOSEURL();
}

void BM_StoreToFile(benchmark::State& state) {
    const auto t = makeTemplate(state.range(0));
    const QString path = benchFile(state.range(0));
    for (auto _ : state)
        store(*t, path);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    QFile::remove(path);
}

void BM_ReadFromFile(benchmark::State& state) {
    const QString path = benchFile(state.range(0));
    store(*makeTemplate(state.range(0)), path);
    for (auto _ : state) {
        cls_Class t;
        vlt::cls_File file;
        file.OPENURL(path, vlt::ID_FileOpen_Input);
        t.DATA.READ(file);
        file.CLOSEURL();
        benchmark::DoNotOptimize(t.MEMBERS().COUNT());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    QFile::remove(path);
}

void BM_Copy(benchmark::State& state) {
    const auto original = makeTemplate(state.range(0));
    for (auto _ : state) {
        cls_Class copy;
        copy.DATA.COPY(*original);
        benchmark::DoNotOptimize(copy.MEMBERS().COUNT());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_StoreToFile)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFromFile)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Copy)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

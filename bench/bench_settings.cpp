// The store operations the program leans on: listing a key of 10,000 values (the directory
// list and hot key table are read this way), reading one value, and writing one value alone
// and inside a group.
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsTransaction.h"
#include "settings/StoreLocation.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace pathwick;

constexpr int ValueCount = 10000;
const QString BigKey = QStringLiteral("SOFTWARE\\Pathwick\\Bench");

void fillBigKey() {
    SettingsTransaction transaction;
    for (int i = 0; i < ValueCount; ++i)
        WriteSetting("HKLM", BigKey, QStringLiteral("Entry number %1").arg(i), "S",
                     QStringLiteral("/home/someone/projects/folder-%1").arg(i));
    transaction.commit();
    WriteSetting("HKLM", ProgramKey(), "UserShutdownTimeHours", "D", 5);
}

void BM_ListSettings(benchmark::State& state) {
    for (auto _ : state) {
        QString list;
        ListSettings("HKLM", BigKey, list, true);
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["values"] = ValueCount;
}

void BM_ReadSetting(benchmark::State& state) {
    const QString key = ProgramKey();
    const QString name = QStringLiteral("UserShutdownTimeHours");
    const QString type = QStringLiteral("D");
    const QVariant fallback(0);
    for (auto _ : state) {
        QVariant value;
        ReadSetting(QStringLiteral("HKLM"), key, name, type, fallback, value);
        benchmark::DoNotOptimize(value);
    }
}

void BM_ReadSettingFromBigKey(benchmark::State& state) {
    const QString name = QStringLiteral("Entry number %1").arg(ValueCount / 2);
    for (auto _ : state) {
        QVariant value;
        ReadSetting(QStringLiteral("HKLM"), BigKey, name, QStringLiteral("S"), QString(), value);
        benchmark::DoNotOptimize(value);
    }
}

void BM_WriteSetting(benchmark::State& state) {
    int i = 0;
    for (auto _ : state)
        WriteSetting("HKLM", ProgramKey(), "BenchWrite", "D", ++i);
}

void BM_WriteSettingInGroup(benchmark::State& state) {
    SettingsTransaction transaction;
    int i = 0;
    for (auto _ : state)
        WriteSetting("HKLM", ProgramKey(), "BenchWrite", "D", ++i);
    transaction.commit();
}

} // namespace

BENCHMARK(BM_ListSettings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSetting)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadSettingFromBigKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteSetting)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteSettingInGroup)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    qputenv("PATHWICK_STORE", scratch.filePath("settings.sqlite3").toLocal8Bit());
    fillBigKey();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    closeStore();
    return 0;
}

// The opening run's own cost per entry: store listing, token expansion, classification and
// the report, with the shell replaced by a recording fake so no process is started; and a
// run of 1,000 folders through the real launcher to an opener that only answers.
#include "BenchSandbox.h"
#include "dirlist/DirectoryStore.h"
#include "dirlist/OpeningRun.h"
#include "platform/Platform.h"
#include "platform/fake/FakePlatform.h"
#include "settings/StoreLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace pathwick;

constexpr int EntryCount = 2000;

// Existing folders (plain and through tokens), missing ones, files, and the two shell places.
QStringList mixedEntries(const QString& root) {
    QStringList entries;
    for (int i = 0; i < EntryCount; ++i) {
        const QString n = QString::number(i);
        switch (i % 5) {
        case 0:
            QDir().mkpath(root + "/home/Documents/t" + n);
            entries.append(":Documents:\\t" + n);
            break;
        case 1:
            QDir().mkpath(root + "/dirs/d" + n);
            entries.append(root + "/dirs/d" + n);
            break;
        case 2:
            entries.append(root + "/missing/m" + n);
            break;
        case 3:
            entries.append(i % 10 == 3 ? ":Network:" + n : ":RecycleBin:" + n);
            break;
        default:
            entries.append(root + "/dirs/d" + QString::number(i - 3) + "/");
        }
    }
    return entries;
}

void BM_OpeningRun(benchmark::State& state, const QString& drive) {
    platform::fake::FakePlatform fakes;
    fakes.volumes->items = {{"/", "/dev/sda1", "root"}};
    int tried = 0;
    for (auto _ : state) {
        fakes.shell->calls.clear();
        const OpeningRunResult run = runOpeningRun(drive);
        benchmark::DoNotOptimize(run.text.data());
        tried = run.tried;
    }
    state.counters["entries"] = tried;
    state.counters["per_entry"] = benchmark::Counter(
        tried, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Every entry an existing folder, each one a process of the opener's.
void BM_OpeningRunThroughLauncher(benchmark::State& state) {
    QTemporaryDir scratch;
    const QString opener = scratch.filePath("opener.sh");
    QFile script(opener);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nexit 0\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray previous = qgetenv("PATHWICK_OPENER");
    qputenv("PATHWICK_OPENER", opener.toLocal8Bit());
    platform::reset();
    QStringList folders;
    for (int i = 0; i < 1000; ++i) {
        folders.append(scratch.filePath("d" + QString::number(i)));
        QDir().mkpath(folders.constLast());
    }
    saveStoredEntries(folders, QDateTime::currentDateTime());
    int opened = 0;
    for (auto _ : state)
        opened = runOpeningRun(QString()).opened;
    state.counters["opened"] = opened;
    if (previous.isNull())
        qunsetenv("PATHWICK_OPENER");
    else
        qputenv("PATHWICK_OPENER", previous);
    platform::reset();
}

} // namespace

BENCHMARK_CAPTURE(BM_OpeningRun, all_drives, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpeningRun, drive_root, QStringLiteral("/"))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpeningRunThroughLauncher)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    useScratchFolders(scratch);
    saveStoredEntries(mixedEntries(scratch.path()), QDateTime::currentDateTime());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    closeStore();
    return 0;
}

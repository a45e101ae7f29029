// Export and import of a directory list file of 10,000 entries: in Windows-1252 (every path
// fits) and in UTF-8 (some paths need it). An import replaces the stored list in one
// transaction each time.
#include "BenchSandbox.h"
#include "dirlist/DirectoryStore.h"
#include "dirlist/ListFile.h"
#include "platform/fake/FakePlatform.h"
#include "settings/StoreLocation.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace pathwick;

constexpr int EntryCount = 10000;
QString scratchFolder;

QStringList entries(bool withOtherScripts) {
    QStringList list;
    for (int i = 0; i < EntryCount; ++i) {
        const QString n = QString::number(i);
        switch (i % 3) {
        case 0:
            list.append(QStringLiteral(":Documents:\\Projects\\") + n);
            break;
        case 1:
            list.append(QStringLiteral("/home/someone/work/caf\u00e9-") + n);
            break;
        default:
            list.append(withOtherScripts ? QStringLiteral("/srv/\u65e5\u672c\u8a9e/") + n
                                         : QStringLiteral("/srv/share/") + n);
        }
    }
    return list;
}

QString listFile(bool withOtherScripts) {
    return scratchFolder +
           (withOtherScripts ? QStringLiteral("/utf8.dirl") : QStringLiteral("/windows.dirl"));
}

void BM_ExportList(benchmark::State& state, bool withOtherScripts) {
    platform::fake::FakePlatform fakes;
    saveStoredEntries(entries(withOtherScripts), QDateTime::currentDateTime());
    for (auto _ : state) {
        const RecordFileError error =
            exportDirectoryList(listFile(withOtherScripts), true, QDateTime::currentDateTime());
        if (error.isError())
            state.SkipWithError(qPrintable(error.description));
    }
    state.counters["entries"] = EntryCount;
}

void BM_ImportList(benchmark::State& state, bool withOtherScripts) {
    platform::fake::FakePlatform fakes;
    saveStoredEntries(entries(withOtherScripts), QDateTime::currentDateTime());
    exportDirectoryList(listFile(withOtherScripts), true, QDateTime::currentDateTime());
    for (auto _ : state) {
        const RecordFileError error =
            importDirectoryList(listFile(withOtherScripts), false, QDateTime::currentDateTime());
        if (error.isError())
            state.SkipWithError(qPrintable(error.description));
    }
    state.counters["entries"] = EntryCount;
}

} // namespace

BENCHMARK_CAPTURE(BM_ExportList, windows_1252, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportList, utf8, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportList, windows_1252, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportList, utf8, true)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    scratchFolder = scratch.path();
    useScratchFolders(scratch);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    closeStore();
    return 0;
}

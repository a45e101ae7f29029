// The information box's directory list for 10,000 stored entries, for all drives and for one
// drive (where every entry's tokens are expanded and its drive looked up).
#include "BenchSandbox.h"
#include "dirlist/DirectoryListDisplay.h"
#include "dirlist/DirectoryStore.h"
#include "platform/fake/FakePlatform.h"
#include "settings/StoreLocation.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace pathwick;

constexpr int EntryCount = 10000;

QStringList mixedEntries() {
    static const char* const tokens[] = {":Documents:\\", ":Music:\\", ":Desktop:\\",
                                         ":PublicDocs:\\", ":SysDrive:\\srv\\"};
    QStringList entries;
    for (int i = 0; i < EntryCount; ++i) {
        const QString n = QString::number(i);
        switch (i % 4) {
        case 0:
            entries.append(tokens[(i / 4) % 5] + n);
            break;
        case 1:
            entries.append("/media/usb/projects/" + n);
            break;
        case 2:
            entries.append("/home/someone/work/site-" + n);
            break;
        default:
            entries.append(i % 8 == 3 ? ":Network:" + n : "D:\\Data\\" + n);
        }
    }
    return entries;
}

void BM_ShowDirectoryList(benchmark::State& state, const QString& drive) {
    platform::fake::FakePlatform fakes;
    fakes.volumes->items = {{"/", "/dev/sda1", "root"},
                            {"/home", "/dev/sda2", "home"},
                            {"/media/usb", "/dev/sdb1", "STICK"}};
    int count = 0;
    for (auto _ : state) {
        const DirectoryListDisplay display = ShowDirectoryList(drive);
        benchmark::DoNotOptimize(display.text.data());
        count = display.count;
    }
    state.counters["lines"] = count;
    state.counters["entries"] = EntryCount;
}

} // namespace

BENCHMARK_CAPTURE(BM_ShowDirectoryList, all_drives, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowDirectoryList, drive_home, QStringLiteral("&/home"))
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    useScratchFolders(scratch);
    saveStoredEntries(mixedEntries(), QDateTime::currentDateTime());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    closeStore();
    return 0;
}

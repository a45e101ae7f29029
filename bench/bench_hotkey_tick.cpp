#include "BenchSandbox.h"

#include "hotkeys/HotKeyActions.h"
#include "hotkeys/HotKeyPoller.h"
#include "hotkeys/HotKeyStore.h"
#include "platform/linux/X11KeyState.h"
#include "settings/Settings.h"
#include "settings/StoreMark.h"

#include <QApplication>
#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstdio>

#include <X11/Xlib.h>

// Last: it includes Xlib, whose macros would break the Qt headers.
#include "BenchDisplay.h"

using namespace pathwick::hotkeys;

namespace {

// Nothing fires with no key down; anything that did would count as a fault of the run.
class NoActions : public HotKeyActions {
public:
    int fired = 0;
    void showMessage(const TickMessage&) override { ++fired; }
    int open(const Launch&) override { return ++fired, 42; }
    void playAlarm() override { ++fired; }
    void type(const QString&, std::function<void()> done) override {
        ++fired;
        done();
    }
    QString expand(const QString& text) override { return text; }
};

// 300 entries over the keyboard keys 8-255, commands and texts, with every combination of
// modifiers; no mouse keys, so one look at the keyboard is the only X round trip.
void storeTable() {
    static const char* const modifiers[] = {"",     "_Shift",      "_Ctrl",
                                            "_Alt", "_Shift_Ctrl", "_Ctrl_Alt"};
    for (int i = 0; i < 300; ++i) {
        const int key = 8 + i % 248;
        const bool send = i % 2;
        const QString name =
            QString::number(key) + (send ? "_Send" : "_Command") + QLatin1String(modifiers[i % 6]);
        writeHotKeyValue(name, send ? HotKeyType::Send : HotKeyType::Command,
                         send ? "Text {[date]} number " + QString::number(i)
                              : "/usr/bin/program-" + QString::number(i));
    }
}

void tick300Entries(benchmark::State& state) {
    StoreHotKeyTable table;
    pathwick::platform::X11KeyState keys;
    NoActions actions;
    HotKeyPoller poller(table, keys, actions, {});
    for (auto _ : state)
        poller.tick();
    state.counters["entries"] = double(table.entries().size());
    state.counters["fired"] = actions.fired;
}

// The parts of a tick, each beside the whole: the look at the store for changes that every
// tick makes, the table read that a change costs (and every tick cost before the table was
// kept), and the X round trip.
void reference_storeMark(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(pathwick::storeMark());
}

void reference_tableRead(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(StoreHotKeyTable().entries());
}

} // namespace

int main(int argc, char** argv) {
    Display* probe = openBenchDisplay("bench_hotkey_tick");
    if (!probe)
        return 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    useScratchFolders(scratch);
    storeTable();

    benchmark::RegisterBenchmark("HotKeyTick/300_entries_no_key_down", tick300Entries)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Reference/store_change_check", reference_storeMark)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Reference/table_read_300_entries", reference_tableRead)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Reference/bare_XQueryKeymap", bareQueryKeymap)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XCloseDisplay(probe);
    return 0;
}

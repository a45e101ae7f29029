#include "BenchSandbox.h"

#include "hotkeys/HotKeyActions.h"
#include "hotkeys/HotKeyPoller.h"
#include "hotkeys/HotKeyStore.h"
#include "platform/linux/X11KeyState.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstdio>

#include <X11/Xlib.h>

using namespace pathwick::hotkeys;

namespace {

QByteArray displayName() {
    const QByteArray test = qgetenv("PATHWICK_TEST_DISPLAY");
    return test.isEmpty() ? qgetenv("DISPLAY") : test;
}

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

// The parts of a tick, each beside the whole: the table read and the X round trip.
void reference_tableRead(benchmark::State& state) {
    StoreHotKeyTable table;
    for (auto _ : state)
        benchmark::DoNotOptimize(table.entries());
}

void reference_bareQueryKeymap(benchmark::State& state) {
    Display* display = XOpenDisplay(displayName().constData());
    char keymap[32];
    for (auto _ : state) {
        XQueryKeymap(display, keymap);
        benchmark::DoNotOptimize(keymap);
    }
    XCloseDisplay(display);
}

} // namespace

int main(int argc, char** argv) {
    const QByteArray name = displayName();
    Display* probe = name.isEmpty() ? nullptr : XOpenDisplay(name.constData());
    if (!probe) {
        std::printf("bench_hotkey_tick: no X display (set PATHWICK_TEST_DISPLAY or DISPLAY); "
                    "nothing measured\n");
        return 0;
    }
    qputenv("DISPLAY", name);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    useScratchFolders(scratch);
    storeTable();

    benchmark::RegisterBenchmark("HotKeyTick/300_entries_no_key_down", tick300Entries)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Reference/table_read_300_entries", reference_tableRead)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Reference/bare_XQueryKeymap", reference_bareQueryKeymap)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XCloseDisplay(probe);
    return 0;
}

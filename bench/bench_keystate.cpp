#include "platform/linux/X11KeyState.h"

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstdio>

#include <X11/Xlib.h>

namespace {

// The display to measure against: $PATHWICK_TEST_DISPLAY, else $DISPLAY.
QByteArray displayName() {
    const QByteArray test = qgetenv("PATHWICK_TEST_DISPLAY");
    return test.isEmpty() ? qgetenv("DISPLAY") : test;
}

void keyStateLetter(benchmark::State& state) {
    pathwick::platform::X11KeyState keys;
    for (auto _ : state)
        benchmark::DoNotOptimize(keys.isDown(65));
}

void keyStateShift(benchmark::State& state) {
    pathwick::platform::X11KeyState keys;
    for (auto _ : state)
        benchmark::DoNotOptimize(keys.isDown(16));
}

// One bare round trip, the floor under every key question.
void bareQueryKeymap(benchmark::State& state) {
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
        std::printf("bench_keystate: no X display (set PATHWICK_TEST_DISPLAY or DISPLAY); "
                    "nothing measured\n");
        return 0;
    }
    // Held open to the end: a server whose last client leaves resets and refuses new
    // connections for a moment.
    qputenv("DISPLAY", name);

    benchmark::RegisterBenchmark("KeyState/isDown(65)", keyStateLetter);
    benchmark::RegisterBenchmark("KeyState/isDown(16)", keyStateShift);
    benchmark::RegisterBenchmark("Xlib/XQueryKeymap", bareQueryKeymap);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XCloseDisplay(probe);
    return 0;
}

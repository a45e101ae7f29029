#include "platform/linux/X11KeyState.h"

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstdio>

#include <X11/Xlib.h>

// Last: it includes Xlib, whose macros would break the Qt headers.
#include "BenchDisplay.h"

namespace {

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

} // namespace

int main(int argc, char** argv) {
    Display* probe = openBenchDisplay("bench_keystate");
    if (!probe)
        return 0;

    benchmark::RegisterBenchmark("KeyState/isDown(65)", keyStateLetter);
    benchmark::RegisterBenchmark("KeyState/isDown(16)", keyStateShift);
    benchmark::RegisterBenchmark("Xlib/XQueryKeymap", bareQueryKeymap);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XCloseDisplay(probe);
    return 0;
}

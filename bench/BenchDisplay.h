#pragma once

// Include after every Qt header: Xlib defines macros (Status, Bool) that break them.

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstdio>

#include <X11/Xlib.h>

// The display to measure against: $PATHWICK_TEST_DISPLAY, else $DISPLAY.
inline QByteArray benchDisplayName() {
    const QByteArray test = qgetenv("PATHWICK_TEST_DISPLAY");
    return test.isEmpty() ? qgetenv("DISPLAY") : test;
}

// Opens the display for the whole run and points DISPLAY at it, or says why nothing is
// measured. Held open to the end: a server whose last client leaves resets and refuses new
// connections for a moment.
inline Display* openBenchDisplay(const char* program) {
    const QByteArray name = benchDisplayName();
    Display* display = name.isEmpty() ? nullptr : XOpenDisplay(name.constData());
    if (!display) {
        std::printf("%s: no X display (set PATHWICK_TEST_DISPLAY or DISPLAY); nothing measured\n",
                    program);
        return nullptr;
    }
    qputenv("DISPLAY", name);
    return display;
}

// One bare round trip, the floor under every key question.
inline void bareQueryKeymap(benchmark::State& state) {
    Display* display = XOpenDisplay(benchDisplayName().constData());
    char keymap[32];
    for (auto _ : state) {
        XQueryKeymap(display, keymap);
        benchmark::DoNotOptimize(keymap);
    }
    XCloseDisplay(display);
}

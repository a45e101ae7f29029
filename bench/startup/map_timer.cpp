// Starts a program and reports how long it took until its main window was mapped, and its
// resident memory a while later:
//
//     startup_map_timer TITLE_PREFIX SETTLE_MS TIMEOUT_MS -- program [arguments...]
//
// prints "map_ms=<ms> rss_kb=<kB>" and ends the program it started. The time runs from just
// before fork/exec to the first MapNotify of a top-level window (a child of the root that is
// not override-redirect) whose name begins with TITLE_PREFIX. Needs DISPLAY.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::string windowName(Display* display, Window window) {
    XTextProperty property{};
    std::string name;
    if (XGetWMName(display, window, &property) && property.value) {
        name.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return name;
}

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

void endChild(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 40; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 6 || std::strcmp(argv[4], "--") != 0) {
        std::fprintf(stderr, "usage: %s TITLE_PREFIX SETTLE_MS TIMEOUT_MS -- program [args]\n",
                     argv[0]);
        return 2;
    }
    const std::string prefix = argv[1];
    const long settleMs = std::strtol(argv[2], nullptr, 10);
    const long timeoutMs = std::strtol(argv[3], nullptr, 10);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return 2;
    if (pid == 0) {
        execvp(argv[5], argv + 5);
        _exit(127);
    }

    double mapMs = -1;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (mapMs < 0 && millisecondsSince(start) < timeoutMs) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "the program ended before its window was mapped\n");
            return 1;
        }
        if (XPending(display) == 0) {
            poll(&connection, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.event != root || event.xmap.override_redirect)
            continue;
        if (windowName(display, event.xmap.window).rfind(prefix, 0) == 0)
            mapMs = millisecondsSince(start);
    }
    if (mapMs < 0) {
        std::fprintf(stderr, "no window named \"%s...\" within %ld ms\n", prefix.c_str(),
                     timeoutMs);
        endChild(pid);
        return 1;
    }

    const double waited = millisecondsSince(start);
    if (waited < settleMs)
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(settleMs - waited));
    const long rss = residentKilobytes(pid);
    endChild(pid);
    XCloseDisplay(display);
    std::printf("map_ms=%.1f rss_kb=%ld\n", mapMs, rss);
    return 0;
}

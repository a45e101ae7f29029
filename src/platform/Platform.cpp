#include "platform/Platform.h"

#include "platform/linux/LinuxServices.h"

namespace pathwick::platform {

namespace {

Services& current() {
    static Services instance;
    return instance;
}

void fillMissing(Services& s) {
    if (s.shell && s.processes && s.keys && s.sound && s.system && s.volumes && s.folderWindows &&
        s.keystrokes)
        return;
    const Services real = makeLinuxServices();
    if (!s.shell)
        s.shell = real.shell;
    if (!s.processes)
        s.processes = real.processes;
    if (!s.keys)
        s.keys = real.keys;
    if (!s.sound)
        s.sound = real.sound;
    if (!s.system)
        s.system = real.system;
    if (!s.volumes)
        s.volumes = real.volumes;
    if (!s.folderWindows)
        s.folderWindows = real.folderWindows;
    if (!s.keystrokes)
        s.keystrokes = real.keystrokes;
}

} // namespace

Services& services() {
    Services& s = current();
    fillMissing(s);
    return s;
}

ShellLauncher& shell() {
    return *services().shell;
}
ProcessList& processes() {
    return *services().processes;
}
KeyState& keys() {
    return *services().keys;
}
SoundOutput& sound() {
    return *services().sound;
}
SystemInfo& system() {
    return *services().system;
}
Volumes& volumes() {
    return *services().volumes;
}
FolderWindows& folderWindows() {
    return *services().folderWindows;
}
KeystrokeSender& keystrokes() {
    return *services().keystrokes;
}

void install(const Services& replacement) {
    Services& s = current();
    if (replacement.shell)
        s.shell = replacement.shell;
    if (replacement.processes)
        s.processes = replacement.processes;
    if (replacement.keys)
        s.keys = replacement.keys;
    if (replacement.sound)
        s.sound = replacement.sound;
    if (replacement.system)
        s.system = replacement.system;
    if (replacement.volumes)
        s.volumes = replacement.volumes;
    if (replacement.folderWindows)
        s.folderWindows = replacement.folderWindows;
    if (replacement.keystrokes)
        s.keystrokes = replacement.keystrokes;
}

void reset() {
    current() = Services{};
}

} // namespace pathwick::platform

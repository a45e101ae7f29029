#pragma once

#include "platform/FolderWindows.h"
#include "platform/KeyState.h"
#include "platform/KeystrokeSender.h"
#include "platform/ProcessList.h"
#include "platform/ShellLauncher.h"
#include "platform/SoundOutput.h"
#include "platform/SystemInfo.h"
#include "platform/Volumes.h"

#include <memory>

namespace pathwick::platform {

// The one place that hands out the platform services. The real ones are made on first use;
// tests install fakes before they exercise the code.
struct Services {
    std::shared_ptr<ShellLauncher> shell;
    std::shared_ptr<ProcessList> processes;
    std::shared_ptr<KeyState> keys;
    std::shared_ptr<SoundOutput> sound;
    std::shared_ptr<SystemInfo> system;
    std::shared_ptr<Volumes> volumes;
    std::shared_ptr<FolderWindows> folderWindows;
    std::shared_ptr<KeystrokeSender> keystrokes;
};

Services& services();
ShellLauncher& shell();
ProcessList& processes();
KeyState& keys();
SoundOutput& sound();
SystemInfo& system();
Volumes& volumes();
FolderWindows& folderWindows();
KeystrokeSender& keystrokes();

// Replaces the given services (null members keep the current ones).
void install(const Services& replacement);
// Back to the real services on next use.
void reset();

} // namespace pathwick::platform

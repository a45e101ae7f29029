#include "platform/linux/LinuxServices.h"

#include "platform/linux/LinuxShellLauncher.h"
#include "platform/linux/LinuxSystemInfo.h"
#include "platform/linux/LinuxVolumes.h"
#include "platform/linux/ProcProcessList.h"
#include "platform/linux/QtSoundOutput.h"
#include "platform/linux/X11FolderWindows.h"
#include "platform/linux/X11KeyState.h"
#include "platform/linux/X11KeystrokeSender.h"

namespace pathwick::platform {

Services makeLinuxServices() {
    return {std::make_shared<LinuxShellLauncher>(), std::make_shared<ProcProcessList>(),
            std::make_shared<X11KeyState>(),        std::make_shared<QtSoundOutput>(),
            std::make_shared<LinuxSystemInfo>(),    std::make_shared<LinuxVolumes>(),
            std::make_shared<X11FolderWindows>(),   std::make_shared<X11KeystrokeSender>()};
}

} // namespace pathwick::platform

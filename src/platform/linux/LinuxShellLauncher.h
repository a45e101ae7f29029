#pragma once

#include "platform/ShellLauncher.h"
#include "platform/linux/LaunchPlan.h"

#include <optional>

namespace pathwick::platform {

// Carries out launch plans: every started process runs detached, in its own session, with
// PATHWICK_LAUNCH_SEQUENCE set to the number of this launch (1, 2, 3, ... per process), so a
// recorder can put detached launches back in order.
class LinuxShellLauncher : public ShellLauncher {
public:
    LinuxShellLauncher() = default;
    // Decides with the given environment instead of the real machine's.
    explicit LinuxShellLauncher(LaunchEnvironment environment);

    int open(const QString& target, const QString& parameters, ShowMode mode) override;

private:
    std::optional<LaunchEnvironment> environment_;
};

} // namespace pathwick::platform

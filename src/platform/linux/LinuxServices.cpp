#include "platform/linux/LinuxServices.h"

namespace pathwick::platform {

namespace {

class NoShell : public ShellLauncher {
public:
    int open(const QString&, const QString&, ShowMode) override {
        return ShellResult::NoAssociation;
    }
};
class NoProcesses : public ProcessList {
public:
    std::optional<QStringList> executableNames() override { return std::nullopt; }
};
class NoKeys : public KeyState {
public:
    bool isDown(int) override { return false; }
};
class NoSound : public SoundOutput {
public:
    bool play(const QString&, bool) override { return false; }
};
class NoSystem : public SystemInfo {
public:
    QString hostName() override { return {}; }
    QString osPrettyName() override { return {}; }
    QString kernelRelease() override { return {}; }
    TimeZoneValues timeZone() override { return {}; }
};
class NoVolumes : public Volumes {
public:
    QList<Volume> list() override { return {}; }
};
class NoFolderWindows : public FolderWindows {
public:
    bool closeAll() override { return false; }
};

} // namespace

Services makeLinuxServices() {
    return {std::make_shared<NoShell>(),       std::make_shared<NoProcesses>(),
            std::make_shared<NoKeys>(),        std::make_shared<NoSound>(),
            std::make_shared<NoSystem>(),      std::make_shared<NoVolumes>(),
            std::make_shared<NoFolderWindows>()};
}

} // namespace pathwick::platform

#include "hotkeys/StartupPlaces.h"

#include "common/ComputerInfo.h"
#include "common/ShellServices.h"
#include "hotkeys/HotKeyWindowTexts.h"
#include "platform/ShellLauncher.h"
#include "settings/Catalogue.h"
#include "settings/Settings.h"

namespace pathwick::hotkeys {

namespace {

using namespace window_texts;

constexpr int FirstVersionWithStartupApps = 10;
constexpr int PlatformIdOption = 3;
constexpr int VersionNumberOption = 6;

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

} // namespace

QString systemAutostartFolder(const QString& configDirs) {
    QString first = configDirs.section(u':', 0, 0);
    if (first.isEmpty())
        first = QStringLiteral("/etc/xdg");
    return first + QStringLiteral("/autostart");
}

QString systemAutostartFolder() {
    return systemAutostartFolder(qEnvironmentVariable("XDG_CONFIG_DIRS"));
}

bool startupAppsAvailable(int platformId, const QString& versionNumber) {
    if (platformId == LinuxPlatformId)
        return true;
    return versionNumber.section(u'.', 0, 0).toInt() >= FirstVersionWithStartupApps;
}

bool startupAppsAvailable() {
    return startupAppsAvailable(ComputerPlatform(PlatformIdOption).toInt(),
                                ComputerPlatform(VersionNumberOption));
}

QList<RegistryFavourite> registryEditorFavourites(const QString& userName) {
    return {{text(FavouriteRunFor) + userName, text(RunKeyPlace)},
            {text(FavouriteRunOnceFor) + userName, text(RunOnceKeyPlace)},
            {text(FavouriteRunAll), text(AllUsersRunPlace)},
            {text(FavouriteRunOnceAll), text(AllUsersRunOncePlace)}};
}

void prepareRegistryEditor() {
    const auto& lastKey = catalogue::RegeditLastKey;
    WriteSetting(lastKey.root, lastKey.keyPath, lastKey.name, QStringLiteral("S"),
                 text(RunKeyPlace));
    OpenWithShell(QStringLiteral("taskkill"), QStringLiteral("-f -im RegEdit.exe"),
                  int(platform::ShowMode::Minimised));
}

void openRegistryEditor(const QString& userName) {
    OpenWithShell(QStringLiteral("RegEdit.exe"), QString(), int(platform::ShowMode::Normal));
    for (const RegistryFavourite& favourite : registryEditorFavourites(userName))
        WriteSetting(UserRoot, catalogue::RegeditFavoritesKey, favourite.name, QStringLiteral("S"),
                     favourite.place);
}

} // namespace pathwick::hotkeys

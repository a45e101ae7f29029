#pragma once

#include <QList>
#include <QString>

namespace pathwick::hotkeys {

// Where start-up programs are kept: the user's autostart folder (see RunAtLogin.h) and the
// system's, the first folder of $XDG_CONFIG_DIRS (default /etc/xdg) + "/autostart".
QString systemAutostartFolder(const QString& configDirs);
QString systemAutostartFolder();

// Whether "&Configure startup applications" is offered: on Linux always (the desktop's tool
// or the autostart folder stands in), on Windows from version 10 on.
bool startupAppsAvailable(int platformId, const QString& versionNumber);
bool startupAppsAvailable();

// The registry editor shortcut in two steps around a short wait: first it is told where to
// open and any running copy is ended; then it is opened and given the start-up favourites.
void prepareRegistryEditor();
void openRegistryEditor(const QString& userName);

struct RegistryFavourite {
    QString name;
    QString place;
};
QList<RegistryFavourite> registryEditorFavourites(const QString& userName);

} // namespace pathwick::hotkeys

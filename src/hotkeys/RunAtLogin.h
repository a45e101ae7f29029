#pragma once

#include <QString>

namespace pathwick::hotkeys {

// The run-at-login entry lives in the user's Run key of the store, as on Windows, and is
// mirrored to an XDG autostart file, which is what the desktop acts on at login.

// What the stored entry says: an entry of only blanks is no entry; an entry whose last
// seven characters are "#hidden" in any case starts the program with its window closed.
bool entryRunsAtLogin(const QString& entry);
bool entryRunsHidden(const QString& entry);

// The entry the program writes: the executable's path, with " #Hidden" when asked for.
QString runAtLoginEntry(const QString& executablePath, bool hidden);

// The autostart file's text; its Exec line quotes every argument so that "#Hidden" and
// paths with blanks or special characters pass a desktop-file validator.
QString autostartDesktopEntry(const QString& executablePath, bool hidden);

// $XDG_CONFIG_HOME/autostart and the program's file in it.
QString userAutostartFolder();
QString autostartFilePath();

// The stored entry ("" when there is none).
QString readRunAtLoginEntry();
// Writes the entry and the autostart file, or deletes both (the file only when it is the one
// this program writes). Failures are silent: the window that calls it is closing.
void saveRunAtLogin(bool runAtLogin, bool hidden);

} // namespace pathwick::hotkeys

#pragma once

#include <QTemporaryDir>

// Points the settings store and the user's folders into a scratch folder, so a benchmark
// never touches the real ones. Keep the returned folder alive while the benchmark runs.
inline void useScratchFolders(const QTemporaryDir& scratch) {
    qputenv("PATHWICK_STORE", scratch.filePath("settings.sqlite3").toLocal8Bit());
    qputenv("HOME", scratch.filePath("home").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", scratch.filePath("data").toLocal8Bit());
}

#include "hotkeys/RunAtLogin.h"
#include "common/ComputerInfo.h"
#include "hotkeys/StartupPlaces.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pathwick::hotkeys {
namespace {

TEST(RunAtLogin, StoredEntryRules) {
    const struct {
        const char* entry;
        bool runs;
        bool hidden;
    } cases[] = {{"   ", false, false},
                 {"/opt/pathwick/pathwick", true, false},
                 {"  C:\\Tools\\pathwick.exe #hidden  ", true, true},
                 {"pathwick#HIDDEN", true, true},
                 {"pathwick #Hidden now", true, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(entryRunsAtLogin(c.entry), c.runs) << c.entry;
        EXPECT_EQ(entryRunsHidden(c.entry), c.hidden) << c.entry;
    }
}

// The desktop's own validator judges the file.
TEST(RunAtLogin, AutostartFilePassesTheDesktopFileValidator) {
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (scripts/install-deps.sh)";
    QTemporaryDir folder;
    // A path that needs every kind of quoting.
    const QString path = "/home/ann/My Apps/a\"b`c$d\\e%f;g#h/pathwick";
    for (bool hidden : {false, true}) {
        const QString file = folder.filePath("pathwick.desktop");
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QString entry = autostartDesktopEntry(path, hidden);
        out.write(entry.toUtf8());
        out.close();
        QProcess process;
        process.start(validator, {file});
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardOutput().toStdString();
        EXPECT_EQ(entry.contains("\"#Hidden\""), hidden) << entry.toStdString();
    }
}

TEST(StartupPlaces, FoldersAndStartupAppsRule) {
    EXPECT_EQ(systemAutostartFolder(""), "/etc/xdg/autostart");
    EXPECT_EQ(systemAutostartFolder("/etc/xdg/xdg-plasma:/etc/xdg"),
              "/etc/xdg/xdg-plasma/autostart");
    const struct {
        int platformId;
        const char* version;
        bool available;
    } cases[] = {
        {LinuxPlatformId, "6.1", true}, {2, "6.3", false}, {2, "10.0", true}, {2, "", false}};
    for (const auto& c : cases)
        EXPECT_EQ(startupAppsAvailable(c.platformId, c.version), c.available) << c.version;
}

} // namespace
} // namespace pathwick::hotkeys

#include "common/ComputerInfo.h"
#include "hotkeys/RebootSummary.h"
#include "hotkeys/RunAtLogin.h"
#include "hotkeys/StartupPlaces.h"
#include "settings/ProgramSettings.h"
#include "support/ScopedEnvironment.h"
#include "support/TempStore.h"

#include <QCoreApplication>
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
    } cases[] = {{"", false, false},
                 {"   ", false, false},
                 {"/opt/pathwick/pathwick", true, false},
                 {"/opt/pathwick/pathwick #Hidden", true, true},
                 {"  C:\\Tools\\pathwick.exe #hidden  ", true, true},
                 {"pathwick#HIDDEN", true, true},
                 {"pathwick #Hidden now", true, false},
                 {"#Hidde", true, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(entryRunsAtLogin(c.entry), c.runs) << c.entry;
        EXPECT_EQ(entryRunsHidden(c.entry), c.hidden) << c.entry;
    }
    EXPECT_EQ(runAtLoginEntry("/opt/p/pathwick", true), "/opt/p/pathwick #Hidden");
    EXPECT_EQ(runAtLoginEntry("/opt/p/pathwick", false), "/opt/p/pathwick");
}

// The desktop's own validator judges the file, for paths that need every kind of quoting.
TEST(RunAtLogin, AutostartFilePassesTheDesktopFileValidator) {
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (scripts/install-deps.sh)";
    QTemporaryDir folder;
    const char* paths[] = {"/usr/bin/pathwick", "/home/ann/My Apps/pathwick",
                           "/opt/a\"b`c$d\\e%f;g#h/pathwick"};
    for (const char* path : paths) {
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
            EXPECT_EQ(process.exitCode(), 0) << path << "\n"
                                             << process.readAllStandardOutput().toStdString();
            EXPECT_EQ(entry.contains("\"#Hidden\""), hidden) << entry.toStdString();
        }
    }
}

TEST(RunAtLogin, SavingWritesTheEntryAndItsAutostartFileAndClearingRemovesBoth) {
    test::TempStore store;
    test::ScopedEnvironment environment;
    environment.set("XDG_CONFIG_HOME", store.folder().toUtf8() + "/config");
    const QString file = store.folder() + "/config/autostart/pathwick.desktop";
    ASSERT_EQ(autostartFilePath(), file);

    saveRunAtLogin(true, true);
    EXPECT_EQ(readRunAtLoginEntry(), QCoreApplication::applicationFilePath() + " #Hidden");
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("\"#Hidden\"\n"));
    written.close();

    saveRunAtLogin(true, false);
    EXPECT_FALSE(entryRunsHidden(readRunAtLoginEntry()));
    saveRunAtLogin(false, true);
    EXPECT_EQ(readRunAtLoginEntry(), "");
    EXPECT_FALSE(QFile::exists(file));
}

TEST(BootOptions, RebootSummaryCaption) {
    const struct {
        int index, hours, minutes, amPm;
        const char* caption;
    } cases[] = {{0, 7, 5, 0, "Re-boot once only"},
                 {6, 7, 5, 0, "Re-boot at 7:05am (Every day)"},
                 {1, 12, 0, 1, "Re-boot at 12:00pm (Every 2 hours)"},
                 {5, 3, 30, 2, "Re-boot at 3:30?? (Every 12 hours)"},
                 {2, 3, 30, -1, "Re-boot at 3:30?? (Every 3 hours)"},
                 {7, 1, 0, 0, "Re-boot at 1:00am (Repeat index 7)"},
                 {-1, 1, 0, 0, "Re-boot at 1:00am (Repeat index -1)"}};
    for (const auto& c : cases)
        EXPECT_EQ(rebootSummaryCaption(c.index, c.hours, c.minutes, c.amPm), c.caption);

    test::TempStore store;
    writeSmallNumber(keyPathOf(catalogue::RebootEveryHourIndex), "RebootEveryHourIndex", 4);
    // Hours not stored: twelve o'clock.
    EXPECT_EQ(storedRebootSummaryCaption(), "Re-boot at 12:00am (Every 6 hours)");
}

TEST(StartupPlaces, FoldersAndStartupAppsRule) {
    EXPECT_EQ(systemAutostartFolder(""), "/etc/xdg/autostart");
    EXPECT_EQ(systemAutostartFolder("/etc/xdg/xdg-plasma:/etc/xdg"),
              "/etc/xdg/xdg-plasma/autostart");
    const struct {
        int platformId;
        const char* version;
        bool available;
    } cases[] = {{LinuxPlatformId, "6.1", true}, {2, "6.3", false}, {2, "10.0", true},
                 {2, "", false}};
    for (const auto& c : cases)
        EXPECT_EQ(startupAppsAvailable(c.platformId, c.version), c.available) << c.version;
}

} // namespace
} // namespace pathwick::hotkeys

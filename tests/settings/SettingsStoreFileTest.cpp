#include "ChildProcess.h"
#include "support/TempStore.h"

#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"
#include "settings/SettingsTransaction.h"
#include "settings/StoreFiles.h"
#include "settings/StoreLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace pathwick;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void fill(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

int mode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

QStringList movedAside(const QString& folder) {
    return QDir(folder).entryList({"settings.sqlite3.corrupt-*"}, QDir::Files, QDir::Name);
}

void setEnvironment(const char* name, const QByteArray& value) {
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

} // namespace

TEST(StoreLocation, StoreVariableThenXdgConfigThenHome) {
    test::TempStore store;
    const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(storePath(), store.path());
    qunsetenv("PATHWICK_STORE");
    qputenv("XDG_CONFIG_HOME", "/somewhere/config");
    EXPECT_EQ(storePath(), "/somewhere/config/pathwick/settings.sqlite3");
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(storePath(), QDir::homePath() + "/.config/pathwick/settings.sqlite3");
    setEnvironment("XDG_CONFIG_HOME", hadConfig ? config : QByteArray());
}

TEST(StoreLocation, NewFolderAndFileAreTheUsersOnly) {
    test::TempStore store;
    const QString path = store.folder() + "/one/two/settings.sqlite3";
    qputenv("PATHWICK_STORE", QFile::encodeName(path));
    closeStore();
    ASSERT_EQ(WriteSetting("HKCU", "Software", "X", "S", "y"), 0);
    EXPECT_EQ(mode(store.folder() + "/one"), 0700);
    EXPECT_EQ(mode(store.folder() + "/one/two"), 0700);
    EXPECT_EQ(mode(path), 0600);
    EXPECT_EQ(takeStoreNotice(), "");
}

TEST(StoreRecovery, UnreadableStoreIsMovedAsideKeptAndReportedOnce) {
    const QByteArray header("SQLite format 3", 16);
    for (const bool validHeader : {false, true}) {
        test::TempStore store;
        QByteArray original;
        if (validHeader) {
            // A real store whose pages were overwritten.
            SettingsTransaction transaction;
            for (int i = 0; i < 3000; ++i)
                ASSERT_EQ(WriteSetting("HKLM", ProgramKey(), QString::number(i), "S", "x"), 0);
            ASSERT_TRUE(transaction.commit());
            closeStore();
            original = contents(store.path());
            ASSERT_GT(original.size(), 20000);
            for (qsizetype i = 4096; i < original.size(); ++i)
                original[i] = char(i * 131 % 251);
        } else {
            original.resize(50000);
            QRandomGenerator random(42);
            for (char& byte : original)
                byte = char(random.bounded(256));
        }
        fill(store.path(), original);

        QVariant value;
        EXPECT_EQ(ReadSetting("HKLM", ProgramKey(), "HotKeys_running", "B", -1, value), 2);
        EXPECT_EQ(value.toInt(), -1);
        EXPECT_EQ(WriteSetting("HKLM", ProgramKey(), "HotKeys_running", "B", 0), 0);
        EXPECT_EQ(ReadSetting("HKLM", ProgramKey(), "HotKeys_running", "B", -1, value), 0);
        EXPECT_EQ(value.toInt(), 0);

        const QStringList moved = movedAside(store.folder());
        ASSERT_EQ(moved.size(), 1);
        EXPECT_EQ(contents(store.folder() + "/" + moved[0]), original) << "not a byte changed";
        const QString notice = takeStoreNotice();
        EXPECT_TRUE(notice.contains(store.path()));
        EXPECT_TRUE(notice.contains(moved[0]));
        EXPECT_EQ(takeStoreNotice(), "") << "the user is told once";
        closeStore();
        EXPECT_EQ(takeStoreNotice(), "") << "the fresh store opens without complaint";
    }
}

TEST(StoreRecovery, MovingAsideNeverReplacesAFile) {
    test::TempStore store;
    const QDateTime now(QDate(2026, 12, 6), QTime(8, 15, 0));
    const QString first = store.path() + ".corrupt-2026-12-06_08-15-00";
    fill(first, "earlier");
    fill(store.path(), "damaged");
    fill(store.path() + "-wal", "journal");
    EXPECT_EQ(store::moveStoreAside(store.path(), now), first + "-2");
    EXPECT_EQ(contents(first), "earlier");
    EXPECT_EQ(contents(first + "-2"), "damaged");
    EXPECT_EQ(contents(first + "-2-wal"), "journal") << "the journal stays with its store";
    EXPECT_FALSE(QFileInfo::exists(store.path()));
    EXPECT_FALSE(QFileInfo::exists(store.path() + "-wal"));
}

TEST(StoreAccess, ReadOnlyStoreReadsButRefusesWrites) {
    test::TempStore store;
    ASSERT_EQ(WriteSetting("HKLM", ProgramKey(), "Kept", "D", 7), 0);
    closeStore();
    ASSERT_EQ(::chmod(QFile::encodeName(store.folder()).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(store.path()).constData(), 0444), 0);
    const QByteArray before = contents(store.path());

    test::Pipe report;
    const pid_t child = test::startChild([&] {
        // Root writes through any mode; check as an ordinary user.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return 10;
        QVariant value;
        const int read = ReadSetting("HKLM", ProgramKey(), "Kept", "D", 0, value);
        const int write = WriteSetting("HKLM", ProgramKey(), "Kept", "D", 8);
        const int remove = DeleteSetting("HKLM", ProgramKey(), "Kept");
        report.send(QStringLiteral("%1 %2 %3 %4")
                        .arg(read)
                        .arg(value.toInt())
                        .arg(write)
                        .arg(remove)
                        .toUtf8());
        return 0;
    });
    ASSERT_GT(child, 0);
    ASSERT_EQ(test::waitForChild(child), 0);
    EXPECT_EQ(report.receiveAll(), "0 7 5 5");
    EXPECT_EQ(contents(store.path()), before);
    EXPECT_TRUE(movedAside(store.folder()).isEmpty()) << "a read-only store is not damaged";
}

TEST(StoreAccess, StoreThatCannotBeOpenedGivesDefaultsAndOneNotice) {
    test::TempStore store;
    ASSERT_TRUE(QDir().mkpath(store.path())); // a folder where the file should be
    QVariant value;
    EXPECT_EQ(ReadSetting("HKLM", ProgramKey(), "X", "S", "dflt", value), 5);
    EXPECT_EQ(value, "dflt");
    EXPECT_EQ(WriteSetting("HKLM", ProgramKey(), "X", "S", "v"), 5);
    const QString notice = takeStoreNotice();
    EXPECT_TRUE(notice.contains(store.path())) << notice.toStdString();
    EXPECT_EQ(takeStoreNotice(), "");
    EXPECT_TRUE(QFileInfo(store.path()).isDir());
}

// Two copies of the program writing at the same moment: every write succeeds and lands,
// whether it runs alone or inside a group.
TEST(StoreConcurrency, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int PerProcess = 2000;
    test::TempStore store;
    test::Pipe go;
    pid_t children[2];
    for (int process = 0; process < 2; ++process) {
        children[process] = test::startChild([&] {
            go.receive(1);
            int failures = 0;
            std::optional<SettingsTransaction> group;
            for (int i = 0; i < PerProcess; ++i) {
                if (process == 1 && i % 100 == 0)
                    group.emplace();
                const QString name = QStringLiteral("p%1-%2").arg(process).arg(i);
                failures += WriteSetting("HKLM", ProgramKey(), name, "D", i) != 0;
                if (group && i % 100 == 99) {
                    failures += !group->commit();
                    group.reset();
                }
            }
            return std::min(failures, 100);
        });
        ASSERT_GT(children[process], 0);
    }
    go.send("!!");
    EXPECT_EQ(test::waitForChild(children[0]), 0);
    EXPECT_EQ(test::waitForChild(children[1]), 0);
    EXPECT_EQ(listValues("HKLM", ProgramKey()).size(), 2 * PerProcess);
    int wrong = 0;
    for (int process = 0; process < 2; ++process)
        for (int i = 0; i < PerProcess; ++i) {
            QVariant value;
            ReadSetting("HKLM", ProgramKey(), QStringLiteral("p%1-%2").arg(process).arg(i), "D", -1,
                        value);
            wrong += value.toInt() != i;
        }
    EXPECT_EQ(wrong, 0);
}

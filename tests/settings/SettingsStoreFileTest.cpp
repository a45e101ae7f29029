#include "ChildProcess.h"
#include "SettingsCalls.h"
#include "support/ScopedEnvironment.h"
#include "support/TempStore.h"

#include "settings/SettingsListing.h"
#include "settings/SettingsTransaction.h"
#include "settings/StoreFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>

using namespace pathwick;
using test::get;
using test::Key;
using test::put;
using test::Read;

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

} // namespace

TEST(StoreLocation, ChosenFileThenXdgConfigThenHomeMadeForTheUserOnly) {
    test::TempStore store;
    test::ScopedEnvironment environment;
    EXPECT_EQ(storePath(), store.path());
    environment.unset("PATHWICK_STORE");
    environment.set("XDG_CONFIG_HOME", "/somewhere/config");
    EXPECT_EQ(storePath(), "/somewhere/config/pathwick/settings.sqlite3");
    environment.set("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(storePath(), QDir::homePath() + "/.config/pathwick/settings.sqlite3");

    const QString path = store.folder() + "/one/two/settings.sqlite3";
    environment.set("PATHWICK_STORE", QFile::encodeName(path));
    ASSERT_EQ(WriteSetting("HKCU", "Software", "X", "S", "y"), 0);
    EXPECT_EQ(mode(store.folder() + "/one"), 0700);
    EXPECT_EQ(mode(store.folder() + "/one/two"), 0700);
    EXPECT_EQ(mode(path), 0600);
    EXPECT_EQ(takeStoreNotice(), "");
}

TEST(StoreRecovery, UnreadableStoreIsMovedAsideKeptAndReportedOnce) {
    for (const bool damagedStore : {false, true}) {
        SCOPED_TRACE(damagedStore ? "a store with overwritten pages" : "random bytes");
        test::TempStore store;
        QByteArray original;
        if (damagedStore) {
            SettingsTransaction transaction;
            for (int i = 0; i < 3000; ++i)
                ASSERT_EQ(put(QString::number(i), "S", "x"), 0);
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

        EXPECT_EQ(get("HotKeys_running", "B", -1), (Read{2, -1}));
        EXPECT_EQ(put("HotKeys_running", "B", 0), 0);
        EXPECT_EQ(get("HotKeys_running", "B", -1), (Read{0, 0}));
        const QStringList moved = movedAside(store.folder());
        ASSERT_EQ(moved.size(), 1);
        EXPECT_EQ(contents(store.folder() + "/" + moved[0]), original) << "not a byte changed";
        const QString notice = takeStoreNotice();
        EXPECT_TRUE(notice.contains(store.path()) && notice.contains(moved[0]))
            << notice.toStdString();
        EXPECT_EQ(takeStoreNotice(), "") << "the user is told once";
        closeStore();
        EXPECT_EQ(takeStoreNotice(), "") << "the fresh store opens without complaint";
    }
}

// A database of another program is moved aside like a damaged store, once; it was reported
// again on every start.
TEST(StoreRecovery, DatabaseOfAnotherLayoutIsMovedAsideOnce) {
    const char* layouts[] = {
        "CREATE TABLE notes(id INTEGER PRIMARY KEY, body TEXT)",
        "CREATE TABLE setting_keys(id INTEGER PRIMARY KEY); CREATE TABLE setting_values(x)",
    };
    for (const char* layout : layouts) {
        SCOPED_TRACE(layout);
        test::TempStore store;
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(store.path()).constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, layout, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        const QByteArray original = contents(store.path());

        EXPECT_EQ(put("X", "D", 1), 0);
        const QStringList moved = movedAside(store.folder());
        ASSERT_EQ(moved.size(), 1);
        EXPECT_EQ(contents(store.folder() + "/" + moved[0]), original);
        EXPECT_TRUE(takeStoreNotice().contains(moved[0]));
        closeStore();
        EXPECT_EQ(takeStoreNotice(), "") << "the next start finds its own store";
        EXPECT_EQ(get("X", "D", 0), (Read{0, 1}));
    }
}

// Three copies starting together on a damaged store: one moves it aside, and all three then
// write to the one fresh store. A copy used to move aside whatever file was at the path,
// possibly another copy's fresh store. A child ends with its write's result.
TEST(StoreConcurrency, ThreeCopiesOnADamagedStoreShareOneFreshStore) {
    for (int round = 0; round < 10; ++round) {
        test::TempStore store;
        fill(store.path(), QByteArray(40000, '\x5a'));
        test::Pipe go;
        pid_t children[3];
        for (int copy = 0; copy < 3; ++copy) {
            children[copy] = test::startChild([&] {
                go.receive(1);
                return put(QString::number(copy), "D", copy);
            });
            ASSERT_GT(children[copy], 0);
        }
        go.send("!!!");
        for (const pid_t child : children)
            EXPECT_EQ(test::waitForChild(child), 0);
        EXPECT_EQ(movedAside(store.folder()).size(), 1) << "only the damaged file is moved";
        for (int copy = 0; copy < 3; ++copy)
            EXPECT_EQ(get(QString::number(copy), "D", -1), (Read{0, copy}));
        if (HasFailure()) {
            ADD_FAILURE() << "round " << round;
            break;
        }
    }
}

TEST(StoreRecovery, MovingAsideNeverReplacesAFile) {
    test::TempStore store;
    const QString first = store.path() + ".corrupt-2026-12-06_08-15-00";
    fill(first, "earlier");
    fill(store.path(), "damaged");
    fill(store.path() + "-wal", "journal");
    EXPECT_EQ(store::moveStoreAside(store.path(), QDateTime(QDate(2026, 12, 6), QTime(8, 15))),
              first + "-2");
    EXPECT_EQ(contents(first), "earlier");
    EXPECT_EQ(contents(first + "-2"), "damaged");
    EXPECT_EQ(contents(first + "-2-wal"), "journal") << "the journal stays with its store";
    EXPECT_FALSE(QFileInfo::exists(store.path()) || QFileInfo::exists(store.path() + "-wal"));
}

// Writes failed silently, and a read-only folder gave no reads either.
TEST(StoreAccess, ReadOnlyStoreReadsButRefusesWritesAndSaysSoOnce) {
    for (const bool readOnlyFolder : {false, true}) {
        SCOPED_TRACE(readOnlyFolder ? "read-only folder" : "read-only file");
        test::TempStore store;
        ASSERT_EQ(put("Kept", "D", 7), 0);
        closeStore();
        ASSERT_EQ(
            ::chmod(QFile::encodeName(store.folder()).constData(), readOnlyFolder ? 0555 : 0777),
            0);
        ASSERT_EQ(
            ::chmod(QFile::encodeName(store.path()).constData(), readOnlyFolder ? 0666 : 0444), 0);
        const QByteArray before = contents(store.path());

        test::Pipe report;
        const pid_t child = test::startChild([&] {
            // Root writes through any mode; check as an ordinary user.
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 10;
            const Read read = get("Kept", "D", 0);
            const bool told = takeStoreNotice().contains("changes will not be saved");
            report.send(QStringLiteral("%1 %2 %3 %4 %5 %6")
                            .arg(read.code)
                            .arg(read.value.toInt())
                            .arg(put("Kept", "D", 8))
                            .arg(DeleteSetting("HKLM", Key, "Kept"))
                            .arg(told)
                            .arg(takeStoreNotice().isEmpty())
                            .toUtf8());
            return 0;
        });
        ASSERT_GT(child, 0);
        ASSERT_EQ(test::waitForChild(child), 0);
        report.closeWriting();
        EXPECT_EQ(report.receive(), "0 7 5 5 1 1") << "reads work, writes fail, told once";
        EXPECT_EQ(contents(store.path()), before);
        EXPECT_TRUE(movedAside(store.folder()).isEmpty()) << "a read-only store is not damaged";
        ASSERT_EQ(::chmod(QFile::encodeName(store.folder()).constData(), 0700), 0);
    }
}

TEST(StoreAccess, StoreThatCannotBeOpenedGivesDefaultsAndOneNotice) {
    test::TempStore store;
    ASSERT_TRUE(QDir().mkpath(store.path())); // a folder where the file should be
    EXPECT_EQ(get("X", "S", "dflt"), (Read{5, "dflt"}));
    EXPECT_EQ(put("X", "S", "v"), 5);
    EXPECT_TRUE(takeStoreNotice().contains(store.path()));
    EXPECT_EQ(takeStoreNotice(), "");
    EXPECT_TRUE(QFileInfo(store.path()).isDir());
}

// Two copies of the program starting at the same moment on a new store: both get to use it.
// A child ends with the result of its write. The moment is narrow, hence the rounds.
TEST(StoreConcurrency, TwoCopiesOpeningANewStoreTogetherBothWrite) {
    for (int round = 0; round < 50; ++round) {
        test::TempStore store;
        test::Pipe go;
        pid_t children[2];
        for (int copy = 0; copy < 2; ++copy) {
            children[copy] = test::startChild([&] {
                go.receive(1);
                return put(QString::number(copy), "D", copy);
            });
            ASSERT_GT(children[copy], 0);
        }
        go.send("!!");
        for (const pid_t child : children)
            EXPECT_EQ(test::waitForChild(child), 0) << "round " << round;
        if (HasFailure())
            break;
    }
}

// Two copies writing at the same moment to a store in use: every write succeeds and lands,
// whether it runs alone or inside a group. A child ends with the result of its first failure.
TEST(StoreConcurrency, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int PerProcess = 2000;
    test::TempStore store;
    ASSERT_EQ(put("in use", "D", 1), 0);
    test::Pipe go;
    pid_t children[2];
    for (int process = 0; process < 2; ++process) {
        children[process] = test::startChild([&] {
            go.receive(1);
            int firstFailure = 0;
            const auto note = [&](int result) {
                firstFailure = firstFailure ? firstFailure : result;
            };
            std::optional<SettingsTransaction> group;
            for (int i = 0; i < PerProcess; ++i) {
                if (process == 1 && i % 100 == 0)
                    group.emplace();
                note(put(QStringLiteral("p%1-%2").arg(process).arg(i), "D", i));
                if (group && i % 100 == 99) {
                    note(group->commit() ? 0 : 1);
                    group.reset();
                }
            }
            return std::min(firstFailure, 255);
        });
        ASSERT_GT(children[process], 0);
    }
    go.send("!!");
    EXPECT_EQ(test::waitForChild(children[0]), 0);
    EXPECT_EQ(test::waitForChild(children[1]), 0);
    EXPECT_EQ(listValues("HKLM", Key).size(), 2 * PerProcess + 1);
    int wrong = 0;
    for (int process = 0; process < 2; ++process)
        for (int i = 0; i < PerProcess; ++i)
            wrong += get(QStringLiteral("p%1-%2").arg(process).arg(i), "D", -1) != Read{0, i};
    EXPECT_EQ(wrong, 0);
}

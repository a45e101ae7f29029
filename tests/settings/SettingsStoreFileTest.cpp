#include "SettingsCalls.h"
#include "support/ScopedEnvironment.h"
#include "support/TempStore.h"

#include "settings/SettingsTransaction.h"
#include "settings/StoreFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Forks a child that runs body and ends with its exit code. The store is closed first, so
// no connection crosses the fork; the child opens its own.
pid_t startChild(const std::function<int()>& body) {
    closeStore();
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    return pid;
}

// How a child started here ended (or stopped, with WUNTRACED): its exit code, or -signal.
int waitForChild(pid_t pid, int options = 0) {
    int status = 0;
    while (::waitpid(pid, &status, options) < 0)
        if (errno != EINTR)
            return -1000;
    if (WIFSTOPPED(status))
        return -WSTOPSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// Puts something at the store's path that is not a store of this program: a store with
// overwritten pages, or a database made by the given SQL. (The concurrency test starts on a
// file that is no database at all.)
void spoil(const QString& path, const QByteArray& how) {
    if (how == "pages") {
        // Each table and index has a page of its own after the first.
        ASSERT_EQ(put("x", "S", "x"), 0);
        closeStore();
        QByteArray bytes = contents(path);
        ASSERT_GT(bytes.size(), 16384);
        for (qsizetype i = 4096; i < bytes.size(); ++i)
            bytes[i] = char(i * 131 % 251);
        fill(path, bytes);
        return;
    }
    ASSERT_EQ(test::runSql(path, how.constData()), SQLITE_OK);
}

} // namespace

TEST(StoreLocation, FoldersAndFileAreMadeForTheUserOnly) {
    test::TempStore store;
    test::ScopedEnvironment environment;
    const QString path = store.folder() + "/one/two/settings.sqlite3";
    environment.set("PATHWICK_STORE", QFile::encodeName(path));
    ASSERT_EQ(WriteSetting("HKCU", "Software", "X", "S", "y"), 0);
    EXPECT_EQ(mode(store.folder() + "/one"), 0700);
    EXPECT_EQ(mode(store.folder() + "/one/two"), 0700);
    EXPECT_EQ(mode(path), 0600);
    EXPECT_EQ(takeStoreNotice(), "");
}

// A database of another layout was reported again on every start instead of moved aside.
TEST(StoreRecovery, UnreadableOrForeignStoreIsMovedAsideKeptAndReportedOnce) {
    for (const QByteArray how :
         {"pages", "CREATE TABLE notes(id INTEGER PRIMARY KEY, body TEXT)",
          "CREATE TABLE setting_keys(id INTEGER PRIMARY KEY); CREATE TABLE setting_values(x)"}) {
        SCOPED_TRACE(how.toStdString());
        test::TempStore store;
        spoil(store.path(), how);
        const QByteArray original = contents(store.path());

        EXPECT_EQ(get("HotKeys_running", "B", -1), (Read{2, -1}));
        EXPECT_EQ(put("HotKeys_running", "B", 0), 0);
        const QStringList moved = movedAside(store.folder());
        ASSERT_EQ(moved.size(), 1);
        EXPECT_EQ(contents(store.folder() + "/" + moved[0]), original) << "not a byte changed";
        const QString notice = takeStoreNotice();
        EXPECT_TRUE(notice.contains(store.path()) && notice.contains(moved[0]))
            << notice.toStdString();
        EXPECT_EQ(takeStoreNotice(), "") << "the user is told once";
        closeStore();
        EXPECT_EQ(get("HotKeys_running", "B", -1), (Read{0, 0}));
        EXPECT_EQ(takeStoreNotice(), "") << "the next start finds its own store";
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

// Three copies starting together, on a new store or a damaged one: each write waits its turn
// and lands in the one fresh store, and only the damaged file is moved aside. A copy used to
// move aside whatever file was at the path, possibly another copy's fresh store. The moment
// is narrow, hence the rounds. A child ends with its write's result.
TEST(StoreConcurrency, CopiesStartingTogetherShareOneStore) {
    for (const bool damaged : {false, true}) {
        for (int round = 0; round < (damaged ? 10 : 40); ++round) {
            test::TempStore store;
            if (damaged)
                fill(store.path(), QByteArray(40000, '\x5a'));
            // The children start writing together, when the test closes the pipe.
            int go[2];
            ASSERT_EQ(::pipe(go), 0);
            pid_t children[3];
            for (int copy = 0; copy < 3; ++copy)
                children[copy] = startChild([&] {
                    char byte;
                    ::close(go[1]);
                    (void)!::read(go[0], &byte, 1);
                    return put(QString::number(copy), "D", copy);
                });
            ::close(go[0]);
            ::close(go[1]);
            for (const pid_t child : children)
                EXPECT_EQ(waitForChild(child), 0);
            EXPECT_EQ(movedAside(store.folder()).size(), damaged ? 1 : 0);
            for (int copy = 0; copy < 3; ++copy)
                EXPECT_EQ(get(QString::number(copy), "D", -1), (Read{0, copy}));
            ASSERT_FALSE(HasFailure())
                << (damaged ? "damaged" : "new") << " store, round " << round;
        }
    }
}

// Writes failed silently, and a read-only folder gave no reads either.
TEST(StoreAccess, ReadOnlyStoreReadsButRefusesWritesAndSaysSoOnce) {
    for (const bool readOnlyFolder : {false, true}) {
        SCOPED_TRACE(readOnlyFolder ? "read-only folder" : "read-only file");
        test::TempStore store;
        ASSERT_EQ(put("Kept", "D", 7), 0);
        closeStore();
        const QByteArray folder = QFile::encodeName(store.folder());
        ASSERT_EQ(::chmod(folder.constData(), readOnlyFolder ? 0555 : 0777), 0);
        ASSERT_EQ(
            ::chmod(QFile::encodeName(store.path()).constData(), readOnlyFolder ? 0666 : 0444), 0);
        const QByteArray before = contents(store.path());

        // Root writes through any mode: the child checks as an ordinary user, and ends with
        // a bit set for each check that failed.
        const pid_t child = startChild([&] {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 64;
            const bool told = takeStoreNotice().contains("changes will not be saved");
            return int(get("Kept", "D", 0) != Read{0, 7}) | int(put("Kept", "D", 8) != 5) << 1 |
                   int(DeleteSetting("HKLM", Key, "Kept") != 5) << 2 | int(!told) << 3 |
                   int(!takeStoreNotice().isEmpty()) << 4;
        });
        EXPECT_EQ(waitForChild(child), 0)
            << "failed: 1 the read, 2 the write's 5, 4 the delete's 5, 8 the notice, 16 told once";
        EXPECT_EQ(contents(store.path()), before);
        EXPECT_TRUE(movedAside(store.folder()).isEmpty()) << "a read-only store is not damaged";
        ASSERT_EQ(::chmod(folder.constData(), 0700), 0);
    }
}

// A group of writes whose process is killed half way, or after the commit, leaves the old
// values or the new ones, never a mixture.
TEST(StoreKill, KilledGroupLeavesTheOldOrTheNewValues) {
    constexpr int Count = 2000;
    test::TempStore store;
    for (const bool committed : {false, true}) {
        SCOPED_TRACE(committed ? "killed after the commit" : "killed half way");
        {
            SettingsTransaction group;
            for (int i = 0; i < Count; ++i)
                ASSERT_EQ(put(QString::number(i), "S", "old"), 0);
            ASSERT_TRUE(group.commit());
        }
        // The child stops itself where it is to be killed.
        const pid_t child = startChild([&] {
            SettingsTransaction group;
            for (int i = 0; i < Count; ++i) {
                if (i == Count / 2 && !committed)
                    ::raise(SIGSTOP);
                put(QString::number(i), "S", "new");
            }
            group.commit();
            ::raise(SIGSTOP);
            return 0;
        });
        ASSERT_EQ(waitForChild(child, WUNTRACED), -SIGSTOP) << "the child ended before the point";
        ::kill(child, SIGKILL);
        EXPECT_EQ(waitForChild(child), -SIGKILL);

        closeStore();
        int others = 0;
        for (int i = 0; i < Count; ++i)
            others += get(QString::number(i), "S").value != (committed ? "new" : "old");
        EXPECT_EQ(others, 0);
    }
}

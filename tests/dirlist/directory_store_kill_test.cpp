#include "dirlist/DirectoryStore.h"
#include "settings/ProgramSettings.h"
#include "settings/StoreLocation.h"
#include "support/TempStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace pathwick {
namespace {

// Set only for the child process that the kill test starts and kills.
constexpr auto SaveLoopVariable = "PATHWICK_TEST_SAVE_LOOP_READY";
constexpr int EntryCount = 10000;

QStringList numberedList(const QString& folder) {
    QStringList list;
    list.reserve(EntryCount);
    for (int i = 0; i < EntryCount; ++i)
        list.append(QStringLiteral("/%1/%2").arg(folder).arg(i, 5, 10, QLatin1Char('0')));
    return list;
}

const QDateTime Moment(QDate(2026, 12, 5), QTime(1, 45, 44));

// The child: saves the two lists by turns until it is killed (or gives up after a minute),
// and tells the parent by a file once the first save is done.
TEST(DirectoryStoreKillChild, SavesTwoListsByTurns) {
    const QString readyFile = qEnvironmentVariable(SaveLoopVariable);
    if (readyFile.isEmpty())
        GTEST_SKIP() << "runs only as the child of the kill test";
    const QStringList lists[] = {numberedList("new"), numberedList("old")};
    const QDeadlineTimer deadline(60000);
    for (int round = 0; !deadline.hasExpired(); ++round) {
        saveStoredEntries(lists[round % 2], Moment);
        if (round == 0)
            QFile(readyFile).open(QIODevice::WriteOnly);
    }
}

TEST(DirectoryStoreKill, KillDuringASaveLeavesTheOldOrTheNewList) {
    test::TempStore store;
    const QStringList oldList = numberedList("old");
    const QStringList newList = numberedList("new");
    ASSERT_TRUE(saveStoredEntries(oldList, Moment));
    closeStore();

    int sawOld = 0;
    int sawNew = 0;
    for (int delay : {0, 23, 61, 137, 251, 409}) {
        const QString readyFile = store.folder() + QStringLiteral("/ready-%1").arg(delay);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(SaveLoopVariable, readyFile);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({"--gtest_filter=DirectoryStoreKillChild.*"});
        child.start();
        ASSERT_TRUE(child.waitForStarted(10000));

        const QDeadlineTimer deadline(60000);
        while (!QFile::exists(readyFile) && !deadline.hasExpired() &&
               child.state() == QProcess::Running)
            QThread::msleep(5);
        const bool ready = QFile::exists(readyFile);
        QThread::msleep(delay);
        child.kill();
        child.waitForFinished(10000);
        ASSERT_TRUE(ready) << "the child never finished its first save";

        closeStore();
        const QStringList entries = storedEntries();
        const bool isOld = entries == oldList;
        const bool isNew = entries == newList;
        EXPECT_TRUE(isOld || isNew)
            << "after " << delay << " ms: " << entries.size() << " entries, neither list";
        EXPECT_FALSE(readText(ProgramKey(), "", "").isEmpty()) << "the save stamp is gone";
        sawOld += isOld;
        sawNew += isNew;
        closeStore();
    }
    RecordProperty("old_lists_seen", sawOld);
    RecordProperty("new_lists_seen", sawNew);
}

} // namespace
} // namespace pathwick

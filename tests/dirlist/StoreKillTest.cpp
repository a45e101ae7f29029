#include "DirListTestSupport.h"

#include "dirlist/ListFile.h"
#include "settings/ProgramSettings.h"
#include "settings/StoreLocation.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

namespace pathwick::test {
namespace {

// Set only for the child process a kill test starts: "save", or the two files to import.
constexpr auto ChildJob = "PATHWICK_TEST_KILL_CHILD";

QStringList numbered(const QString& prefix) {
    QStringList items;
    for (int i = 0; i < 10000; ++i)
        items.append(prefix + QString::number(i));
    return items;
}
const QStringList OldList = numbered("/old/");
const QStringList NewList = numbered("/new/entry/");

// The child: writes the new and the old list by turns until it is killed (or for a minute)
// and says "ready" after each whole write.
TEST(StoreKillChild, WritesTwoListsByTurns) {
    const QString job = qEnvironmentVariable(ChildJob);
    if (job.isEmpty())
        GTEST_SKIP() << "runs only as the child of the kill tests";
    const QStringList files = job.split(u'|');
    for (const QDeadlineTimer deadline(60000); !deadline.hasExpired();) {
        for (int round = 0; round < 2; ++round) {
            if (job == "save")
                saveStoredEntries(round == 0 ? NewList : OldList, Moment);
            else
                importDirectoryList(files.at(round), false, Moment);
            printf("ready\n");
            fflush(stdout);
        }
    }
}

class StoreKillTest : public DirListTest {
protected:
    // Kills the child at several moments of its writes: each time the store holds the old or
    // the new list whole, with its stamp.
    void killWhileWriting(const QString& job) {
        for (int delay : {0, 20, 60, 140, 300}) {
            SCOPED_TRACE(delay);
            closeStore();
            QProcess child;
            QProcessEnvironment childEnvironment = QProcessEnvironment::systemEnvironment();
            childEnvironment.insert(ChildJob, job);
            child.setProcessEnvironment(childEnvironment);
            child.start(QCoreApplication::applicationFilePath(),
                        {"--gtest_filter=StoreKillChild.*"});
            ASSERT_TRUE(child.waitForStarted(10000));
            // The test framework's own lines come first.
            QByteArray output;
            while (!output.contains("ready\n") && child.waitForReadyRead(60000))
                output += child.readAllStandardOutput();
            QThread::msleep(delay);
            child.kill();
            child.waitForFinished(10000);
            ASSERT_TRUE(output.contains("ready\n")) << "the child never finished a write";

            closeStore();
            const QStringList entries = storedEntries();
            EXPECT_TRUE(entries == OldList || entries == NewList)
                << entries.size() << " entries, neither list";
            EXPECT_FALSE(readText(ProgramKey(), "", "").isEmpty()) << "the stamp is gone";
        }
        closeStore();
    }
};

TEST_F(StoreKillTest, KillDuringASaveLeavesTheOldOrTheNewList) {
    store(OldList);
    killWhileWriting("save");
}

TEST_F(StoreKillTest, KillDuringAnImportLeavesTheOldOrTheNewList) {
    store(OldList);
    writeBytes(file("new.dirl"), NewList.join("\r\n").toLatin1());
    writeBytes(file("old.dirl"), OldList.join("\r\n").toLatin1());
    killWhileWriting(file("new.dirl") + u'|' + file("old.dirl"));
}

} // namespace
} // namespace pathwick::test

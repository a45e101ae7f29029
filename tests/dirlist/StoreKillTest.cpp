#include "DirListTestSupport.h"

#include "settings/ProgramSettings.h"
#include "settings/StoreLocation.h"

#include <QDeadlineTimer>
#include <QThread>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pathwick::test {
namespace {

using StoreKillTest = DirListTest;

// A child saves the new and the old list by turns and is killed at several moments of its
// writes: each time the store holds the old or the new list whole, with its stamp. (An import
// rewrites the list through the same call.)
TEST_F(StoreKillTest, KillDuringASaveLeavesTheOldOrTheNewList) {
    QStringList oldList;
    QStringList newList;
    for (int i = 0; i < 10000; ++i) {
        oldList.append("/old/" + QString::number(i));
        newList.append("/new/entry/" + QString::number(i));
    }
    store(oldList);
    for (int delay : {0, 20, 60, 140, 300}) {
        SCOPED_TRACE(delay);
        int saved[2];
        ASSERT_EQ(::pipe(saved), 0);
        closeStore();
        const pid_t child = ::fork();
        if (child == 0) {
            for (const QDeadlineTimer deadline(60000); !deadline.hasExpired();) {
                saveStoredEntries(newList, Moment);
                saveStoredEntries(oldList, Moment);
                (void)!::write(saved[1], "!", 1);
            }
            ::_exit(0);
        }
        ::close(saved[1]);
        char byte = 0;
        const bool ready = ::read(saved[0], &byte, 1) == 1;
        QThread::msleep(delay);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(saved[0]);
        ASSERT_TRUE(ready) << "the child never finished a save";

        closeStore();
        const QStringList entries = storedEntries();
        EXPECT_TRUE(entries == oldList || entries == newList)
            << entries.size() << " entries, neither list";
        EXPECT_FALSE(readText(ProgramKey(), "", "").isEmpty()) << "the stamp is gone";
    }
}

} // namespace
} // namespace pathwick::test

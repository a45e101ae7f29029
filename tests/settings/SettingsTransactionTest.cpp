#include "ChildProcess.h"
#include "SettingsCalls.h"
#include "support/TempStore.h"

#include "settings/SettingsListing.h"
#include "settings/SettingsTransaction.h"

#include <gtest/gtest.h>
#include <signal.h>

using namespace pathwick;
using test::Key;
using test::put;

namespace {

QString value(const QString& name) {
    return test::get(name, "S", "<missing>").value.toString();
}

} // namespace

// A rewrite of 10,000 values in one group, killed at several points, leaves the old values
// or the new ones in the order first written, never a mixture or an empty key.
TEST(SettingsTransaction, KilledRewriteLeavesTheOldOrTheNewValues) {
    constexpr int Count = 10000;
    test::TempStore store;
    {
        SettingsTransaction transaction;
        for (int i = 0; i < Count; ++i)
            ASSERT_EQ(put(QString::number(i), "S", "old"), 0);
        ASSERT_TRUE(transaction.commit());
    }
    enum Stage { AfterDeleting, HalfWritten, AllWritten, WhileCommitting, AfterCommit };
    for (const Stage stage :
         {AfterDeleting, HalfWritten, AllWritten, WhileCommitting, AfterCommit}) {
        SCOPED_TRACE(testing::Message() << "stage " << stage);
        test::Pipe ready;
        const auto reached = [&](Stage point) {
            if (point == stage)
                ready.send("!");
        };
        const pid_t child = test::startChild([&] {
            SettingsTransaction transaction;
            for (const ListedValue& listed : listValues("HKLM", Key))
                DeleteSetting("HKLM", Key, listed.name);
            reached(AfterDeleting);
            for (int i = 0; i < Count; ++i) {
                if (i == Count / 2)
                    reached(HalfWritten);
                put(QString::number(i), "S", "new");
            }
            reached(AllWritten);
            reached(WhileCommitting);
            if (stage != AllWritten)
                transaction.commit();
            reached(AfterCommit);
            ::pause();
            return 0;
        });
        ASSERT_GT(child, 0);
        ready.closeWriting();
        const QByteArray message = ready.receive();
        ::kill(child, SIGKILL);
        EXPECT_EQ(test::waitForChild(child), -SIGKILL);
        ASSERT_EQ(message, "!") << "the child ended before the point";

        closeStore();
        const QList<ListedValue> listed = listValues("HKLM", Key);
        ASSERT_EQ(listed.size(), Count);
        const QString first = value("0");
        int wrong = 0;
        for (int i = 0; i < Count; ++i)
            wrong += listed[i].name != QString::number(i) || value(QString::number(i)) != first;
        EXPECT_EQ(wrong, 0) << "all old or all new, listed in the order first written";
        EXPECT_EQ(first, stage < WhileCommitting ? "old" : stage == AfterCommit ? "new" : first);
    }
}

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

TEST(SettingsTransaction, CommitKeepsAllAnythingElseNoneAndInnerScopesJoinTheOuter) {
    test::TempStore store;
    ASSERT_EQ(put("a", "S", "old"), 0);
    {
        SettingsTransaction transaction;
        EXPECT_EQ(put("a", "S", "new"), 0);
        EXPECT_EQ(put("b", "S", "new"), 0);
        EXPECT_EQ(value("a"), "new") << "the group sees its own writes";
    }
    EXPECT_EQ(value("a"), "old");
    EXPECT_EQ(value("b"), "<missing>");
    {
        SettingsTransaction transaction;
        EXPECT_EQ(put("a", "S", "new"), 0);
        EXPECT_EQ(DeleteSetting("HKLM", Key, "a"), 0);
        EXPECT_EQ(put("a", "S", "newer"), 0);
        EXPECT_TRUE(transaction.commit());
    }
    EXPECT_EQ(value("a"), "newer");
    EXPECT_EQ(put("after", "S", "x"), 0) << "writes after the group are their own again";
    {
        SettingsTransaction transaction;
        EXPECT_EQ(put("closed", "S", "1"), 0);
        closeStore();
        EXPECT_FALSE(transaction.commit());
    }
    EXPECT_EQ(value("closed"), "<missing>");

    // Nested scopes join the outer one, which decides.
    {
        SettingsTransaction outer;
        {
            SettingsTransaction inner;
            EXPECT_EQ(put("inner", "S", "1"), 0);
            EXPECT_TRUE(inner.commit());
        }
        EXPECT_EQ(put("outer", "S", "1"), 0);
    }
    EXPECT_EQ(value("inner"), "<missing>");
    {
        SettingsTransaction outer;
        {
            SettingsTransaction inner;
            EXPECT_EQ(put("inner", "S", "2"), 0);
        }
        EXPECT_NE(put("outer", "S", "2"), 0) << "the group was given up";
        EXPECT_FALSE(outer.commit());
    }
    EXPECT_EQ(value("inner"), "<missing>");
    EXPECT_EQ(value("outer"), "<missing>");
}

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
        int misplaced = 0;
        int same = 0;
        for (int i = 0; i < Count; ++i) {
            misplaced += listed[i].name != QString::number(i);
            same += value(QString::number(i)) == first;
        }
        EXPECT_EQ(misplaced, 0) << "listed in the order first written";
        EXPECT_EQ(same, Count);
        EXPECT_EQ(first, stage < WhileCommitting ? "old" : stage == AfterCommit ? "new" : first);
    }
}

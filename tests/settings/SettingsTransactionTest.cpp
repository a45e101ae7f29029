#include "ChildProcess.h"
#include "support/TempStore.h"

#include "settings/Settings.h"
#include "settings/SettingsListing.h"
#include "settings/SettingsTransaction.h"
#include "settings/StoreLocation.h"

#include <gtest/gtest.h>
#include <signal.h>

using namespace pathwick;

namespace {

const QString Key = QStringLiteral("SOFTWARE\\Pathwick");

int put(const QString& name, const QString& value) {
    return WriteSetting("HKLM", Key, name, "S", value);
}

QString get(const QString& name) {
    QVariant value;
    ReadSetting("HKLM", Key, name, "S", "<missing>", value);
    return value.toString();
}

} // namespace

TEST(SettingsTransaction, CommitKeepsAllAndLeavingWithoutCommitKeepsNone) {
    test::TempStore store;
    ASSERT_EQ(put("a", "old"), 0);
    {
        SettingsTransaction transaction;
        EXPECT_EQ(put("a", "new"), 0);
        EXPECT_EQ(put("b", "new"), 0);
        EXPECT_EQ(get("a"), "new") << "the group sees its own writes";
    }
    EXPECT_EQ(get("a"), "old");
    EXPECT_EQ(get("b"), "<missing>");
    {
        SettingsTransaction transaction;
        EXPECT_EQ(put("a", "new"), 0);
        EXPECT_EQ(DeleteSetting("HKLM", Key, "a"), 0);
        EXPECT_EQ(put("a", "newer"), 0);
        EXPECT_TRUE(transaction.commit());
    }
    EXPECT_EQ(get("a"), "newer");
    EXPECT_EQ(put("after", "x"), 0) << "writes after the group are their own again";
}

TEST(SettingsTransaction, NestedScopesJoinTheOuterOne) {
    test::TempStore store;
    {
        SettingsTransaction outer;
        {
            SettingsTransaction inner;
            EXPECT_EQ(put("inner", "1"), 0);
            EXPECT_TRUE(inner.commit());
        }
        EXPECT_EQ(put("outer", "1"), 0);
    }
    EXPECT_EQ(get("inner"), "<missing>") << "the outer scope decides";
    {
        SettingsTransaction outer;
        {
            SettingsTransaction inner;
            EXPECT_EQ(put("inner", "2"), 0);
        }
        EXPECT_NE(put("outer", "2"), 0) << "the group was given up";
        EXPECT_FALSE(outer.commit());
    }
    EXPECT_EQ(get("inner"), "<missing>");
    EXPECT_EQ(get("outer"), "<missing>");
}

TEST(SettingsTransaction, ClosingTheStoreInsideAGroupUndoesIt) {
    test::TempStore store;
    SettingsTransaction transaction;
    EXPECT_EQ(put("a", "1"), 0);
    closeStore();
    EXPECT_FALSE(transaction.commit());
    EXPECT_EQ(get("a"), "<missing>");
}

// A rewrite of 10,000 values in one group, killed at several points, leaves the old values
// or the new ones, never a mixture or an empty key.
TEST(SettingsTransaction, KilledRewriteLeavesTheOldOrTheNewValues) {
    constexpr int Count = 10000;
    test::TempStore store;
    {
        SettingsTransaction transaction;
        for (int i = 0; i < Count; ++i)
            ASSERT_EQ(put(QString::number(i), "old"), 0);
        ASSERT_TRUE(transaction.commit());
    }
    enum Stage { AfterDeleting, HalfWritten, AllWritten, WhileCommitting, AfterCommit };
    for (const Stage stage :
         {AfterDeleting, HalfWritten, AllWritten, WhileCommitting, AfterCommit}) {
        test::Pipe ready;
        test::Pipe never;
        const pid_t child = test::startChild([&] {
            SettingsTransaction transaction;
            for (const ListedValue& value : listValues("HKLM", Key))
                DeleteSetting("HKLM", Key, value.name);
            if (stage == AfterDeleting)
                ready.send("!");
            for (int i = 0; i < Count; ++i) {
                if (stage == HalfWritten && i == Count / 2)
                    ready.send("!");
                put(QString::number(i), "new");
            }
            if (stage == AllWritten || stage == WhileCommitting)
                ready.send("!");
            if (stage != AllWritten)
                transaction.commit();
            if (stage == AfterCommit)
                ready.send("!");
            never.receive(1);
            return 0;
        });
        ASSERT_GT(child, 0);
        ready.closeWriting();
        ASSERT_EQ(ready.receive(1), "!") << "stage " << stage;
        ::kill(child, SIGKILL);
        EXPECT_EQ(test::waitForChild(child), -SIGKILL);

        closeStore();
        const QList<ListedValue> listed = listValues("HKLM", Key);
        ASSERT_EQ(listed.size(), Count) << "stage " << stage;
        const QString first = get("0");
        int same = 0;
        for (int i = 0; i < Count; ++i)
            same += get(QString::number(i)) == first;
        EXPECT_EQ(same, Count) << "stage " << stage;
        const QString expected = stage < WhileCommitting ? "old"
                                 : stage == AfterCommit  ? "new"
                                                         : first;
        EXPECT_EQ(first, expected) << "stage " << stage;
    }
}

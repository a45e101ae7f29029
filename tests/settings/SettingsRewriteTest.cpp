#include "SettingsCalls.h"
#include "support/TempStore.h"

#include "settings/SettingsListing.h"
#include "settings/SettingsTransaction.h"
#include "settings/StoreLocation.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace pathwick;
using test::get;
using test::Key;
using test::put;
using test::Read;

namespace {

QStringList names() {
    QStringList listed;
    for (const ListedValue& value : listValues("HKLM", Key))
        listed.append(value.name + "=" + value.type);
    return listed;
}

} // namespace

// The fault: a write that failed inside a group was returned without marking it, so the commit
// kept the writes around it, a partial rewrite.
TEST(SettingsRewrite, AFailingWriteInTheMiddleLeavesTheOldSetWhole) {
    test::TempStore store;
    ASSERT_EQ(RewriteSettings("HKLM", Key, RewriteRemoves::Texts,
                              {{"", "S", "old"}, {"/1", "S", ""}, {"/2", "S", ""}}),
              0);
    const QStringList before = names();
    // The store refuses any write of a value named "boom", as a full disk would.
    closeStore();
    ASSERT_EQ(test::runSql(store.path(),
                           "CREATE TRIGGER boom BEFORE INSERT ON setting_values "
                           "WHEN NEW.name = 'boom' BEGIN SELECT RAISE(ABORT, 'injected'); END"),
              SQLITE_OK);

    EXPECT_NE(
        RewriteSettings("HKLM", Key, RewriteRemoves::Texts,
                        {{"", "S", "new"}, {"/a", "S", ""}, {"boom", "S", ""}, {"/z", "S", ""}}),
        0);
    EXPECT_EQ(names(), before);
    EXPECT_EQ(get("", "S"), (Read{0, "old"}));
    {
        SettingsTransaction group;
        EXPECT_EQ(DeleteSetting("HKLM", Key, "/1"), 0);
        EXPECT_NE(put("boom", "S", ""), 0);
        EXPECT_NE(put("/after", "S", ""), 0) << "the group is given up";
        EXPECT_FALSE(group.commit());
    }
    EXPECT_EQ(names(), before);
    // A value that does not convert fails the rewrite before the store is touched.
    EXPECT_EQ(RewriteSettings("HKLM", Key, RewriteRemoves::Texts, {{"/n", "D", "many"}}), 99);
    EXPECT_EQ(names(), before);
}

// Text was bound as UTF-16: SQLite took a leading U+FEFF or U+FFFE for a byte-order mark and
// dropped or byte-swapped it, and a lone surrogate swallowed the next character.
TEST(SettingsRewrite, NamesAndValuesAreStoredExactlyOrRefused) {
    test::TempStore store;
    const QString marks[] = {QString(QChar(0xFEFF)) + "/bom", QString(QChar(0xFFFE)) + "/swap",
                             QString(QChar(0xFEFF))};
    for (const QString& name : marks) {
        ASSERT_EQ(put(name, "S", name), 0);
        EXPECT_EQ(get(name, "S"), (Read{0, name}));
    }
    EXPECT_EQ(names(), QStringList({marks[0] + "=S", marks[1] + "=S", marks[2] + "=S"}));
    // A save replaces every text value, also one whose name the listing shows trimmed.
    ASSERT_EQ(put(" padded ", "S", ""), 0);
    ASSERT_EQ(put("Flag", "B", -1), 0);
    EXPECT_EQ(RewriteSettings("HKLM", Key, RewriteRemoves::Texts, {{"/a", "S", "y"}}), 0);
    EXPECT_EQ(names(), QStringList({"Flag=B", "/a=S"}));

    const QString lone = QString("/a") + QChar(0xD800) + "b";
    EXPECT_EQ(put(lone, "S", "x"), 99);
    EXPECT_EQ(put("/ok", "S", lone), 99);
    EXPECT_EQ(put("/ok", "S", QString(QChar(0xDC00))), 99);
    EXPECT_EQ(RewriteSettings("HKLM", Key, RewriteRemoves::Texts, {{lone, "S", ""}}), 99);
    EXPECT_EQ(DeleteSetting("HKLM", Key, lone), 99);
    EXPECT_EQ(names(), QStringList({"Flag=B", "/a=S"}));
    const QString pair = QString("/") + QChar(0xD83D) + QChar(0xDE00);
    EXPECT_EQ(put(pair, "S", pair), 0) << "a whole surrogate pair is a character";
    EXPECT_EQ(get(pair, "S"), (Read{0, pair}));
}

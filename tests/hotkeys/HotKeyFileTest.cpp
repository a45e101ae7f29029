#include "support/ModalDialogs.h"

#include "hotkeys/HotKeyFile.h"
#include "hotkeys/HotKeyFileCommands.h"
#include "hotkeys/HotKeyStore.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Settings.h"
#include "support/ScopedEnvironment.h"
#include "support/TempStore.h"

#include <QFile>
#include <gtest/gtest.h>

namespace pathwick::hotkeys {
namespace {

const QDateTime Moment(QDate(2026, 12, 5), QTime(2, 18, 17));

class HotKeyFileTest : public ::testing::Test {
protected:
    HotKeyFileTest() {
        environment.set("XDG_DOCUMENTS_DIR", scratch.folder().toUtf8());
        environment.set("HOME", scratch.folder().toUtf8());
    }

    QString file(const QString& name) const { return scratch.folder() + u'/' + name; }
    void writeBytes(const QString& path, const QByteArray& bytes) const {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }
    QByteArray readBytes(const QString& path) const {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // Every value of the table with its type and data, as the store lists them.
    QStringList table() const {
        QStringList out;
        for (const HotKeyRecord& record : storedHotKeyRecords())
            out.append(record.name + u'=' + record.data);
        QString listing;
        ListSettings("HKEY_LOCAL_MACHINE", hotKeysKeyPath(), listing, true);
        out.append(listing);
        QVariant stamp;
        ReadSetting("HKEY_LOCAL_MACHINE", hotKeysKeyPath(), "", "S", "", stamp);
        out.append(stamp.toString());
        return out;
    }
    void storeRecords(const QList<HotKeyRecord>& records) {
        for (const HotKeyRecord& record : records)
            WriteSetting("HKEY_LOCAL_MACHINE", hotKeysKeyPath(), record.name, "S", record.data);
    }

    test::TempStore scratch;
    test::ScopedEnvironment environment;
    platform::fake::FakePlatform fakes;
};

// Windows-1252 while every character fits, else UTF-8; CR LF after every line; the number
// value is left out. A table of other entries is replaced by the file's.
TEST_F(HotKeyFileTest, ExportWritesWindows1252OrUtf8AndImportReplacesTheTable) {
    storeRecords({{"65_Send_Shift", "Hello\r\nBye"}, {"66_Send", "Grüße, café"}});
    WriteSetting("HKEY_LOCAL_MACHINE", hotKeysKeyPath(), "HotKeysDefalutType", "B", 1);
    ASSERT_FALSE(exportHotKeys(file("keys.key"), false, Moment).isError());
    EXPECT_EQ(readBytes(file("keys.key")), "65_Send_Shift=Hello{[\xb9]}Bye\r\n66_Send=Gr\xfc\xdf"
                                           "e, caf\xe9\r\n");

    storeRecords({{"69_Send", "€ 日本 🙂"}});
    ASSERT_FALSE(exportHotKeys(file("u.key"), false, Moment).isError());
    EXPECT_TRUE(readBytes(file("u.key"))
                    .startsWith("\xEF\xBB\xBF" + QString("65_Send_Shift=Hello{[¹]}").toUtf8()));
    storeRecords({{"1_Command", "gone"}});
    ASSERT_FALSE(importHotKeys(file("u.key"), false, Moment).isError());
    EXPECT_EQ(table().mid(0, 3), QStringList({"65_Send_Shift=Hello\r\nBye", "66_Send=Grüße, café",
                                              "69_Send=€ 日本 🙂"}));
    EXPECT_EQ(readHotKeyValue("1_Command"), "");
}

// What a hand-written file holds is imported; a file that cannot be a hot key file changes
// nothing.
TEST_F(HotKeyFileTest, HandWrittenWindows1252LinesImportAndBadFilesChangeNothing) {
    writeBytes(file("hand.txt"),
               "\r\n  65_Send=Gr\xfc\xdf"
               "e{[\xb9]}caf\xe9  \r\n"
               "66_Command\r\n67_Send=a=b\r\n=nameless\r\n\xb9 OS type: \tWindows_NT\r\n"
               "hotkeysdefalutType=0\r\n\xb9HotKeysDefalutType\r\n");
    storeRecords({{"65_Send", "old"}, {"70_Command", "kept"}});
    writeDefaultHotKeyType(HotKeyType::Send);
    ASSERT_FALSE(importHotKeys(file("hand.txt"), true, Moment).isError());
    EXPECT_EQ(readDefaultHotKeyType(), HotKeyType::Send) << "no line replaces the setting";
    EXPECT_EQ(table().mid(0, 4), QStringList({"65_Send=Grüße\r\ncafé", "70_Command=kept",
                                              "66_Command=", "67_Send=a=b"}));

    const QStringList before = table();
    writeBytes(file("empty.key"), "");
    writeBytes(file("control.key"), "66_Send=a\r\n65_Send=a\x01z\r\n");
    for (const char* name : {"empty.key", "control.key", "missing.key"}) {
        EXPECT_TRUE(importHotKeys(file(name), false, Moment).isError()) << name;
        EXPECT_EQ(table(), before) << name;
    }
}

// Alt held keeps the table; a failed export names its error.
TEST_F(HotKeyFileTest, MenuCommandsKeepWithAltAndReportErrors) {
    writeBytes(file("chosen.key"), "65_Send=Hello\r\n");
    test::ModalAnswers answers;
    answers.choose(file("chosen.key"));
    fakes.keys->down.insert(18);
    storeRecords({{"66_Send", "kept"}});
    importHotKeysInteractive(nullptr);
    EXPECT_EQ(readHotKeyValue("66_Send"), "kept");

    answers.press(QMessageBox::Ok);
    EXPECT_FALSE(HotKeysFile(file("nowhere/x.key"), true, true, false));
    EXPECT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.unexpected(), 0);
}

} // namespace
} // namespace pathwick::hotkeys

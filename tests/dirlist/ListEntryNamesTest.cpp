#include "DirListTestSupport.h"
#include "support/ModalDialogs.h"
#include "support/QtPrinting.h"

#include "common/MainWindowHost.h"
#include "dirlist/DirectoryListEditor.h"
#include "dirlist/ListFile.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"

#include <QComboBox>
#include <QLineEdit>

namespace pathwick::test {
namespace {

// The list shares the program's key with its settings; an entry named like one replaced it.
class ListEntryNamesTest : public DirListTest {
protected:
    ListEntryNamesTest() {
        write(catalogue::ShowHiddenMenu, true);
        write(catalogue::HotKeysRunning, false);
        write(catalogue::UserShutdownTimeHours, 77);
    }

    // Every value of the key that is not text, as "name letter value".
    static QStringList settings() {
        QStringList out;
        for (const ListedValue& listed : listValues(MachineRoot, ProgramKey())) {
            QVariant value;
            ReadSetting(MachineRoot, ProgramKey(), listed.name, listed.type, {}, value);
            if (listed.type != "S")
                out.append(listed.name + u' ' + listed.type + u' ' + value.toString());
        }
        return out;
    }
};

TEST_F(ListEntryNamesTest, NoSaveOrImportReplacesASetting) {
    const QStringList before = settings();
    ASSERT_EQ(before.size(), 3);
    const QString file = folders.home() + "/list.dirl";
    for (const QString name :
         {"showhiddenmenu", "  HOTKEYS_RUNNING ", "UserShutdownTimeHours", "BeepAtLastMinute"}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(listEntryRefusal(name).isEmpty());
        store({"/a", name, "/b"});
        EXPECT_EQ(storedEntries(), QStringList({"/a", "/b"}));
        EXPECT_EQ(settings(), before);

        writeBytes(file, "/c\r\n" + name.toUtf8() + "\r\n");
        const RecordFileError error = importDirectoryList(file, true, Moment);
        EXPECT_EQ(error.number, RecordErrorNumber::InvalidFormat);
        EXPECT_TRUE(error.description.contains(name.trimmed()));
        EXPECT_EQ(storedEntries(), QStringList({"/a", "/b"}));
        EXPECT_EQ(settings(), before);
    }
    EXPECT_EQ(listEntryRefusal("ShutdownReboot"),
              "\"ShutdownReboot\" is the name of one of Pathwick's own settings, which a list "
              "entry cannot have.");
    EXPECT_EQ(listEntryRefusal("ShowHiddenMenu2"), "");
}

// Header lines are kept as number values named after their letters and digits, every other
// character the marker, so "¹a" names both the header line "¹a" and the entry line "¹¹a".
TEST_F(ListEntryNamesTest, NoHeaderValueReplacesAnEntry) {
    const QString file = folders.home() + "/list.dirl";
    store({"\u00b9b"});
    writeBytes(file, "\xb9\xb9"
                     "a\r\n\xb9"
                     "a\r\n\xb9"
                     "B\r\n");
    ASSERT_FALSE(importDirectoryList(file, true, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({"\u00b9b", "\u00b9a"}));
}

// A store where an entry once replaced a setting: that value is no entry.
TEST_F(ListEntryNamesTest, ASettingNameStoredAsTextIsNoEntry) {
    store({"/a"});
    WriteSetting(MachineRoot, ProgramKey(), "SHOWHIDDENMENU", "S", "from an older save");
    EXPECT_EQ(storedEntries(), QStringList{"/a"});
}

class NoHost : public MainWindowHost {
public:
    QString GetCommand() const override { return {}; }
    void SetDoItFlag(bool) override {}
    void TestMode_valueSet(bool) override {}
    bool TestModeValue_valueGet() const override { return false; }
    bool hiddenMenuVisible() const override { return false; }
    void setHiddenMenuVisible(bool) override {}
};

TEST_F(ListEntryNamesTest, TheEditorRefusesASettingNameWhereItIsAdded) {
    store({"/a"});
    NoHost host;
    DirectoryListEditor window(host, nullptr);
    window.show();
    ModalAnswers answers;
    answers.press(QMessageBox::Ok).press(QMessageBox::Ok);
    window.findChild<QLineEdit*>("txt_PathEdit")->setText("UserShutdownTimeMinutes");
    QMetaObject::invokeMethod(&window, "com_Add_Click");
    window.findChild<QComboBox*>("combo_RegStored")->setCurrentIndex(0);
    QMetaObject::invokeMethod(&window, "com_Update_Click");
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen()[1].text, listEntryRefusal("UserShutdownTimeMinutes"));
    EXPECT_EQ(window.findChild<QComboBox*>("combo_RegStored")->count(), 1);
    EXPECT_EQ(window.findChild<QComboBox*>("combo_RegStored")->itemText(0), "/a");
}

} // namespace
} // namespace pathwick::test

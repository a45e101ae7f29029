#include "DirListTestSupport.h"
#include "support/ModalDialogs.h"

#include "common/MainWindowHost.h"
#include "dirlist/DirectoryListEditor.h"
#include "dirlist/ListFile.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"

#include <QComboBox>

namespace pathwick::test {
namespace {

// The list shares the program's key with its settings; an entry named like one replaced it,
// and the next save deleted it.
class ListEntryNamesTest : public DirListTest {
protected:
    ListEntryNamesTest() {
        write(catalogue::HotKeysRunning, false);
        write(catalogue::UserShutdownTimeHours, 77);
    }
    static bool settingsKept() {
        return !read(catalogue::HotKeysRunning) && read(catalogue::UserShutdownTimeHours) == 77;
    }
    const QString file = folders.home() + "/list.dirl";
};

TEST_F(ListEntryNamesTest, NoEntryReplacesASettingOrShowsOne) {
    for (const char* name : {"hotkeys_running", "  USERSHUTDOWNTIMEHOURS "}) {
        store({"/a", name});
        EXPECT_TRUE(settingsKept()) << name;
        writeBytes(file, "/c\r\n" + QByteArray(name) + "\r\n");
        const RecordFileError error = importDirectoryList(file, true, Moment);
        EXPECT_TRUE(error.description.contains(QString(name).trimmed())) << name;
        EXPECT_TRUE(settingsKept()) << name;
    }
    WriteSetting(MachineRoot, ProgramKey(), "ShowHiddenMenu", "S", "from an older save");
    EXPECT_EQ(storedEntries(), QStringList{"/a"});
    EXPECT_EQ(listEntryRefusal("showHiddenMenu2"), "");
}

// A header line is kept as a number value named after its letters and digits, every other
// character the marker: "¹a" names both the header line "¹a" and the entry line "¹¹a".
TEST_F(ListEntryNamesTest, NoHeaderValueReplacesAnEntry) {
    store({"\u00b9b"});
    writeBytes(file, "\xb9\xb9"
                     "a\r\n\xb9"
                     "a\r\n\xb9"
                     "B\r\n");
    ASSERT_FALSE(importDirectoryList(file, true, Moment).isError());
    EXPECT_EQ(storedEntries(), QStringList({"\u00b9b", "\u00b9a"}));
}

class NoHost : public MainWindowHost {
    QString GetCommand() const override { return {}; }
    void SetDoItFlag(bool) override {}
    void TestMode_valueSet(bool) override {}
    bool TestModeValue_valueGet() const override { return false; }
    bool hiddenMenuVisible() const override { return false; }
    void setHiddenMenuVisible(bool) override {}
};

TEST_F(ListEntryNamesTest, TheEditorRefusesASettingNameWhereItIsAdded) {
    NoHost host;
    DirectoryListEditor window(host, nullptr);
    ModalAnswers answers;
    answers.press(QMessageBox::Ok);
    window.findChild<QLineEdit*>("txt_PathEdit")->setText("ShutdownReboot");
    QMetaObject::invokeMethod(&window, "com_Add_Click");
    EXPECT_EQ(answers.seen().value(0).text, "\"ShutdownReboot\" is the name of one of Pathwick's "
                                            "own settings, which a list entry cannot have.");
    EXPECT_EQ(window.findChild<QComboBox*>("combo_RegStored")->count(), 0);
}

} // namespace
} // namespace pathwick::test

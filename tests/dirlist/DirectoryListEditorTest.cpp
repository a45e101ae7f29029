#include "DirListTestSupport.h"
#include "support/ModalDialogs.h"

#include "common/MainWindowHost.h"
#include "common/RecordFile.h"
#include "dirlist/DirectoryListEditor.h"
#include "settings/ProgramSettings.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace pathwick::test {
namespace {

class FakeHost : public MainWindowHost {
public:
    QString GetCommand() const override { return command; }
    void SetDoItFlag(bool newValue) override { doIt = newValue; }
    void TestMode_valueSet(bool newValue) override { testMode = newValue; }
    bool TestModeValue_valueGet() const override { return testMode; }
    bool hiddenMenuVisible() const override { return hiddenMenu; }
    void setHiddenMenuVisible(bool visible) override { hiddenMenu = visible; }

    QString command;
    bool doIt = false;
    bool testMode = false;
    bool hiddenMenu = false;
};

QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out.append(combo->itemText(i));
    return out;
}

// The folders Work and Other and the file notes.txt lie in the test's home.
class DirectoryListEditorTest : public DirListTest {
protected:
    DirectoryListEditorTest() {
        QDir().mkpath(dir("Work"));
        QDir().mkpath(dir("Other"));
        QFile(dir("notes.txt")).open(QIODevice::WriteOnly);
    }

    // Stores list, opens the editor the way the main window does, and lets it activate.
    DirectoryListEditor& open(const QStringList& list) {
        store(list);
        window = std::make_unique<DirectoryListEditor>(host, nullptr);
        window->move(200, 200);
        window->show();
        return *window;
    }
    QString dir(const char* name) const { return folders.home() + u'/' + QLatin1String(name); }

    QComboBox* combo() const { return window->findChild<QComboBox*>("combo_RegStored"); }
    QLineEdit* edit() const { return window->findChild<QLineEdit*>("txt_PathEdit"); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    // Runs a handler also while the edit rules have its button disabled, as a key can.
    void run(const char* handler, const QString& text) const {
        edit()->setText(text);
        QMetaObject::invokeMethod(window.get(), handler);
    }
    // Whether the window took the drag of these paths (or of a text); then it is dropped.
    bool drop(const QStringList& paths, const QString& text = {}) const {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        if (!urls.isEmpty())
            data.setUrls(urls);
        data.setText(text);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QApplication::sendEvent(window.get(), &event);
        return enter.isAccepted();
    }

    FakeHost host;
    std::unique_ptr<DirectoryListEditor> window;
    ModalAnswers answers;
    const QList<SeenModal>& seen = answers.seen();
};

// The command line's folder is offered; Enter closes nothing; Save stores and sets the flag.
TEST_F(DirectoryListEditorTest, OpeningOffersTheCommandLinePathAndSaveStoresTheList) {
    host.command = "  \"" + dir("Work") + "/\"  ";
    DirectoryListEditor& w = open({"/a", "  ", "/b"});
    EXPECT_EQ(items(combo()), QStringList({"/a", "/b", dir("Work")}));
    EXPECT_EQ(edit()->text(), dir("Work"));
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_TRUE(w.isVisible());
    button("com_ResetValues")->click();
    EXPECT_EQ(items(combo()), QStringList({"/a", "/b"}));

    combo()->addItem("/c");
    button("com_SaveValues")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(host.doIt);
    EXPECT_EQ(storedEntries(), QStringList({"/a", "/b", "/c"}));
}

TEST_F(DirectoryListEditorTest, ButtonsFollowTheEditTextAndCheckAndOpenReport) {
    open({dir("Work")});
    const auto enabled = [&] {
        return QList<bool>({button("com_CheckPath")->isEnabled(), button("com_Add")->isEnabled(),
                            button("com_OpenDir")->isEnabled(), button("com_Update")->isEnabled()});
    };
    // Check, Add, Open, Update.
    EXPECT_EQ(enabled(), QList<bool>({true, false, true, false}));
    answers.press(QMessageBox::Ok).press(QMessageBox::Ok).press(QMessageBox::Ok);
    button("com_CheckPath")->click();
    EXPECT_EQ(seen.value(0).text, "Valid normal directory, can open.\r\n\r\nDirectory; Work");
    button("com_OpenDir")->click();
    EXPECT_EQ(fakes.shell->targets(), QStringList({dir("Work")}));

    edit()->setText(dir("notes.txt"));
    EXPECT_EQ(enabled(), QList<bool>({true, true, false, false}));
    QMetaObject::invokeMethod(window.get(), "tim_CheckComboList_Timer");
    EXPECT_EQ(enabled(), QList<bool>({true, true, false, true}));
    run("com_CheckPath_Click", dir("notes.txt"));
    run("com_OpenDir_Click", dir("notes.txt"));
    EXPECT_EQ(fakes.shell->calls.size(), 1);
    // Line breaks typed or pasted go at once.
    edit()->setText(" \r\n ");
    EXPECT_EQ(edit()->text(), "  ");
    EXPECT_EQ(enabled(), QList<bool>({false, false, false, true}));
    EXPECT_EQ(answers.unexpected(), 0);
}

TEST_F(DirectoryListEditorTest, AddAsksAboutDuplicatesAndMissingPaths) {
    open({dir("Work")});
    // Another letter case is a duplicate; OK adds it, and as it does not exist Yes is asked.
    answers.press(QMessageBox::Ok).press(QMessageBox::Yes);
    run("com_Add_Click", "  " + dir("Work").toUpper());
    EXPECT_EQ(seen.value(0).text, "This path already exists.\r\n\r\nDo you want to open more "
                                  "than one directory window\r\nfor; WORK");
    EXPECT_EQ(seen.value(0).defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(seen.value(1).defaultButton, QMessageBox::No);
    EXPECT_EQ(items(combo()), QStringList({dir("Work"), dir("Work").toUpper()}));
    EXPECT_EQ(combo()->currentIndex(), 1);

    // Cancel and No add nothing, nor does an empty text.
    answers.press(QMessageBox::Cancel).press(QMessageBox::No).press(QMessageBox::Ok);
    run("com_Add_Click", dir("Work"));
    run("com_Add_Click", "/no/such/place");
    run("com_Add_Click", "  ");
    EXPECT_EQ(combo()->count(), 2);
    EXPECT_EQ(answers.unexpected(), 0);
}

// Such entries were stored and exported, and the import then read other entries back; a
// setting's name replaced that setting.
TEST_F(DirectoryListEditorTest, EntriesTheListCouldNotCarryAreRefusedWhereAdded) {
    open({"/a"});
    answers.press(QMessageBox::Ok).press(QMessageBox::Ok).press(QMessageBox::Ok);
    answers.press(QMessageBox::Ok);
    run("com_Add_Click", "/b\x01");
    run("com_Update_Click", "/" + QString(MaxRecordLineLength, u'x'));
    ASSERT_TRUE(QDir().mkpath(dir("two\nlines")));
    drop({dir("two\nlines")});
    run("com_Add_Click", " ShutdownReboot");
    ASSERT_EQ(seen.size(), 4);
    EXPECT_TRUE(seen[0].text.contains("(code 1)"));
    EXPECT_TRUE(seen[1].text.contains("16,383"));
    EXPECT_TRUE(seen[2].text.contains("(code 10)"));
    EXPECT_EQ(seen[3].text, "\"ShutdownReboot\" is the name of one of Pathwick's own settings, "
                            "which a list entry cannot have.");
    EXPECT_EQ(items(combo()), QStringList({"/a"}));
}

TEST_F(DirectoryListEditorTest, UpdateRemovesOrReplacesTheSelectedEntry) {
    open({"/a", dir("Work"), "/c"});
    combo()->setCurrentIndex(1);
    answers.press(QMessageBox::Ok).press(QMessageBox::Cancel).press(QMessageBox::Ok);
    run("com_Update_Click", " " + dir("Other") + " ");
    EXPECT_EQ(items(combo()), QStringList({"/a", dir("Other"), "/c"}));
    EXPECT_EQ(combo()->currentIndex(), 1);
    EXPECT_EQ(seen.value(0).text, "Directory record updated.\r\n\r\nFrom:\r\n" + dir("Work") +
                                      "\r\nTo:\r\n" + dir("Other") + "\r\n\r\nList index; 1");

    // A path that is not a directory asks first; Cancel keeps the entry.
    run("com_Update_Click", "/no/such");
    EXPECT_EQ(combo()->itemText(1), dir("Other"));

    // An empty text removes the entry and selects the first one.
    run("com_Update_Click", "");
    EXPECT_EQ(items(combo()), QStringList({"/a", "/c"}));
    EXPECT_EQ(combo()->currentIndex(), 0);
    EXPECT_EQ(answers.unexpected(), 0);
}

// Which drops are refused, and why, is the drop rule's; here the window asks it once for all.
TEST_F(DirectoryListEditorTest, DropsTakeOneFolderOnly) {
    open({"/a"});
    answers.press(QMessageBox::Ok);
    EXPECT_TRUE(drop({dir("Work"), dir("Other")}));
    EXPECT_EQ(seen.size(), 1);
    EXPECT_FALSE(drop({}, "/a/b"));
    EXPECT_TRUE(drop({dir("Work")}));
    EXPECT_EQ(items(combo()), QStringList({"/a", dir("Work")}));
    EXPECT_EQ(answers.unexpected(), 0);
}

// The first Escape on the open drop-down list closes the list only.
TEST_F(DirectoryListEditorTest, EscapePauseAndCloseLeaveTheStoreUnchanged) {
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        DirectoryListEditor& w = open({"/a"});
        combo()->addItem("/b");
        if (way == 0) {
            combo()->showPopup();
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr);
            QTest::keyClick(popup->focusWidget() != nullptr ? popup->focusWidget() : popup,
                            Qt::Key_Escape);
            EXPECT_FALSE(popup->isVisible());
            EXPECT_TRUE(w.isVisible());
            QTest::keyClick(edit(), Qt::Key_Escape);
        } else if (way == 1) {
            QTest::keyClick(combo(), Qt::Key_Pause);
        } else {
            button("com_Abort")->click();
        }
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_EQ(storedEntries(), QStringList({"/a"}));
        EXPECT_FALSE(host.doIt);
    }
}

TEST_F(DirectoryListEditorTest, HiddenMenuOnShiftCtrlRightClickInvertsTheStoredFlag) {
    DirectoryListEditor& w = open({"/a"});
    QMenu* menu = w.findChild<QMenu*>("menu_HiddenInOptions");
    QTest::mouseClick(&w, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(&w, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_TRUE(menu->isVisible());
    menu->hide();
    w.findChild<QAction*>("menu_Hidden_ShowHiddenMenu")->trigger();
    EXPECT_TRUE(readBool(ProgramKey(), "ShowHiddenMenu", false));
    EXPECT_TRUE(host.hiddenMenu);
}

} // namespace
} // namespace pathwick::test

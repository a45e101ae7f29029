#include "DirListTestSupport.h"
#include "support/ModalDialogs.h"

#include "common/MainWindowHost.h"
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
    void TestMode_valueSet(bool) override {}
    bool TestModeValue_valueGet() const override { return false; }
    bool hiddenMenuVisible() const override { return hiddenMenu; }
    void setHiddenMenuVisible(bool visible) override { hiddenMenu = visible; }

    QString command;
    bool doIt = false;
    bool hiddenMenu = false;
};

// The folders Work and Other and the file notes.txt lie in the test's home.
class DirectoryListEditorTest : public DirListTest {
protected:
    DirectoryListEditorTest() {
        QDir().mkpath(dir("Work"));
        QDir().mkpath(dir("Other"));
        QFile(dir("notes.txt")).open(QIODevice::WriteOnly);
    }

    // Stores list and opens the editor the way the main window does.
    DirectoryListEditor& open(const QStringList& list) {
        store(list);
        window = std::make_unique<DirectoryListEditor>(host, nullptr);
        window->show();
        return *window;
    }
    QString dir(const char* name) const { return folders.home() + u'/' + QLatin1String(name); }

    QComboBox* combo() const { return window->findChild<QComboBox*>("combo_RegStored"); }
    QStringList items() const {
        QStringList out;
        for (int i = 0; i < combo()->count(); ++i)
            out.append(combo()->itemText(i));
        return out;
    }
    QLineEdit* edit() const { return window->findChild<QLineEdit*>("txt_PathEdit"); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    // Runs a handler also while the edit rules have its button disabled, as a key can.
    void run(const char* handler, const QString& text) const {
        edit()->setText(text);
        QMetaObject::invokeMethod(window.get(), handler);
    }
    // Whether the window took the drag of these paths; then they are dropped.
    bool drop(const QStringList& paths) const {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data.setUrls(urls);
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
    EXPECT_EQ(items(), QStringList({"/a", "/b", dir("Work")}));
    EXPECT_EQ(edit()->text(), dir("Work"));
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_TRUE(w.isVisible());
    button("com_ResetValues")->click();
    EXPECT_EQ(items(), QStringList({"/a", "/b"}));

    // Shift+Ctrl and the right button open the hidden menu, which inverts the stored flag.
    QMenu* menu = w.findChild<QMenu*>("menu_HiddenInOptions");
    QTest::mouseClick(&w, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(&w, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    w.findChild<QAction*>("menu_Hidden_ShowHiddenMenu")->trigger();
    EXPECT_TRUE(readBool(ProgramKey(), "ShowHiddenMenu", false));
    EXPECT_TRUE(host.hiddenMenu);

    combo()->addItem("/c");
    button("com_SaveValues")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(host.doIt);
    EXPECT_EQ(storedEntries(), QStringList({"/a", "/b", "/c"}));
}

// The buttons follow the edit text. Another letter case is a duplicate, asked about; a path
// that is no directory is asked about (Enter must not add either); a setting's name is
// refused. Update replaces or removes.
TEST_F(DirectoryListEditorTest, ButtonsFollowTheTextAndAddAndUpdateAskWhatTheyMust) {
    open({dir("Work")});
    const auto enabled = [&] {
        return QList<bool>({button("com_CheckPath")->isEnabled(), button("com_Add")->isEnabled(),
                            button("com_OpenDir")->isEnabled(), button("com_Update")->isEnabled()});
    };
    // Check, Add, Open, Update.
    EXPECT_EQ(enabled(), QList<bool>({true, false, true, false}));
    answers.press(QMessageBox::Ok);
    button("com_CheckPath")->click();
    EXPECT_EQ(seen.value(0).text, "Valid normal directory, can open.\r\n\r\nDirectory; Work");
    button("com_OpenDir")->click();
    EXPECT_EQ(fakes.shell->targets(), QStringList({dir("Work")}));
    edit()->setText(dir("notes.txt"));
    EXPECT_EQ(enabled(), QList<bool>({true, true, false, false}));
    QMetaObject::invokeMethod(window.get(), "tim_CheckComboList_Timer");
    EXPECT_EQ(enabled(), QList<bool>({true, true, false, true}));

    answers.press(QMessageBox::Ok).press(QMessageBox::Yes);
    run("com_Add_Click", "  " + dir("Work").toUpper());
    EXPECT_EQ(seen.value(1).text, "This path already exists.\r\n\r\nDo you want to open more "
                                  "than one directory window\r\nfor; WORK");
    EXPECT_EQ(seen.value(1).defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(seen.value(2).defaultButton, QMessageBox::No);
    EXPECT_EQ(items(), QStringList({dir("Work"), dir("Work").toUpper()}));
    EXPECT_EQ(combo()->currentIndex(), 1);

    answers.press(QMessageBox::Cancel).press(QMessageBox::No).press(QMessageBox::Ok);
    run("com_Add_Click", dir("Work"));
    run("com_Add_Click", "/no/such/place");
    run("com_Add_Click", " ShutdownReboot");
    ASSERT_EQ(seen.size(), 6);
    EXPECT_EQ(seen[5].text, "\"ShutdownReboot\" is the name of one of Pathwick's own settings, "
                            "which a list entry cannot have.");
    EXPECT_EQ(combo()->count(), 2);

    answers.press(QMessageBox::Ok).press(QMessageBox::Cancel).press(QMessageBox::Ok);
    run("com_Update_Click", " " + dir("Other") + " ");
    EXPECT_EQ(seen.value(6).text, "Directory record updated.\r\n\r\nFrom:\r\n" +
                                      dir("Work").toUpper() + "\r\nTo:\r\n" + dir("Other") +
                                      "\r\n\r\nList index; 1");
    run("com_Update_Click", "/no/such");
    run("com_Update_Click", "");
    EXPECT_EQ(items(), QStringList({dir("Work")}));
    EXPECT_EQ(answers.unexpected(), 0);
}

// Which drops are refused, and why, is the drop rule's; here the window asks it once for all,
// and refuses a folder whose name the list file could not carry.
TEST_F(DirectoryListEditorTest, DropsTakeOneFolderOnly) {
    open({"/a"});
    ASSERT_TRUE(QDir().mkpath(dir("two\nlines")));
    answers.press(QMessageBox::Ok).press(QMessageBox::Ok);
    EXPECT_TRUE(drop({dir("Work"), dir("Other")}));
    EXPECT_TRUE(drop({dir("two\nlines")}));
    EXPECT_EQ(seen.size(), 2);
    EXPECT_TRUE(drop({dir("Work")}));
    EXPECT_EQ(items(), QStringList({"/a", dir("Work")}));
    EXPECT_EQ(answers.unexpected(), 0);
}

// The first Escape on the open drop-down list closes the list only; Pause closes the editor
// from any control, and nothing is saved.
TEST_F(DirectoryListEditorTest, EscapeOnTheDropDownClosesItOnlyAndPauseClosesUnsaved) {
    DirectoryListEditor& w = open({"/a"});
    combo()->addItem("/b");
    combo()->showPopup();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup->focusWidget() != nullptr ? popup->focusWidget() : popup, Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(w.isVisible());
    QTest::keyClick(combo(), Qt::Key_Pause);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(storedEntries(), QStringList({"/a"}));
    EXPECT_FALSE(host.doIt);
}

} // namespace
} // namespace pathwick::test

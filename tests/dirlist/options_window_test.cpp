#include "dirlist/DirectoryStore.h"
#include "dirlist/OptionsDeveloperAids.h"
#include "dirlist/frm_Options.h"
#include "modal_answers.h"

#include "common/MainWindowHost.h"
#include "common/Twips.h"
#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsListing.h"
#include "support/TempStore.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

using namespace pathwick;
using test::ModalAnswers;

namespace {

const QDateTime Moment(QDate(2026, 12, 5), QTime(2, 18, 17));

class FakeHost : public MainWindowHost {
public:
    QWidget* hostWidget() override { return nullptr; }
    QString GetCommand() const override { return command; }
    void SetDoItFlag(bool newValue) override { doIt = newValue; }
    bool GetDoItFlag() const override { return doIt; }
    void TestMode_valueSet(bool newValue) override { testMode = newValue; }
    bool TestModeValue_valueGet() const override { return testMode; }
    bool hiddenMenuVisible() const override { return hiddenMenu; }
    void setHiddenMenuVisible(bool visible) override { hiddenMenu = visible; }
    void refillDisplayInfo() override {}

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

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(folders.path()).mkpath(QStringLiteral("Work")));
        ASSERT_TRUE(QDir(folders.path()).mkpath(QStringLiteral("Other")));
        QFile file(folders.filePath(QStringLiteral("notes.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    // Stores list, opens the editor the way the main window does, and lets it activate.
    frm_Options& open(const QStringList& list) {
        EXPECT_TRUE(saveStoredEntries(list, Moment));
        window = std::make_unique<frm_Options>(host, nullptr);
        window->move(200, 200);
        window->show();
        return *window;
    }

    QString dir(const char* name) const { return folders.filePath(QString::fromLatin1(name)); }

    test::TempStore store;
    platform::fake::FakePlatform fakes;
    FakeHost host;
    QTemporaryDir folders;
    std::unique_ptr<frm_Options> window;
};

} // namespace

TEST_F(OptionsWindowTest, ControlsMenuAndTimerAsDesigned) {
    frm_Options& w = open({});
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Pathwick Options:"));
    const QList<std::pair<const char*, const char*>> buttons = {
        {"com_CheckPath", "&Check directory path"},
        {"com_OpenDir", "&Open directory"},
        {"com_Add", "&Add path"},
        {"com_Update", "&Update path"},
        {"com_ResetValues", "&Reload values, keep window open"},
        {"com_SaveValues", "&Save valies and close window"},
        {"com_Abort", "&Close window, don't update values"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = w.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), QString::fromLatin1(caption));
    }
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lab_CanDragDrop"))->text(),
              QStringLiteral("You can also add a directory, by draging it here."));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lab_HowToDel"))->text(),
              QStringLiteral("To delete record, delete all text and click on &Update path."));
    EXPECT_NE(w.findChild<QWidget*>(QStringLiteral("fra_MainFrame")), nullptr);
    EXPECT_NE(w.findChild<QLineEdit*>(QStringLiteral("txt_PathEdit")), nullptr);
    EXPECT_NE(w.findChild<QComboBox*>(QStringLiteral("combo_RegStored")), nullptr);
    EXPECT_TRUE(w.tim_CheckComboList->isActive());
    EXPECT_EQ(w.tim_CheckComboList->interval(), 1000);

    const QList<QAction*> actions = w.menu_HiddenInOptions->actions();
    ASSERT_EQ(actions.size(), 7);
    const QStringList captions = {QStringLiteral("Show &hidden menu"),
                                  QStringLiteral("Test mode (Display hotkey msg)"),
                                  QString(),
                                  QStringLiteral("Set my default Pathwick values"),
                                  QStringLiteral("Set my small Pathwick values"),
                                  QStringLiteral("Show Pathwick combo list"),
                                  QStringLiteral("Show Pathwick registery values")};
    for (int i = 0; i < actions.size(); ++i)
        EXPECT_EQ(actions.at(i)->text(), captions.at(i));
    EXPECT_TRUE(actions.at(2)->isSeparator());
    EXPECT_EQ(w.menu_HiddenInOptions->defaultAction(), w.menu_TEMP_SetMyValues);
}

TEST_F(OptionsWindowTest, OpeningLoadsTheListAndOffersTheCommandLinePath) {
    host.command = QStringLiteral("  \"") + dir("Work") + QStringLiteral("/\"  ");
    frm_Options& w = open({QStringLiteral("/a"), QStringLiteral("  "), QStringLiteral("/b")});
    EXPECT_EQ(items(w.combo_RegStored),
              QStringList({QStringLiteral("/a"), QStringLiteral("/b"), dir("Work")}));
    EXPECT_EQ(w.combo_RegStored->currentIndex(), 2);
    EXPECT_EQ(w.txt_PathEdit->text(), dir("Work"));
    // Offered, not stored.
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("/a"), QStringLiteral("/b")}));

    // Choosing an entry puts it in the text box; reload brings back the stored list.
    w.combo_RegStored->setCurrentIndex(0);
    EXPECT_EQ(w.txt_PathEdit->text(), QStringLiteral("/a"));
    w.com_ResetValues->click();
    EXPECT_EQ(items(w.combo_RegStored), QStringList({QStringLiteral("/a"), QStringLiteral("/b")}));
}

TEST_F(OptionsWindowTest, EnterAndLineBreaksLeaveTheTextAndCaret) {
    frm_Options& w = open({});
    ModalAnswers answers;
    w.txt_PathEdit->setText(QStringLiteral("C:\\Work"));
    w.txt_PathEdit->setCursorPosition(7);
    QTest::keyClick(w.txt_PathEdit, Qt::Key_Return);
    QTest::keyClick(w.txt_PathEdit, Qt::Key_Enter);
    EXPECT_EQ(w.txt_PathEdit->text(), QStringLiteral("C:\\Work"));
    EXPECT_EQ(w.txt_PathEdit->cursorPosition(), 7);
    EXPECT_TRUE(w.isVisible());

    w.txt_PathEdit->insert(QStringLiteral("\r\n"));
    EXPECT_EQ(w.txt_PathEdit->text(), QStringLiteral("C:\\Work"));
    EXPECT_EQ(w.txt_PathEdit->cursorPosition(), 7);
    w.txt_PathEdit->setCursorPosition(3);
    w.txt_PathEdit->insert(QStringLiteral("x\ny"));
    EXPECT_EQ(w.txt_PathEdit->text(), QStringLiteral("C:\\xyWork"));
    EXPECT_EQ(w.txt_PathEdit->cursorPosition(), 5);
    QTest::qWait(20);
    EXPECT_TRUE(answers.seen().isEmpty());
}

TEST_F(OptionsWindowTest, ButtonsFollowTheEditText) {
    frm_Options& w = open({dir("Work")});
    EXPECT_EQ(w.txt_PathEdit->text(), dir("Work"));
    EXPECT_FALSE(w.com_Add->isEnabled());
    EXPECT_FALSE(w.com_Update->isEnabled());
    EXPECT_TRUE(w.com_CheckPath->isEnabled());
    EXPECT_TRUE(w.com_OpenDir->isEnabled());

    w.txt_PathEdit->setText(QStringLiteral("/no/such/folder"));
    EXPECT_TRUE(w.com_Add->isEnabled());
    EXPECT_FALSE(w.com_OpenDir->isEnabled());
    EXPECT_FALSE(w.com_Update->isEnabled());
    w.tim_CheckComboList_Timer();
    EXPECT_TRUE(w.com_Update->isEnabled());

    w.txt_PathEdit->setText(QStringLiteral("   "));
    EXPECT_FALSE(w.com_Add->isEnabled());
    EXPECT_FALSE(w.com_CheckPath->isEnabled());
}

TEST_F(OptionsWindowTest, AddAsksAboutDuplicatesAndMissingPaths) {
    frm_Options& w = open({dir("Work")});
    ModalAnswers answers;
    // The same folder again: OK adds it (it exists, so nothing more is asked).
    answers.press(QMessageBox::Ok);
    w.txt_PathEdit->setText(QStringLiteral("  ") + dir("Work"));
    w.com_Add_Click();
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(answers.seen().at(0).title, QStringLiteral("Pathwick - Path already exists."));
    EXPECT_EQ(answers.seen().at(0).text,
              QStringLiteral("This path already exists.\r\n\r\nDo you want to open more than one "
                             "directory window\r\nfor; Work"));
    EXPECT_EQ(answers.seen().at(0).icon, QMessageBox::Warning);
    EXPECT_EQ(answers.seen().at(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(answers.seen().at(0).defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(items(w.combo_RegStored), QStringList({dir("Work"), dir("Work")}));
    EXPECT_EQ(w.combo_RegStored->currentIndex(), 1);

    // Another letter case: a duplicate, and here a path that does not exist; Yes adds it.
    const QString upper = dir("Work").toUpper();
    answers.press(QMessageBox::Ok).press(QMessageBox::Yes);
    w.txt_PathEdit->setText(upper);
    w.com_Add_Click();
    ASSERT_EQ(answers.seen().size(), 3);
    EXPECT_EQ(answers.seen().at(2).title, QStringLiteral("Pathwick - Invalid directory path."));
    EXPECT_EQ(answers.seen().at(2).text,
              QStringLiteral("Invalid directory path.\r\nCan't find this object\r\nor object "
                             "error.\r\n\r\nDo you want to add WORK to the list?"));
    EXPECT_EQ(answers.seen().at(2).buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(answers.seen().at(2).defaultButton, QMessageBox::No);
    EXPECT_EQ(w.combo_RegStored->count(), 3);
    EXPECT_EQ(w.combo_RegStored->currentText(), upper);

    // Cancel and No add nothing.
    answers.press(QMessageBox::Cancel);
    w.txt_PathEdit->setText(dir("Work"));
    w.com_Add_Click();
    answers.press(QMessageBox::No);
    w.txt_PathEdit->setText(QStringLiteral("/no/such/place"));
    w.com_Add_Click();
    EXPECT_EQ(w.combo_RegStored->count(), 3);

    answers.press(QMessageBox::Ok);
    w.txt_PathEdit->setText(QStringLiteral("  "));
    w.com_Add_Click();
    ASSERT_EQ(answers.seen().size(), 6);
    EXPECT_EQ(answers.seen().at(5).title, QStringLiteral("Pathwick - No path."));
    EXPECT_TRUE(answers.seen().at(5).text.startsWith(
        QStringLiteral("Can't add a directory path without a path.\r\n\r\n")));
    EXPECT_EQ(w.combo_RegStored->count(), 3);
    EXPECT_EQ(answers.unexpected(), 0);
    EXPECT_EQ(storedEntries(), QStringList({dir("Work")}));
}

TEST_F(OptionsWindowTest, UpdateRemovesOrReplacesTheSelectedEntry) {
    frm_Options& w = open({QStringLiteral("/a"), dir("Work"), QStringLiteral("/c")});
    ModalAnswers answers;

    w.combo_RegStored->setCurrentIndex(1);
    answers.press(QMessageBox::Ok);
    w.txt_PathEdit->setText(QStringLiteral(" ") + dir("Other") + QStringLiteral(" "));
    w.com_Update_Click();
    EXPECT_EQ(items(w.combo_RegStored),
              QStringList({QStringLiteral("/a"), dir("Other"), QStringLiteral("/c")}));
    EXPECT_EQ(w.combo_RegStored->currentIndex(), 1);
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(answers.seen().at(0).title, QStringLiteral("Pathwick - Record updated."));
    EXPECT_EQ(answers.seen().at(0).icon, QMessageBox::Information);
    EXPECT_EQ(answers.seen().at(0).text,
              QStringLiteral("Directory record updated.\r\n\r\nFrom:\r\n") + dir("Work") +
                  QStringLiteral("\r\nTo:\r\n") + dir("Other") +
                  QStringLiteral("\r\n\r\nList index; 1"));

    // A path that is not a directory asks first; Cancel keeps the entry.
    answers.press(QMessageBox::Cancel);
    w.txt_PathEdit->setText(QStringLiteral("/no/such"));
    w.com_Update_Click();
    EXPECT_EQ(answers.seen().at(1).title, QStringLiteral("Pathwick - Invalid path."));
    EXPECT_EQ(answers.seen().at(1).defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(w.combo_RegStored->itemText(1), dir("Other"));

    // An empty text removes the entry and selects the first one.
    answers.press(QMessageBox::Ok);
    w.txt_PathEdit->clear();
    w.com_Update_Click();
    EXPECT_EQ(items(w.combo_RegStored), QStringList({QStringLiteral("/a"), QStringLiteral("/c")}));
    EXPECT_EQ(w.combo_RegStored->currentIndex(), 0);
    EXPECT_EQ(answers.seen().at(2).title, QStringLiteral("Pathwick - Record removed."));
    EXPECT_EQ(answers.seen().at(2).text, QStringLiteral("Directory record removed from list."));
    // A message box closing over the window does not reload the list.
    EXPECT_EQ(w.combo_RegStored->count(), 2);

    // Nothing selected: refused.
    w.combo_RegStored->clear();
    answers.press(QMessageBox::Ok);
    w.com_Update_Click();
    EXPECT_EQ(answers.seen().at(3).title, QStringLiteral("Pathwick - Invalid list selection."));
    EXPECT_EQ(answers.unexpected(), 0);
}

TEST_F(OptionsWindowTest, DropsTakeOneFolderOnly) {
    frm_Options& w = open({QStringLiteral("/a")});
    ModalAnswers answers;
    const auto drop = [&w](const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &event);
        return true;
    };

    answers.press(QMessageBox::Ok).press(QMessageBox::Ok);
    EXPECT_TRUE(drop({dir("Work"), dir("Other")}));
    EXPECT_TRUE(drop({dir("notes.txt")}));
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen().at(0).title, QStringLiteral("Pathwick - Drag object error:"));
    EXPECT_EQ(answers.seen().at(0).text,
              QStringLiteral("You can only drag one directory here at a time.\r\n"
                             "You dragged 2 objects here."));
    EXPECT_EQ(answers.seen().at(1).text,
              QStringLiteral("You can only drag one directory here at a time.\r\n"
                             "This is not a directory."));
    EXPECT_EQ(w.combo_RegStored->count(), 1);

    EXPECT_TRUE(drop({dir("Work")}));
    EXPECT_EQ(items(w.combo_RegStored), QStringList({QStringLiteral("/a"), dir("Work")}));
    EXPECT_EQ(w.combo_RegStored->currentIndex(), 1);
    EXPECT_EQ(w.txt_PathEdit->text(), dir("Work"));

    // A drop without files is not taken at all.
    QMimeData text;
    text.setText(QStringLiteral("/a/b"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(answers.unexpected(), 0);
}

TEST_F(OptionsWindowTest, EscapeAndPauseCloseWithoutSaving) {
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Pause}) {
        frm_Options& w = open({QStringLiteral("/a")});
        w.txt_PathEdit->setText(QStringLiteral("/b"));
        w.combo_RegStored->addItem(QStringLiteral("/b"));
        QTest::keyClick(key == Qt::Key_Escape ? static_cast<QWidget*>(w.txt_PathEdit)
                                              : static_cast<QWidget*>(w.combo_RegStored),
                        key);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("/a")}));
        EXPECT_FALSE(host.doIt);
    }
    frm_Options& w = open({QStringLiteral("/a")});
    w.combo_RegStored->addItem(QStringLiteral("/b"));
    w.com_Abort->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("/a")}));
}

TEST_F(OptionsWindowTest, SaveStoresTheListAndTellsTheMainWindow) {
    writeBool(ProgramKey(), QStringLiteral("ShowHiddenMenu"), true);
    frm_Options& w = open({QStringLiteral("/a")});
    w.AllToList(QStringLiteral("  /b\\\\ "));
    w.AllToList(QStringLiteral("\\"));
    w.combo_RegStored->addItem(QStringLiteral("/a"));
    w.com_SaveValues->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(host.doIt);
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("/a"), QStringLiteral("/b\\")}));
    EXPECT_TRUE(readBool(ProgramKey(), QStringLiteral("ShowHiddenMenu"), false));
}

TEST_F(OptionsWindowTest, HiddenMenuOnShiftCtrlRightClick) {
    host.testMode = true;
    host.hiddenMenu = true;
    frm_Options& w = open({QStringLiteral("/a")});
    EXPECT_TRUE(w.menu_TestingMode->isChecked());

    QTest::mouseClick(&w, Qt::RightButton, Qt::NoModifier, QPoint(30, 60));
    QTest::mouseClick(&w, Qt::RightButton, Qt::ShiftModifier, QPoint(30, 60));
    EXPECT_FALSE(w.menu_HiddenInOptions->isVisible());
    QTest::mouseClick(&w, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(30, 60));
    ASSERT_TRUE(w.menu_HiddenInOptions->isVisible());
    EXPECT_TRUE(w.menu_Hidden_ShowHiddenMenu->isChecked());
    const QPoint click = w.mapToGlobal(QPoint(30, 60));
    EXPECT_EQ(w.menu_HiddenInOptions->pos(), QPoint(click.x(), click.y() - twipsToPixels(128, &w)));
    w.menu_HiddenInOptions->hide();

    // The stored flag is inverted and the main window follows it.
    w.menu_Hidden_ShowHiddenMenu->trigger();
    EXPECT_TRUE(readBool(ProgramKey(), QStringLiteral("ShowHiddenMenu"), false));
    EXPECT_TRUE(host.hiddenMenu);
    EXPECT_TRUE(w.menu_Hidden_ShowHiddenMenu->isChecked());
    w.menu_Hidden_ShowHiddenMenu->trigger();
    EXPECT_FALSE(readBool(ProgramKey(), QStringLiteral("ShowHiddenMenu"), true));
    EXPECT_FALSE(host.hiddenMenu);

    w.menu_TestingMode->trigger();
    EXPECT_FALSE(host.testMode);
    w.menu_TestingMode->trigger();
    EXPECT_TRUE(host.testMode);
}

TEST_F(OptionsWindowTest, DeveloperAidsFillAndListWithoutStoring) {
    frm_Options& w = open({QStringLiteral("/a")});
    ModalAnswers answers;
    w.menu_TEMP_SetValuesSmall->trigger();
    EXPECT_EQ(items(w.combo_RegStored), smallSamplePaths());
    w.menu_TEMP_SetMyValues->trigger();
    EXPECT_EQ(items(w.combo_RegStored), defaultSamplePaths());
    EXPECT_EQ(storedEntries(), QStringList({QStringLiteral("/a")}));

    answers.press(QMessageBox::Ok).press(QMessageBox::Ok);
    w.menu_TEMP_ShowComboList->trigger();
    w.menu_TEMP_ShowRegValues->trigger();
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen().at(0).title, QStringLiteral("combo_RegStored"));
    EXPECT_TRUE(answers.seen().at(0).text.startsWith(
        QStringLiteral("1. ") + defaultSamplePaths().at(0) + QStringLiteral("\r\n2. ")));
    EXPECT_EQ(answers.seen().at(1).title, QStringLiteral("Registory values"));
    // The stamp (the unnamed value) first, then the entry.
    EXPECT_EQ(answers.seen().at(1).text, QStringLiteral("1. S  \r\n2. S  /a"));
}

TEST_F(OptionsWindowTest, CheckAndOpenReportThroughMessages) {
    frm_Options& w = open({dir("Work")});
    ModalAnswers answers;
    answers.press(QMessageBox::Ok);
    w.com_CheckPath->click();
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(answers.seen().at(0).title, QStringLiteral("Pathwick - Directory check."));
    EXPECT_EQ(answers.seen().at(0).icon, QMessageBox::Information);
    EXPECT_TRUE(answers.seen().at(0).text.endsWith(QStringLiteral("\r\n\r\nDirectory; Work")));

    w.com_OpenDir->click();
    EXPECT_EQ(fakes.shell->targets(), QStringList({dir("Work")}));

    answers.press(QMessageBox::Ok).press(QMessageBox::Ok);
    w.txt_PathEdit->setText(dir("notes.txt"));
    w.com_CheckPath_Click();
    w.com_OpenDir_Click();
    ASSERT_EQ(answers.seen().size(), 3);
    EXPECT_EQ(answers.seen().at(1).icon, QMessageBox::Warning);
    EXPECT_EQ(answers.seen().at(2).title, QStringLiteral("Pathwick - Can't open."));
    EXPECT_TRUE(answers.seen().at(2).text.contains(QStringLiteral("Can't open and display\r\n")));
    EXPECT_EQ(fakes.shell->calls.size(), 1);
    EXPECT_EQ(answers.unexpected(), 0);
}

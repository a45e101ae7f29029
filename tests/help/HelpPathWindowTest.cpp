#include "help/HelpPathWindow.h"
#include "common/FileServices.h"
#include "common/Version.h"
#include "help/HelpDrop.h"
#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "support/TempStore.h"

#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "support/QtPrinting.h"

namespace pathwick::test {
namespace {

class HelpPathWindowTest : public testing::Test {
protected:
    HelpPathWindowTest() {
        for (const char* name : {"Guide.PDF", "notes.odt", "page.htm", ".hidden.txt"})
            QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    }
    QString path(const char* name) const { return folder.filePath(name); }
    HelpPathWindow& open() {
        window = std::make_unique<HelpPathWindow>(nullptr);
        window->show();
        return *window;
    }
    QString storedPath() const { return read(catalogue::HelpPath); }

    TempStore store;
    platform::fake::FakePlatform fake;
    QTemporaryDir folder;
    std::unique_ptr<HelpPathWindow> window;
};

TEST_F(HelpPathWindowTest, DropsTakeOneSupportedOrdinaryFile) {
    const QString unsupported = "This type of help file is not supported.";
    // The paths dropped and the refusal, none for a drop that is taken.
    const std::pair<QStringList, QString> cases[] = {
        {{path("Guide.PDF")}, {}},
        {{path("notes.odt")}, unsupported + "\r\n(.odt)"},
        {{path("Guide.PDF"), path("page.htm")}, "You can only drag one help file here."},
        {{path(".hidden.txt")}, "You can only drag a help file here."},
    };
    for (const auto& [paths, refusal] : cases) {
        SCOPED_TRACE(paths.join(',').toStdString());
        const HelpDropVerdict verdict = checkHelpDrop(paths, attributeWord(paths.first()));
        EXPECT_EQ(verdict.accepted, refusal.isEmpty());
        EXPECT_EQ(verdict.refusal, refusal);
        EXPECT_EQ(verdict.path, refusal.isEmpty() ? paths.first() : QString());
    }
}

// One walk: a save of the trimmed path, shown again although Shift is held, Reset with Shift
// showing the defaults unsaved, a real drop on the text box taken without saving, and Pause
// closing without saving what is shown.
TEST_F(HelpPathWindowTest, UpdateSavesAndShiftResetShowsTheDefaultsUnsaved) {
    const QString defaultPath = ProgramFolder() + "/Help.doc";
    HelpPathWindow* w = &open();
    w->txt_HelpPath->setText("  " + path("page.htm") + " ");
    w->opt_LoadFirst[0]->setChecked(true);
    QTest::mouseClick(w->com_Update, Qt::LeftButton);
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(storedPath(), path("page.htm"));
    EXPECT_FALSE(read(catalogue::HelpFilePriority));

    fake.keys->down = {16}; // still held from opening the Help menu
    w = &open();
    EXPECT_EQ(w->txt_HelpPath->text(), path("page.htm"));
    EXPECT_TRUE(w->opt_LoadFirst[0]->isChecked());
    QTest::mouseClick(w->com_Reset, Qt::LeftButton);
    EXPECT_EQ(w->txt_HelpPath->text(), defaultPath);
    EXPECT_TRUE(w->opt_LoadFirst[1]->isChecked());
    EXPECT_FALSE(read(catalogue::HelpFilePriority));
    EXPECT_EQ(storedPath(), path("page.htm"));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("Guide.PDF"))});
    // Qt hands the drop to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->txt_HelpPath, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->txt_HelpPath, &event);
    EXPECT_EQ(w->txt_HelpPath->text(), path("Guide.PDF"));

    QTest::keyClick(w->opt_LoadFirst[0], Qt::Key_Pause);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(storedPath(), path("page.htm"));
}

} // namespace
} // namespace pathwick::test

#include "common/FileServices.h"
#include "common/Version.h"
#include "help/HelpDrop.h"
#include "help/HelpPathWindow.h"
#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "support/ModalDialogs.h"
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

constexpr auto OneFileOnly = "You can only drag one help file here.";
constexpr auto HelpFileOnly = "You can only drag a help file here.";
constexpr auto Unsupported = "This type of help file is not supported.";

class HelpPathWindowTest : public testing::Test {
protected:
    HelpPathWindowTest() {
        for (const char* name : {"Guide.PDF", "notes.odt", "README", "page.htm", ".hidden.txt"})
            QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
        QDir(folder.path()).mkdir("Manuals");
    }
    QString path(const char* name) const { return folder.filePath(name); }
    HelpPathWindow& open() {
        window = std::make_unique<HelpPathWindow>(nullptr);
        window->show();
        return *window;
    }
    bool storedFirst() const { return read(catalogue::HelpFilePriority); }
    QString storedPath() const { return read(catalogue::HelpPath); }

    TempStore store;
    platform::fake::FakePlatform fake;
    QTemporaryDir folder;
    std::unique_ptr<HelpPathWindow> window;
};

TEST_F(HelpPathWindowTest, DropsTakeOneSupportedOrdinaryFile) {
    struct Case {
        QStringList paths;
        bool accepted;
        QString refusal;
    };
    const Case cases[] = {
        {{path("Guide.PDF")}, true, {}},
        {{path("page.htm")}, true, {}},
        {{path("notes.odt")}, false, QString(Unsupported) + "\r\n(.odt)"},
        {{path("README")}, false, Unsupported},
        {{path("Guide.PDF"), path("page.htm")}, false, OneFileOnly},
        {{}, false, OneFileOnly},
        {{path("Manuals")}, false, HelpFileOnly},
        {{path(".hidden.txt")}, false, HelpFileOnly},
        {{path("gone.pdf")}, false, HelpFileOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paths.join(',').toStdString());
        const HelpDropVerdict verdict =
            checkHelpDrop(c.paths, c.paths.isEmpty() ? -1 : attributeWord(c.paths.first()));
        EXPECT_EQ(verdict.accepted, c.accepted);
        EXPECT_EQ(verdict.refusal, c.refusal);
        EXPECT_EQ(verdict.path, c.accepted ? c.paths.first() : QString());
    }
}

TEST_F(HelpPathWindowTest, ControlsAndDefaultsWithNoSettings) {
    HelpPathWindow& w = open();
    EXPECT_EQ(w.objectName(), "frm_HelpPathWindow");
    EXPECT_EQ(w.windowTitle(), "Help file name and path.");
    const auto options = w.findChildren<QRadioButton*>("opt_LoadFirst");
    ASSERT_EQ(options.size(), 2);
    EXPECT_EQ(options[0]->text(), "&Load this if Help file not found.");
    EXPECT_EQ(options[1]->text(), "&Load this before trying default Help file.");
    const std::pair<const char*, const char*> buttons[] = {
        {"com_Update", "&Update path"}, {"com_Reset", "&Reset path"}, {"com_Cancel", "&Cancel"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = w.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
    }
    EXPECT_EQ(w.txt_HelpPath->text(), ProgramFolder() + "/Help.doc");
    EXPECT_TRUE(options[1]->isChecked());
}

TEST_F(HelpPathWindowTest, ShowsStoredValuesAndShiftResetShowsDefaultsWithoutSaving) {
    write(catalogue::HelpFilePriority, false);
    write(catalogue::HelpPath, path("Guide.PDF"));
    HelpPathWindow& w = open();
    EXPECT_EQ(w.txt_HelpPath->text(), path("Guide.PDF"));
    EXPECT_TRUE(w.opt_LoadFirst[0]->isChecked());

    fake.keys->down = {16};
    QTest::mouseClick(w.com_Reset, Qt::LeftButton);
    EXPECT_EQ(w.txt_HelpPath->text(), ProgramFolder() + "/Help.doc");
    EXPECT_TRUE(w.opt_LoadFirst[1]->isChecked());
    EXPECT_FALSE(storedFirst());
    EXPECT_EQ(storedPath(), path("Guide.PDF"));

    fake.keys->down.clear();
    QTest::mouseClick(w.com_Reset, Qt::LeftButton);
    EXPECT_EQ(w.txt_HelpPath->text(), path("Guide.PDF"));
    EXPECT_TRUE(w.opt_LoadFirst[0]->isChecked());
}

TEST_F(HelpPathWindowTest, OptionsFollowWhetherThereIsAPath) {
    HelpPathWindow& w = open();
    for (const auto& [text, enabled] :
         {std::pair{"", false}, {"   ", false}, {"x", true}, {" /a/b.txt ", true}}) {
        w.txt_HelpPath->setText(text);
        EXPECT_EQ(w.opt_LoadFirst[0]->isEnabled(), enabled) << text;
        EXPECT_EQ(w.opt_LoadFirst[1]->isEnabled(), enabled) << text;
    }
}

TEST_F(HelpPathWindowTest, UpdateSavesTrimmedPathAndOrder) {
    HelpPathWindow& w = open();
    w.txt_HelpPath->setText("  " + path("page.htm") + " ");
    w.opt_LoadFirst[0]->setChecked(true);
    QTest::mouseClick(w.com_Update, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(storedPath(), path("page.htm"));
    EXPECT_FALSE(storedFirst());
}

TEST_F(HelpPathWindowTest, CancelEscapeAndPauseCloseWithoutSaving) {
    const std::function<void(HelpPathWindow&)> closers[] = {
        [](HelpPathWindow& w) { QTest::mouseClick(w.com_Cancel, Qt::LeftButton); },
        [](HelpPathWindow& w) { QTest::keyClick(w.txt_HelpPath, Qt::Key_Escape); },
        [](HelpPathWindow& w) { QTest::keyClick(w.txt_HelpPath, Qt::Key_Pause); },
        [](HelpPathWindow& w) { QTest::keyClick(w.opt_LoadFirst[0], Qt::Key_Pause); },
        [](HelpPathWindow& w) { QTest::keyClick(w.com_Update, Qt::Key_Escape); },
    };
    for (const auto& close : closers) {
        HelpPathWindow& w = open();
        w.txt_HelpPath->setText(path("Guide.PDF"));
        close(w);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(storedPath(), "");
    }
}

// A real drop event on the text box: the path is taken as it is, nothing is saved yet, and
// a refused drop leaves the text as it was.
TEST_F(HelpPathWindowTest, DroppingOnThePathBox) {
    HelpPathWindow& w = open();
    const auto drop = [&](const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls.append(QUrl::fromLocalFile(p));
        data.setUrls(urls);
        // Qt hands the drop to the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(w.txt_HelpPath, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.txt_HelpPath, &event);
    };
    drop({path("Guide.PDF")});
    EXPECT_EQ(w.txt_HelpPath->text(), path("Guide.PDF"));
    EXPECT_EQ(storedPath(), "");

    ModalAnswers answers;
    answers.press(QMessageBox::Ok);
    drop({path("notes.odt")});
    const SeenModal refusal = answers.only();
    EXPECT_EQ(refusal.title, "Pathwick - Help file path error:");
    EXPECT_EQ(refusal.icon, QMessageBox::Warning);
    EXPECT_EQ(w.txt_HelpPath->text(), path("Guide.PDF"));
}

} // namespace
} // namespace pathwick::test

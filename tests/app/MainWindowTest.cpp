#include "MainWindowFixture.h"

#include "common/MainWindowJob.h"
#include "common/Version.h"
#include "dirlist/OpeningRun.h"

#include <QDialog>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace pathwick;
using test::MainWindowTest;
using test::ModalAnswers;

namespace {

// A job that logs when the window calls it.
class LoggingJob : public QObject, public MainWindowJob {
public:
    LoggingJob(QObject* window, QStringList& log, bool allowsClose = true)
        : QObject(window), log_(log), allowsClose_(allowsClose) {}

    void loadStarting() override { log_ << "starting"; }
    void loadFinished() override { log_ << "finished"; }
    void activated() override { log_ << "activated"; }
    bool mayClose(QWidget*) override {
        log_ << "may close";
        return allowsClose_;
    }

private:
    QStringList& log_;
    bool allowsClose_;
};

} // namespace

TEST_F(MainWindowTest, LoadFollowsTheStoreAndCallsTheJobsAroundIt) {
    auto window = std::make_unique<MainWindow>("");
    QStringList log;
    window->addJob(new LoggingJob(window.get(), log));
    // An editor that did not save loads nothing.
    runEditor(*window, false, [] { saveList({"/x", "/y"}); });
    EXPECT_TRUE(log.isEmpty());
    const QString longEntry = "/" + QString(40, 'x').repeated(8);
    window->menu().hotKeys.onOff->trigger(); // switched off since the start
    runEditor(*window, true, [&] {
        write(catalogue::ShowHiddenMenu, true);
        saveList({"/a", longEntry});
        window->TestMode_valueSet(true); // the editor's test mode entry
    });
    EXPECT_EQ(displayText(*window), "Directory list.\n\t/a\n\t" + longEntry + "\n");
    EXPECT_EQ(log, (QStringList{"starting", "finished"}));
    EXPECT_TRUE(window->hiddenMenuVisible());
    EXPECT_FALSE(window->menu().hotKeys.onOff->isChecked()); // the load keeps both switches
    EXPECT_TRUE(window->TestModeValue_valueGet());
    // A wrapped entry would go on at the left edge, where it reads as another entry; a long one
    // stays on its line and the box scrolls sideways to it.
    window->show();
    auto* box = window->findChild<QPlainTextEdit*>("txt_DisplayInfo");
    EXPECT_GT(box->horizontalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowTest, DriveMenuChoosesTheListedDriveAndReusesItsItems) {
    setDrives({"/", "/media/usb", "/mnt/empty"});
    saveList({"/media/usb/photos", "/srv/data", "/media/usb/music"});
    auto window = std::make_unique<MainWindow>("");
    window->menu().displayDrive->actions().at(2)->trigger();
    EXPECT_EQ(window->windowTitle(), "Pathwick - Drive /media/usb only");
    EXPECT_EQ(window->menu().openDirs->text(), openDirsCaption(2));

    // A rebuild reuses the items, keeps the chosen drive checked and hides drives that went away.
    setDrives({"/", "/media/usb"});
    emit window->menu().displayDrive->aboutToShow();
    QStringList items; // each caption after "*" when checked and "-" when hidden
    for (QAction* item : window->menu().displayDrive->actions())
        items << QString(item->isChecked() ? "*" : "") + (item->isVisible() ? "" : "-") +
                     item->text();
    EXPECT_EQ(items, (QStringList{"&All", "&/", "*&/media/usb", "-&/mnt/empty"}));

    // A "&" in a mount path is shown, not taken for an access key, and chooses its drive.
    setDrives({"/media/R&D"});
    emit window->menu().displayDrive->aboutToShow();
    QAction* rnd = window->menu().displayDrive->actions().at(1);
    EXPECT_EQ(rnd->text(), "&/media/R&&D");
    rnd->trigger();
    EXPECT_EQ(window->windowTitle(), "Pathwick - Drive /media/R&D only");
}

TEST_F(MainWindowTest, FailedOpeningRunFlashesTenTicksAndEndsNormal) {
    saveList({"/", "/nowhere/else"});
    auto window = std::make_unique<MainWindow>("");
    auto* box = window->findChild<QPlainTextEdit*>("txt_DisplayInfo");
    auto* flash = window->findChild<QTimer*>("tim_Timer");
    window->menu().openDirs->trigger();
    const QColor normal = box->palette().color(QPalette::Base);
    for (int tick = 1; tick <= 10; ++tick) {
        SCOPED_TRACE(tick);
        ASSERT_TRUE(flash->isActive());
        EXPECT_EQ(window->windowTitle(), "Can't open or find some directories:");
        QMetaObject::invokeMethod(window.get(), "flashTick");
        EXPECT_EQ(box->palette().color(QPalette::Base), tick % 2 ? QColor(255, 0, 0) : normal);
    }
    EXPECT_FALSE(flash->isActive());
    EXPECT_EQ(window->windowTitle(), VersionCaption());
}

TEST_F(MainWindowTest, CloseAllDirectoriesAsksThenRestartsTheFileManagerAfterItsWait) {
    auto window = std::make_unique<MainWindow>("");
    ModalAnswers answers;
    answers.click(0);
    window->menu().closeExplorer->trigger();
    EXPECT_EQ(answers.seen().size(), 1);
    // The command returns at once: the wait runs in the event loop, not inside the command.
    EXPECT_EQ(fakes.shell->targets(), QStringList{"taskkill"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return fakes.shell->calls.size() == 2; }));
    EXPECT_EQ(fakes.shell->targets(), (QStringList{"taskkill", "C:\\WINDOWS\\explorer.exe"}));
}

// The window manager places the main window after its first showing; the editor the command
// line opens is centred on the screen all the same, and refreshes the list only (no load).
TEST_F(MainWindowTest, CommandLineRequestRunsOnceWhenTheWindowFirstShows) {
    auto window = std::make_unique<MainWindow>("\"/srv/data\"");
    QStringList log;
    window->addJob(new LoggingJob(window.get(), log));
    QString command;
    QPoint centre;
    {
        ModalAnswers answers;
        answers.handle([&](QWidget* editor) {
            EXPECT_TRUE(editor->inherits("pathwick::DirectoryListEditor"));
            command = window->GetCommand();
            centre = editor->frameGeometry().center();
            write(catalogue::ShowHiddenMenu, true);
            saveList({"/srv/data"});
            window->SetDoItFlag(true);
            editor->close();
        });
        window->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(answers.seen().size(), 1);
    }
    EXPECT_EQ(command, "\"/srv/data\"");
    EXPECT_EQ(window->GetCommand(), "");
    EXPECT_TRUE(displayText(*window).contains("/srv/data"));
    EXPECT_FALSE(window->hiddenMenuVisible());
    // Qt lifts a dialog by the title bar it expects (up to 40 + 10 pixels without a window
    // manager); a window left at the top-left corner is hundreds of pixels off.
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 60) << centre.x() << ',' << centre.y();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.last(), "activated");

    // Later activations run the jobs only.
    ModalAnswers later;
    const qsizetype activations = log.size();
    QMetaObject::invokeMethod(window.get(), "activate");
    EXPECT_TRUE(later.seen().isEmpty());
    EXPECT_EQ(log.size(), activations + 1);
}

// The switches are written on every close, also a refused one; the notice comes only on a user
// close with hot keys on, and the end of the session asks nobody.
TEST_F(MainWindowTest, CloseWritesTheSwitchesAndNoticesOnlyWhenHotKeysRunOnAUserClose) {
    const struct {
        bool hotKeys, sessionEnd, jobAllows, notice;
    } cases[] = {{false, false, true, false},
                 {true, true, false, false},
                 {true, false, true, true},
                 {true, false, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.hotKeys) + std::to_string(c.sessionEnd) +
                     std::to_string(c.jobAllows));
        write(catalogue::HotKeysRunning, c.hotKeys);
        write(catalogue::HotKeysTestmode, false);
        auto window = std::make_unique<MainWindow>("");
        window->show();
        auto* other = new QDialog(window.get());
        other->show();
        QStringList log;
        window->addJob(new LoggingJob(window.get(), log, c.jobAllows));
        window->TestMode_valueSet(true);
        {
            ModalAnswers answers;
            answers.cancel();
            if (c.sessionEnd)
                window->closeForSessionEnd();
            else
                window->menu().exitApp->trigger();
            EXPECT_EQ(answers.seen().size(), int(c.notice));
            EXPECT_EQ(answers.only().closeActive, c.notice);
        }
        EXPECT_EQ(log.count("may close"), c.sessionEnd ? 0 : 1);
        const bool closed = c.sessionEnd || c.jobAllows;
        EXPECT_EQ(window->isVisible(), !closed);
        EXPECT_EQ(other->isVisible(), !closed);
        EXPECT_EQ(read(catalogue::HotKeysRunning), c.hotKeys);
        EXPECT_TRUE(read(catalogue::HotKeysTestmode));
    }
}

#include "MainWindowFixture.h"

#include "common/MainWindowJob.h"
#include "common/Version.h"
#include "dirlist/OpeningRun.h"

#include <QAbstractTextDocumentLayout>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace pathwick;
using test::MainWindowTest;
using test::ModalAnswers;

namespace {

// A job that logs when the window calls it, with what the window shows at that moment.
class LoggingJob : public QObject, public MainWindowJob {
public:
    LoggingJob(MainWindow& window, QStringList& log, bool allowsClose = true)
        : QObject(&window), window_(window), log_(log), allowsClose_(allowsClose) {}

    void loadStarting() override { log_ << "starting, listed " + window_.menu().openDirs->text(); }
    void loadFinished() override {
        log_ << QString("finished, hidden menu ") + (window_.hiddenMenuVisible() ? "on" : "off");
    }
    void activated() override { log_ << "activated"; }
    bool mayClose(QWidget* parent) override {
        log_ << QString("may close ") + (parent == &window_ ? "asked" : "wrong parent");
        return allowsClose_;
    }

private:
    MainWindow& window_;
    QStringList& log_;
    bool allowsClose_;
};

} // namespace

TEST_F(MainWindowTest, LoadFollowsTheStoreAndCallsTheJobsAroundIt) {
    auto window = makeWindow();
    QAction* hotKeys = window->menu().hotKeys.onOff;
    EXPECT_EQ(window->windowTitle(), VersionCaption());
    EXPECT_TRUE(hotKeys->isChecked());
    EXPECT_FALSE(window->TestModeValue_valueGet());
    EXPECT_FALSE(window->hiddenMenuVisible());
    EXPECT_EQ(window->menu().openDirs->text(), openDirsCaption(1)); // the Documents default

    QStringList log;
    window->addJob(new LoggingJob(*window, log));
    runEditor(*window, true, [] {
        write(catalogue::HotKeysRunning, false);
        write(catalogue::HotKeysTestmode, true);
        write(catalogue::ShowHiddenMenu, true);
        saveList({"/a", "/b", "/c"});
    });
    EXPECT_FALSE(hotKeys->isChecked());
    EXPECT_TRUE(window->TestModeValue_valueGet());
    EXPECT_TRUE(window->hiddenMenuVisible());
    EXPECT_TRUE(window->menu().hiddenMenuList->menuAction()->isEnabled());
    EXPECT_EQ(displayText(*window), "Directory list.\n\t/a\n\t/b\n\t/c\n");
    // The jobs start before the list is refilled and finish after the hidden menu.
    EXPECT_EQ(log,
              (QStringList{"starting, listed " + openDirsCaption(1), "finished, hidden menu on"}));
}

// A wrapped entry would go on at the left edge, where it reads as another entry; a long one
// stays on its line and the box scrolls sideways to it.
TEST_F(MainWindowTest, ALongEntryKeepsOneLineInTheInformationBox) {
    saveList({"/" + QString(40, 'x').repeated(8), "/short"});
    auto window = makeWindow();
    window->show();
    auto* box = window->findChild<QPlainTextEdit*>("txt_DisplayInfo");
    QTextDocument* document = box->document();
    ASSERT_EQ(document->blockCount(), 4);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);
        EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    }
    EXPECT_GT(box->horizontalScrollBar()->maximum(), 0);
    window->hide();
}

TEST_F(MainWindowTest, DriveMenuChoosesTheListedDriveAndIsRebuiltWithoutDuplicates) {
    setDrives({"/", "/media/usb", "/mnt/empty"});
    saveList({"/media/usb/photos", "/srv/data", "/media/usb/music"});
    auto window = makeWindow();
    QAction* openDirs = window->menu().openDirs;
    // Every item's caption, after "*" when checked and "-" when hidden.
    const auto items = [&] {
        QStringList shown;
        for (QAction* item : driveItems(*window))
            shown << QString(item->isChecked() ? "*" : "") + (item->isVisible() ? "" : "-") +
                         item->text();
        return shown;
    };
    const auto choose = [&](int index) {
        driveItems(*window).at(index)->trigger();
        emit window->menu().menu->aboutToShow();
    };
    EXPECT_EQ(items(), (QStringList{"*&All", "&/", "&/media/usb", "&/mnt/empty"}));

    choose(2);
    EXPECT_EQ(window->windowTitle(), "Pathwick - Drive /media/usb only");
    EXPECT_EQ(openDirs->text(), openDirsCaption(2));
    // Choosing the checked drive again, or opening the sub-menu, keeps the check.
    choose(2);
    emit window->menu().displayDrive->aboutToShow();
    EXPECT_EQ(items(), (QStringList{"&All", "&/", "*&/media/usb", "&/mnt/empty"}));

    choose(3);
    EXPECT_FALSE(openDirs->isEnabled());
    choose(0);
    EXPECT_EQ(window->windowTitle(), "Pathwick - All drives");
    EXPECT_EQ(openDirs->text(), openDirsCaption(3));

    // A load shows all drives again and hides drives that went away; their items are reused.
    choose(2);
    setDrives({"/"});
    runEditor(*window, true);
    EXPECT_EQ(openDirs->text(), openDirsCaption(3));
    EXPECT_EQ(items(), (QStringList{"*&All", "&/", "-&/media/usb", "-&/mnt/empty"}));
    setDrives({"/", "/home", "/media/usb"});
    emit window->menu().displayDrive->aboutToShow();
    EXPECT_EQ(items(), (QStringList{"*&All", "&/", "&/home", "&/media/usb"}));
}

TEST_F(MainWindowTest, HelpPathEntryAppearsOnlyWithShift) {
    auto window = makeWindow();
    const HelpMenu& help = window->menu().help;
    for (const bool shift : {true, false}) {
        fakes.keys->down = {shift ? 16 : 17};
        emit help.menu->aboutToShow();
        EXPECT_EQ(help.helpPath->isSeparator(), !shift);
    }
}

TEST_F(MainWindowTest, FailedOpeningRunFlashesTenTicksAndEndsNormal) {
    QTemporaryDir drive;
    setDrives({"/", drive.path()});
    const QString present = drive.filePath("present");
    ASSERT_TRUE(QDir().mkpath(present));
    saveList({present, "/nowhere/else"});
    auto window = makeWindow();
    auto* box = window->findChild<QPlainTextEdit*>("txt_DisplayInfo");
    auto* flash = window->findChild<QTimer*>("tim_Timer");

    // Only the chosen drive's entries open; all of them did, so nothing flashes.
    window->setWindowTitle("Pathwick - All drives");
    driveItems(*window).at(2)->trigger();
    window->menu().openDirs->trigger();
    EXPECT_EQ(fakes.shell->calls.size(), 1);
    EXPECT_EQ(window->windowTitle(), VersionCaption());
    EXPECT_EQ(displayText(*window), "Opening:\nOpened dir; \t" + present + "\n");
    EXPECT_FALSE(flash->isActive());

    driveItems(*window).at(0)->trigger();
    window->menu().openDirs->trigger();
    EXPECT_EQ(fakes.shell->calls.size(), 2);
    EXPECT_EQ(window->windowTitle(), "Can't open or find some directories:");
    EXPECT_TRUE(flash->isActive());
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
    auto window = makeWindow();
    {
        ModalAnswers answers;
        answers.click(1);
        window->menu().closeExplorer->trigger();
        EXPECT_EQ(answers.seen().size(), 1);
    }
    EXPECT_TRUE(fakes.shell->calls.isEmpty());

    // The command returns at once: the wait runs in the event loop, not inside the command.
    {
        ModalAnswers answers;
        answers.click(0);
        window->menu().closeExplorer->trigger();
    }
    ASSERT_EQ(fakes.shell->calls.size(), 1);
    EXPECT_EQ(fakes.shell->calls.first().target, "taskkill");
    EXPECT_TRUE(QTest::qWaitFor([&] { return fakes.shell->calls.size() == 2; }));
    QStringList calls;
    for (const auto& call : fakes.shell->calls)
        calls << call.target + " [" + call.parameters + "] " +
                     QString::number(int(call.mode == platform::ShowMode::Minimised));
    EXPECT_EQ(calls,
              (QStringList{"taskkill [-f -im explorer.exe] 1", "C:\\WINDOWS\\explorer.exe [] 1"}));
}

TEST_F(MainWindowTest, CommandLineRequestRunsOnceWhenTheWindowFirstShows) {
    const struct {
        const char* line;
        bool minimised;
        const char* shows; // the class of the window it showed
    } cases[] = {
        {"#Hidden", true, ""},
        {"\"/home/me/My Folder\"", false, "pathwick::DirectoryListEditor"},
        {"?HoursMinutes=4", false, "QMessageBox"}, // too soon: says so, starts nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        auto window = makeWindow(c.line);
        QStringList log;
        window->addJob(new LoggingJob(*window, log));
        QString command;
        {
            ModalAnswers answers;
            answers.handle([&](QWidget* modal) {
                command = window->GetCommand();
                modal->close();
            });
            window->show();
            QCoreApplication::processEvents();
            EXPECT_EQ(answers.only().className, c.shows);
        }
        EXPECT_EQ(command, *c.shows ? c.line : "");
        EXPECT_EQ(bool(window->windowState() & Qt::WindowMinimized), c.minimised);
        EXPECT_EQ(window->GetCommand(), "");
        ASSERT_FALSE(log.isEmpty());
        EXPECT_EQ(log.last(), "activated");

        // Later activations run the jobs only.
        ModalAnswers later;
        const qsizetype activations = log.size();
        QMetaObject::invokeMethod(window.get(), "activate");
        EXPECT_TRUE(later.seen().isEmpty());
        EXPECT_EQ(log.size(), activations + 1);
        window->hide();
    }
    EXPECT_TRUE(fakes.shell->calls.isEmpty());
}

TEST_F(MainWindowTest, EditorRefreshesTheListFromTheCommandLineAndReloadsFromTheMenu) {
    auto window = makeWindow("/srv/data");
    {
        ModalAnswers answers;
        answers.handle([&](QWidget* editor) {
            EXPECT_EQ(editor->parentWidget(), window.get());
            write(catalogue::ShowHiddenMenu, true);
            saveList({"/srv/data"});
            window->SetDoItFlag(true);
            editor->close();
        });
        window->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(answers.seen().size(), 1);
    }
    // The command line's editor refreshes the list only; the menu's reloads when it saved.
    EXPECT_FALSE(window->hiddenMenuVisible());
    EXPECT_EQ(displayText(*window), "Directory list.\n\t/srv/data\n");
    runEditor(*window, false, [] { saveList({"/one", "/two"}); });
    EXPECT_FALSE(window->hiddenMenuVisible());
    EXPECT_EQ(displayText(*window), "Directory list.\n\t/srv/data\n");
    runEditor(*window, true);
    EXPECT_TRUE(window->hiddenMenuVisible());
    EXPECT_EQ(window->menu().openDirs->text(), openDirsCaption(2));
    window->hide();
}

// The window manager places the main window after its first showing; the editor opened for a
// folder given on the command line is centred on the screen all the same.
TEST_F(MainWindowTest, TheEditorOpenedAtStartIsCentredOnTheScreen) {
    auto window = makeWindow("/srv/data");
    QPoint centre;
    {
        ModalAnswers answers;
        answers.handle([&](QWidget* modal) {
            centre = modal->frameGeometry().center();
            modal->close();
        });
        window->show();
        QCoreApplication::processEvents();
        ASSERT_EQ(answers.seen().size(), 1);
    }
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    // Qt lifts a dialog by the title bar it expects (up to 40 + 10 pixels without a window
    // manager); a window left at the top-left corner is hundreds of pixels off.
    EXPECT_LE((centre - screenCentre).manhattanLength(), 60)
        << centre.x() << ',' << centre.y() << " on a screen centred at " << screenCentre.x() << ','
        << screenCentre.y();
    window->hide();
}

TEST_F(MainWindowTest, CloseWritesTheSwitchesAndNoticesOnlyWhenHotKeysRunOnAUserClose) {
    // The alarm ships beside the program; made here when the build has not put it there.
    const QString alarm = ProgramFolder() + "/Alarm01.wav";
    QFile made(alarm);
    const bool madeHere = !QFile::exists(alarm) && made.open(QIODevice::WriteOnly);
    const struct {
        bool hotKeys, sessionEnd, notice;
    } cases[] = {{false, false, false}, {true, true, false}, {true, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.hotKeys) + std::to_string(c.sessionEnd));
        write(catalogue::HotKeysRunning, c.hotKeys);
        write(catalogue::HotKeysTestmode, false);
        fakes.sound->played.clear();
        auto window = makeWindow();
        window->show();
        auto* other = new QDialog(window.get());
        other->show();
        window->TestMode_valueSet(true);
        {
            ModalAnswers answers;
            answers.cancel();
            if (c.sessionEnd)
                window->closeForSessionEnd();
            else
                window->menu().exitApp->trigger();
            ASSERT_EQ(answers.seen().size(), int(c.notice));
            if (c.notice) {
                EXPECT_EQ(answers.only().heading, "Pathwick is closing down.");
                EXPECT_TRUE(answers.only().closeActive);
            }
        }
        EXPECT_EQ(fakes.sound->played, c.notice ? QStringList{alarm} : QStringList{});
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(other->isVisible());
        EXPECT_EQ(read(catalogue::HotKeysRunning), c.hotKeys);
        EXPECT_TRUE(read(catalogue::HotKeysTestmode));
    }
    if (madeHere)
        made.remove();
}

TEST_F(MainWindowTest, AJobCanKeepTheWindowOpenButTheSwitchesAreWrittenAnyway) {
    auto window = makeWindow();
    window->show();
    QStringList log;
    auto* job = new LoggingJob(*window, log, false);
    window->addJob(job);
    window->TestMode_valueSet(true);
    {
        ModalAnswers answers;
        EXPECT_FALSE(window->close());
        EXPECT_TRUE(answers.seen().isEmpty()); // no closing notice for a refused close
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(log, QStringList{"may close asked"});
    EXPECT_TRUE(read(catalogue::HotKeysTestmode));

    // The end of the session does not ask.
    window->closeForSessionEnd();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(log, QStringList{"may close asked"});
}

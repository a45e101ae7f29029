#pragma once

#include "QtPrinting.h"
#include "app/MainWindow.h"
#include "common/MessageWindow.h"
#include "dirlist/DirectoryStore.h"
#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "support/ModalDialogs.h"
#include "support/TempStore.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace pathwick::test {

// Answers the next program message window with a button (-1: closes it, as Escape does) and
// keeps what it showed. Any other modal window is closed so the test cannot hang.
class MessageWindowAnswer {
public:
    explicit MessageWindowAnswer(int button)
        : watcher_([this, button](QWidget* modal) {
              auto* window = qobject_cast<MessageWindow*>(modal);
              if (!window) {
                  modal->close();
                  return;
              }
              shown = true;
              caption = window->windowTitle();
              heading = window->lab_MsgTitle->text();
              message = window->lab_MainMessage->text().remove('\r');
              for (QPushButton* each : window->com_Button) {
                  if (!each->isVisible())
                      continue;
                  buttons.append(each->text());
                  buttonColours.append(each->palette().color(QPalette::Button));
              }
              labelColour = window->lab_MainMessage->palette().color(QPalette::WindowText);
              closeInterval = window->tim_WindowCloseTimer->interval();
              closeActive = window->tim_WindowCloseTimer->isActive();
              if (button < 0)
                  window->close();
              else
                  window->com_Button.at(button)->click();
          }) {}

    bool shown = false;
    QString caption;
    QString heading;
    QString message; // without the CR of each line break
    QStringList buttons;
    QList<QColor> buttonColours;
    QColor labelColour;
    int closeInterval = 0;
    bool closeActive = false;

private:
    ModalWatcher watcher_;
};

// A main window over a store of its own and the recording platform fakes.
class MainWindowTest : public ::testing::Test {
protected:
    TempStore store;
    platform::fake::FakePlatform fakes;
    QTemporaryDir folders;

    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        setDrives({"/"});
    }

    void setDrives(const QStringList& mountPaths) {
        fakes.volumes->items.clear();
        for (const QString& mountPath : mountPaths)
            fakes.volumes->items.append({mountPath, "/dev/sda", "label"});
    }

    static void saveList(const QStringList& paths) {
        saveStoredEntries(paths, QDateTime::currentDateTime());
    }

    std::unique_ptr<MainWindow> makeWindow(const QString& commandLine = QString()) {
        return std::make_unique<MainWindow>(commandLine);
    }

    static QAction* action(MainWindow& window, const char* name) {
        return window.findChild<QAction*>(name);
    }
    static QTimer* timer(MainWindow& window, const char* name) {
        return window.findChild<QTimer*>(name);
    }
    static QPlainTextEdit* display(MainWindow& window) {
        return window.findChild<QPlainTextEdit*>("txt_DisplayInfo");
    }
    static QString displayText(MainWindow& window) { return display(window)->toPlainText(); }
    static QList<QAction*> driveItems(MainWindow& window) {
        return window.findChild<QMenu*>("menu_DislpayDrive")->actions();
    }
};

} // namespace pathwick::test

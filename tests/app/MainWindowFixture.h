#pragma once

#include "QtPrinting.h"
#include "app/frm_MainWindow.h"
#include "platform/fake/FakePlatform.h"
#include "support/TempStore.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace pathwick::test {

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

    std::unique_ptr<frm_MainWindow> makeWindow(const QString& commandLine = QString()) {
        return std::make_unique<frm_MainWindow>(commandLine);
    }

    // A folder that exists, below the test's temporary folder.
    QString existingFolder(const QString& name) {
        const QString path = folders.filePath(name);
        QDir().mkpath(path);
        return path;
    }

    static QAction* action(frm_MainWindow& window, const char* name) {
        return window.findChild<QAction*>(name);
    }
    static QTimer* timer(frm_MainWindow& window, const char* name) {
        return window.findChild<QTimer*>(name);
    }
    static QPlainTextEdit* display(frm_MainWindow& window) {
        return window.findChild<QPlainTextEdit*>("txt_DisplayInfo");
    }
    static QString displayText(frm_MainWindow& window) { return display(window)->toPlainText(); }
    static QList<QAction*> driveItems(frm_MainWindow& window) {
        return window.findChild<QMenu*>("menu_DislpayDrive")->actions();
    }
};

} // namespace pathwick::test

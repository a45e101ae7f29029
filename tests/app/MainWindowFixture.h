#pragma once

#include "app/MainWindow.h"
#include "dirlist/DirectoryStore.h"
#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "support/ModalDialogs.h"
#include "support/QtPrinting.h"
#include "support/TempStore.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <memory>

namespace pathwick::test {

// A main window over a store of its own and the recording platform fakes.
class MainWindowTest : public ::testing::Test {
protected:
    TempStore store;
    platform::fake::FakePlatform fakes;

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

    // Runs the editor from the settings menu; `edit` acts while it is shown (the store may be
    // changed there) and the editor then closes, saying it saved when `saves`.
    static void runEditor(MainWindow& window, bool saves, const std::function<void()>& edit) {
        ModalAnswers answers;
        answers.handle([&](QWidget* editor) {
            edit();
            window.SetDoItFlag(saves);
            editor->close();
        });
        window.menu().settings->trigger();
        EXPECT_EQ(answers.seen().size(), 1);
    }

    static QString displayText(const MainWindow& window) {
        return window.findChild<QPlainTextEdit*>("txt_DisplayInfo")->toPlainText();
    }
};

} // namespace pathwick::test

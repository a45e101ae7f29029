#pragma once

#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "shutdown/Clock.h"
#include "shutdown/PendingShutdown.h"
#include "shutdown/ShutdownCommand.h"
#include "shutdown/ShutdownController.h"
#include "shutdown/ShutdownCountdown.h"
#include "support/ModalDialogs.h"
#include "support/TempStore.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <memory>

namespace pathwick::test {

// A wall clock the test sets and moves.
class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime start) : now_(std::move(start)) {}
    QDateTime now() const override { return now_; }
    void advanceSeconds(qint64 seconds) { now_ = now_.addSecs(seconds); }

private:
    QDateTime now_;
};

// Records the parameter strings and answers with the outcome the test sets.
class FakeShutdownCommand : public ShutdownCommand {
public:
    QStringList calls;
    ShutdownOutcome answer{true, QString(), QString()};
    ShutdownOutcome run(const QString& windowsParameters) override {
        calls.append(windowsParameters);
        return answer;
    }
};

// Whether the system has a shutdown pending, as the test sets it; none by default.
class FakeProbe : public PendingShutdownProbe {
public:
    bool answer = false;
    bool pending() override { return answer; }
};

// A window with the shutdown menu the main window has, driven by a controller over fakes.
class ShutdownTest : public ::testing::Test {
protected:
    TempStore store;
    platform::fake::FakePlatform fakes;
    std::shared_ptr<FakeClock> clock =
        std::make_shared<FakeClock>(QDateTime(QDate(2026, 12, 5), QTime(15, 0)));
    std::shared_ptr<FakeShutdownCommand> command = std::make_shared<FakeShutdownCommand>();
    std::shared_ptr<FakeProbe> probe = std::make_shared<FakeProbe>();
    QMainWindow window;
    ShutdownWidgets widgets;
    int refills = 0;
    std::unique_ptr<ShutdownController> controller;

    void SetUp() override {
        widgets.window = &window;
        widgets.displayInfo = new QPlainTextEdit(&window);
        widgets.displayInfo->setLineWrapMode(QPlainTextEdit::NoWrap); // as the list has it
        window.setCentralWidget(widgets.displayInfo);
        widgets.warningPicture = new QWidget(&window);
        widgets.warningPicture->hide();
        widgets.menu.menu = new QMenu(&window);
        for (QAction** item : {&widgets.menu.options, &widgets.menu.abort, &widgets.menu.timeString,
                               &widgets.menu.help, &widgets.menu.display})
            *item = new QAction(&window);
        for (int i = 0; i < 9; ++i)
            widgets.menu.times.append(new QAction(&window));
        widgets.refillDisplayInfo = [this] { ++refills; };
        window.show();
        controller = std::make_unique<ShutdownController>(
            widgets, ShutdownServices{command, probe, clock});
    }

    // One simulated minute of the countdown.
    void tickMinutes(int minutes) {
        for (int i = 0; i < minutes; ++i) {
            clock->advanceSeconds(60);
            controller->countdown().tick();
        }
    }

    // The start items are enabled together, the time items in one loop.
    bool startItemsEnabled() const {
        return widgets.menu.times.last()->isEnabled() && widgets.menu.timeString->isEnabled() &&
               widgets.menu.options->isEnabled();
    }
};

} // namespace pathwick::test

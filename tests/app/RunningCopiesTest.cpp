#include "MainWindowFixture.h"

#include "app/RunningCopies.h"
#include "app/StartUp.h"
#include "common/Version.h"

using namespace pathwick;
using platform::fake::FakePlatform;

namespace {

const QString Own = ExecutableName() + ExecutableSuffix();

} // namespace

TEST(RunningCopies, ProcessInfoAndCountComeFromOneWalk) {
    // Only the count is asked for; a walk that failed gives no number at all.
    EXPECT_EQ(processInfoFrom(QStringList{"bash", "pathwick", "Xvfb"}, -1), " 3");
    EXPECT_EQ(processInfoFrom(std::nullopt, -1), "");

    // Only the exact name counts: letter case, a prefix or a longer name make another program.
    FakePlatform fakes;
    const std::pair<std::optional<QStringList>, int> counts[] = {
        {QStringList{"bash", Own, "Xvfb"}, 1},
        {QStringList{Own, "bash", Own}, 2},
        {QStringList{Own.toUpper(), "x" + Own, Own + "-helper", Own + "2", Own}, 1},
        {std::nullopt, 0}};
    for (const auto& [names, expected] : counts) {
        fakes.processes->names = names;
        EXPECT_EQ(CountRunningCopies(), expected)
            << names.value_or(QStringList()).join(' ').toStdString();
    }
}

// The suffix belongs to the program's name, except in the closing question.
TEST(RunningCopies, WarningNamesTheCountAndTheProgram) {
    EXPECT_EQ(runningCopiesText(2, "Pathwick", ".exe"),
              "There are 2 copies of Pathwick.exe running.\r\n"
              "Runing more than one copy of Pathwick.exe\r\n"
              "may result in the hot keys sending the command more than once\r\n"
              "and the computer turning off at the wrong time.\r\n\r\n"
              "Do you wish to close this copy of Pathwick?");
}

TEST(RunningCopies, OnlyOneCopyOrRunAnywayStartsTheProgram) {
    const struct {
        QStringList running;
        int answer; // button index, -1 for Escape
        bool starts;
    } cases[] = {
        {{"bash", Own}, 0, true}, {{Own, Own}, 1, true},       {{Own, Own}, 0, false},
        {{Own, Own}, -1, false},  {{Own.toUpper()}, 0, false},
    };
    FakePlatform fakes;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.running.join(' ').toStdString() + " / " + std::to_string(c.answer));
        fakes.processes->names = c.running;
        test::ModalAnswers answers;
        if (c.answer < 0)
            answers.cancel();
        else
            answers.click(c.answer);
        EXPECT_EQ(runningCopiesCheckPasses(), c.starts);
        const bool asks = c.running.count(Own) != 1;
        ASSERT_EQ(answers.seen().size(), int(asks));
        if (!asks)
            continue;
        EXPECT_TRUE(answers.only().text.startsWith(
            QString("There are %1 copies").arg(c.running.count(Own))));
        EXPECT_TRUE(answers.only().closeActive);
    }

    // The command line is the arguments after the program, joined by single spaces.
    fakes.processes->names = QStringList{Own};
    EXPECT_EQ(Form_Initialize({"/usr/bin/" + Own, "#Hidden", "x"}), QString("#Hidden x"));
    fakes.processes->names = QStringList{};
    test::ModalAnswers closed;
    closed.cancel();
    EXPECT_EQ(Form_Initialize({Own, "x"}), std::nullopt);
}

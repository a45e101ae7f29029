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
    const QStringList walk{"bash", "pathwick", "Xvfb"};
    const std::pair<int, const char*> answers[] = {{-1, " 3"},  {0, "bash\r\npathwick\r\nXvfb\r\n"},
                                                   {1, "bash"}, {3, "Xvfb"},
                                                   {4, ""},     {-2, ""}};
    for (const auto& [index, expected] : answers)
        EXPECT_EQ(processInfoFrom(walk, index), expected) << index;
    EXPECT_EQ(processInfoFrom(QStringList{}, -1), " 0");
    // No list at all: the count reads as the empty name list, not as " 0".
    EXPECT_EQ(processInfoFrom(std::nullopt, -1), "");

    // Only the exact name counts: letter case, a prefix or a longer name make another program.
    FakePlatform fakes;
    const std::pair<QStringList, int> counts[] = {
        {{"bash", "Xvfb"}, 0},
        {{"bash", Own, "Xvfb"}, 1},
        {{Own, "bash", Own}, 2},
        {{Own.toUpper(), "x" + Own, Own + "-helper", Own + "2", Own}, 1}};
    for (const auto& [names, expected] : counts) {
        fakes.processes->names = names;
        EXPECT_EQ(CountRunningCopies(), expected) << names.join(' ').toStdString();
    }
    EXPECT_EQ(RunningProcessInfo(3), Own + "-helper");
    fakes.processes->names = std::nullopt;
    EXPECT_EQ(CountRunningCopies(), 0);
    EXPECT_EQ(RunningProcessInfo(-1), "");
}

TEST(RunningCopies, WarningNamesTheCountAndTheProgram) {
    EXPECT_EQ(runningCopiesText(2, "pathwick", ""),
              "There are 2 copies of pathwick running.\r\n"
              "Runing more than one copy of pathwick\r\n"
              "may result in the hot keys sending the command more than once\r\n"
              "and the computer turning off at the wrong time.\r\n\r\n"
              "Do you wish to close this copy of pathwick?");
    // The suffix belongs to the program's name, except in the closing question.
    const QString withSuffix = runningCopiesText(0, "Pathwick", ".exe");
    EXPECT_TRUE(withSuffix.startsWith("There are 0 copies of Pathwick.exe running.\r\n"
                                      "Runing more than one copy of Pathwick.exe\r\n"));
    EXPECT_TRUE(withSuffix.endsWith("copy of Pathwick?"));
}

TEST(RunningCopies, OnlyOneCopyOrRunAnywayStartsTheProgram) {
    const struct {
        QStringList running;
        int answer; // button index, -1 for Escape
        bool starts;
        bool asks;
    } cases[] = {
        {{"bash", Own}, 0, true, false},   {{Own, Own}, 1, true, true},
        {{Own, Own}, 0, false, true},      {{Own, Own}, -1, false, true},
        {{Own.toUpper()}, 0, false, true},
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
        EXPECT_EQ(answers.seen().size(), int(c.asks));
        if (!c.asks)
            continue;
        EXPECT_TRUE(answers.only().text.startsWith(
            QString("There are %1 copies").arg(c.running.count(Own))));
        EXPECT_TRUE(answers.only().closeActive);
    }

    // The command line is the arguments after the program, joined by single spaces.
    fakes.processes->names = QStringList{Own};
    EXPECT_EQ(Form_Initialize({"/usr/bin/" + Own, "#Hidden", "x"}), QString("#Hidden x"));
    EXPECT_EQ(Form_Initialize({"/usr/bin/" + Own}), QString());
    fakes.processes->names = QStringList{};
    test::ModalAnswers closed;
    closed.cancel();
    EXPECT_EQ(Form_Initialize({Own, "x"}), std::nullopt);
}

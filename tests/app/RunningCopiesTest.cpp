#include "MainWindowFixture.h"

#include "app/RunningCopies.h"
#include "app/StartUp.h"
#include "common/Version.h"

using namespace pathwick;
using platform::fake::FakePlatform;

// Only the exact name counts: letter case, a prefix or a longer name make another program.
// One copy, or Run anyway, starts the program with the arguments after it joined by spaces.
TEST(RunningCopies, OnlyOneCopyOrRunAnywayStartsTheProgram) {
    const QString own = ExecutableName() + ExecutableSuffix();
    const struct {
        std::optional<QStringList> running;
        int answer; // button index
        int copies;
        bool starts;
    } cases[] = {
        {QStringList{own.toUpper(), "x" + own, own + "-helper", own + "2", own}, 0, 1, true},
        {QStringList{own, "bash", own}, 1, 2, true},
        {QStringList{own, own}, 0, 2, false},
        {std::nullopt, 0, 0, false},
    };
    FakePlatform fakes;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.running.value_or(QStringList()).join(' ').toStdString() + " / " +
                     std::to_string(c.answer));
        fakes.processes->names = c.running;
        EXPECT_EQ(CountRunningCopies(), c.copies);
        test::ModalAnswers answers;
        answers.click(c.answer);
        const std::optional<QString> line = Form_Initialize({"/usr/bin/" + own, "#Hidden", "x"});
        EXPECT_EQ(line.value_or("refused"), c.starts ? "#Hidden x" : "refused");
        ASSERT_EQ(answers.seen().size(), int(c.copies != 1));
        if (c.copies != 1) {
            EXPECT_TRUE(answers.only().closeActive);
        }
    }
}

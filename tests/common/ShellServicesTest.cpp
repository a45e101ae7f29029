#include "common/ShellServices.h"
#include "common/Version.h"
#include "platform/fake/FakePlatform.h"
#include "support/ModalDialogs.h"

#include <gtest/gtest.h>

using namespace pathwick;

// An empty name opens the help text; a failure comes back without a message.
TEST(OpenWithShell, EmptyNameOpensTheHelpAndFailuresComeBackQuietly) {
    platform::fake::FakePlatform fake;
    fake.shell->result = platform::ShellResult::FileNotFound;
    test::ModalAnswers answers;
    EXPECT_EQ(OpenWithShell("", "", 0), 2);
    EXPECT_EQ(fake.shell->calls.last().target, ProgramFolder() + "/Help.txt");
    EXPECT_TRUE(answers.seen().isEmpty());
}

#include "common/ShellServices.h"
#include "common/Version.h"
#include "platform/fake/FakePlatform.h"
#include "support/ModalDialogs.h"

#include <gtest/gtest.h>

#include <system_error>

using namespace pathwick;
using platform::ShowMode;
using platform::fake::FakePlatform;

namespace {

class RaisingLauncher : public platform::ShellLauncher {
public:
    int open(const QString&, const QString&, ShowMode) override {
        throw std::system_error(std::make_error_code(std::errc::permission_denied));
    }
};

} // namespace

// An empty name opens the help text; a failure comes back without a message.
TEST(OpenWithShell, EmptyNameOpensTheHelpAndFailuresComeBackQuietly) {
    FakePlatform fake;
    fake.shell->result = platform::ShellResult::FileNotFound;
    test::ModalAnswers answers;
    EXPECT_EQ(OpenWithShell("", "", 0), 2);
    EXPECT_EQ(fake.shell->calls.last().target, ProgramFolder() + "/Help.txt");
    EXPECT_TRUE(answers.seen().isEmpty());
}

TEST(OpenWithShell, RaisedErrorsAreReportedAndGiveZero) {
    FakePlatform fake;
    platform::Services services;
    services.shell = std::make_shared<RaisingLauncher>();
    platform::install(services);
    const QString denied = QString::fromStdString(
        std::system_error(std::make_error_code(std::errc::permission_denied)).what());
    test::ModalAnswers answers;
    EXPECT_EQ(OpenWithShell("/some/file.txt", "", 0), 0);
    EXPECT_EQ(answers.only().title, "Pathwick - File error.");
    EXPECT_EQ(answers.only().text, "Can't find or load file or URL;\r\n\t/some/file.txt\r\n\r\n\t"
                                   "Error;\t\t" +
                                       denied + "\r\n\tError number;\t" + QString::number(EACCES) +
                                       "\r\n");
}

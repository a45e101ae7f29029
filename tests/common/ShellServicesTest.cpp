#include "common/ShellServices.h"
#include "common/Version.h"
#include "platform/fake/FakePlatform.h"
#include "support/ModalDialogs.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <system_error>

using namespace pathwick;
using platform::ShowMode;
using platform::fake::FakePlatform;

namespace {

class RaisingLauncher : public platform::ShellLauncher {
public:
    explicit RaisingLauncher(bool systemError) : systemError_(systemError) {}
    int open(const QString&, const QString&, ShowMode) override {
        if (systemError_)
            throw std::system_error(std::make_error_code(std::errc::permission_denied));
        throw std::runtime_error("launcher broke");
    }

private:
    bool systemError_;
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
    const QString denied = QString::fromStdString(
        std::system_error(std::make_error_code(std::errc::permission_denied)).what());
    const std::pair<bool, QString> cases[] = {
        {true, "Error;\t\t" + denied + "\r\n\tError number;\t" + QString::number(EACCES)},
        {false, "Error;\t\tlauncher broke\r\n\tError number;\t0"}};
    for (const auto& [systemError, error] : cases) {
        platform::Services services;
        services.shell = std::make_shared<RaisingLauncher>(systemError);
        platform::install(services);
        test::ModalAnswers answers;
        EXPECT_EQ(OpenWithShell("/some/file.txt", "", 0), 0);
        EXPECT_EQ(answers.only().title, "Pathwick - File error.");
        EXPECT_EQ(answers.only().text,
                  "Can't find or load file or URL;\r\n\t/some/file.txt\r\n\r\n\t" + error + "\r\n");
    }
}

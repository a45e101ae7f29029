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

TEST(OpenWithShell, PassesTheRequestWithItsShowMode) {
    FakePlatform fake;
    EXPECT_EQ(OpenWithShell("/usr/bin/editor", "--new file.txt", 0), 42);
    ASSERT_EQ(fake.shell->calls.size(), 1);
    EXPECT_EQ(fake.shell->calls[0].target, "/usr/bin/editor");
    EXPECT_EQ(fake.shell->calls[0].parameters, "--new file.txt");

    fake.shell->calls.clear();
    for (int style : {0, 1, 2, 3, -1})
        OpenWithShell("/tmp", "", style);
    QList<ShowMode> modes;
    for (const auto& call : fake.shell->calls)
        modes.append(call.mode);
    EXPECT_EQ(modes, QList<ShowMode>({ShowMode::Normal, ShowMode::Maximised, ShowMode::Minimised,
                                      ShowMode::Normal, ShowMode::Normal}));
}

TEST(OpenWithShell, EmptyNameOpensTheHelpTextAndFailuresComeBackQuietly) {
    FakePlatform fake;
    fake.shell->result = platform::ShellResult::FileNotFound;
    test::MessageBoxAnswer answer;
    EXPECT_EQ(OpenWithShell("", "", 0), 2);
    EXPECT_EQ(fake.shell->targets(), QStringList({ProgramFolder() + "/Help.txt"}));
    EXPECT_FALSE(answer.shown);
}

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

void installRaisingLauncher(bool systemError) {
    platform::Services services;
    services.shell = std::make_shared<RaisingLauncher>(systemError);
    platform::install(services);
}

} // namespace

TEST(OpenWithShell, RaisedErrorsAreReportedAndGiveZero) {
    FakePlatform fake;
    installRaisingLauncher(true);
    {
        test::MessageBoxAnswer answer;
        EXPECT_EQ(OpenWithShell("/some/file.txt", "", 0), 0);
        EXPECT_EQ(answer.title, "Pathwick - File error.");
        EXPECT_EQ(answer.icon, QMessageBox::Warning);
        EXPECT_EQ(answer.buttons, QMessageBox::Ok);
        const QString description = QString::fromStdString(
            std::system_error(std::make_error_code(std::errc::permission_denied)).what());
        EXPECT_EQ(answer.text, "Can't find or load file or URL;\r\n\t/some/file.txt\r\n\r\n\t"
                               "Error;\t\t" +
                                   description + "\r\n\tError number;\t" + QString::number(EACCES) +
                                   "\r\n");
    }
    installRaisingLauncher(false);
    test::MessageBoxAnswer answer;
    EXPECT_EQ(OpenWithShell("/x", "", 0), 0);
    EXPECT_TRUE(answer.text.contains("Error;\t\tlauncher broke\r\n\tError number;\t0"));
}

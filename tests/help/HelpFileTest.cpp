#include "help/HelpFile.h"
#include "help/HelpCommands.h"
#include "platform/Platform.h"
#include "settings/ProgramSettings.h"
#include "support/ModalDialogs.h"
#include "support/LaunchRecorder.h"
#include "support/TempStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QtPrinting.h"
#include <optional>

namespace pathwick::test {
namespace {

TEST(FileExtension, FromTheLastDotOfTheFileNameWithItsCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\a.b\\Help.DOC", ".DOC"}, {"Help", ""},   {"/home/me/my.docs/README", ""},
        {"C:\\my.docs\\README", ""},   {"name.", "."}, {".hidden", ".hidden"},
    };
    for (const auto& [name, extension] : cases)
        EXPECT_EQ(FileExtension(name), extension) << name;
}

// Records every target and opens only the given ones.
struct OpensOnly : platform::ShellLauncher {
    explicit OpensOnly(QStringList opens) : opens(std::move(opens)) {}
    int open(const QString& target, const QString&, platform::ShowMode) override {
        tried.append(target);
        return opens.contains(target) ? 42 : 2;
    }
    QStringList opens, tried;
};

class HelpFileTest : public testing::Test {
protected:
    QString program(const char* name) const { return programFolder.filePath(name); }
    std::shared_ptr<OpensOnly> install(const QStringList& opens) {
        auto launcher = std::make_shared<OpensOnly>(opens);
        platform::Services services;
        services.shell = launcher;
        platform::install(services);
        return launcher;
    }
    void TearDown() override { platform::reset(); }

    TempStore store;
    QTemporaryDir programFolder;
};

// Every attempt in order, up to the first document that opens.
TEST_F(HelpFileTest, TriesTheOwnPathAndTheDefaultsInOrderUntilOneOpens) {
    const QString guide = "/home/me/Guide.pdf";
    const QString padded = "  " + guide + " ";
    const QStringList defaults = {program("Help.doc"), program("Help.rtf"), program("Help.html"),
                                  program("Help.txt")};
    struct Case {
        const char* what;
        std::optional<bool> firstPriority;
        std::optional<QString> path;
        QStringList opens;
        QStringList tried;
    };
    const Case cases[] = {
        {"own path first is the default", {}, guide, {guide, defaults[0]}, {guide}},
        {"own first, gone", true, padded, {defaults[2]}, QStringList{guide} + defaults.mid(0, 3)},
        {"own path last", false, guide, {guide}, defaults + QStringList{guide}},
        {"blank path, first", true, " \t", {}, defaults},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempStore caseStore;
        if (c.firstPriority)
            write(catalogue::HelpFilePriority, *c.firstPriority);
        if (c.path)
            write(catalogue::HelpPath, *c.path);
        const auto launcher = install(c.opens);
        EXPECT_EQ(openHelpFile(programFolder.path()), c.opens.isEmpty() ? 2 : 42);
        EXPECT_EQ(launcher->tried, c.tried);
    }
}

// Yes opens the program folder and names a failure by number.
TEST_F(HelpFileTest, NothingOpensAsksToShowTheProgramFolder) {
    const auto launcher = install({});
    ModalAnswers answers;
    answers.press(QMessageBox::Yes).press(QMessageBox::Ok);
    HelpInfo(nullptr, programFolder.path());
    EXPECT_EQ(launcher->tried.size(), 5);
    EXPECT_EQ(launcher->tried.last(), programFolder.path());
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen()[1].text, "2");
}

// Through the real launcher: a missing file is not started and a document the opener refuses
// is passed over, not counted as opened.
TEST_F(HelpFileTest, ADocumentTheOpenerRefusesIsPassedOver) {
    for (const char* name : {"Help.doc", "Help.html"})
        ASSERT_TRUE(QFile(program(name)).open(QIODevice::WriteOnly));
    LaunchRecorder recorder;
    ScopedEnvironment refusing;
    refusing.set("PATHWICK_RECORDER_FAIL", "no application for this file");
    platform::reset();
    EXPECT_NE(openHelpFile(programFolder.path()), 42);
    EXPECT_EQ(recorder.launches(2), (QStringList{program("Help.doc"), program("Help.html")}));
}

} // namespace
} // namespace pathwick::test

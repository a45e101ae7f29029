#include "help/HelpCommands.h"
#include "help/HelpFile.h"
#include "platform/fake/FakePlatform.h"
#include "settings/ProgramSettings.h"
#include "support/ModalDialogs.h"
#include "support/LaunchRecorder.h"
#include "support/ScopedEnvironment.h"
#include "support/TempStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "support/QtPrinting.h"
#include <optional>

namespace pathwick::test {
namespace {

TEST(FileExtension, FromTheLastDotOfTheFileNameWithItsCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\a.b\\Help.DOC", ".DOC"},      {"Help", ""},
        {"/home/me/my.docs/README", ""},   {"C:\\my.docs\\README", ""},
        {"archive.tar.gz", ".gz"},          {"name.", "."},
        {".hidden", ".hidden"},             {"", ""},
    };
    for (const auto& [name, extension] : cases)
        EXPECT_EQ(FileExtension(name), extension) << name;
}

void makeFile(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// A program folder and a folder of the user's own documents, with a store of their own.
class HelpFileTest : public testing::Test {
protected:
    QString program(const char* name) const { return programFolder.filePath(name); }
    QString own(const char* name) const { return ownFolder.filePath(name); }
    void configure(std::optional<bool> firstPriority, std::optional<QString> path) {
        if (firstPriority)
            write(catalogue::HelpFilePriority, *firstPriority);
        if (path)
            write(catalogue::HelpPath, *path);
    }

    TempStore store;
    QTemporaryDir programFolder;
    QTemporaryDir ownFolder;
};

// Through the real launcher: what opens is what the opener was started with.
TEST_F(HelpFileTest, OpensTheFirstCandidateThatExists) {
    struct Case {
        const char* what;
        QStringList programFiles;
        std::optional<bool> firstPriority;
        std::optional<QString> path;
        const char* opens; // "" for nothing
    };
    const QString guide = own("Guide.pdf");
    const Case cases[] = {
        {"no settings, rtf and txt", {"Help.rtf", "Help.txt"}, {}, {}, "Help.rtf"},
        {"no settings, html only", {"Help.html"}, {}, {}, "Help.html"},
        {"no settings, all four", {"Help.txt", "Help.html", "Help.rtf", "Help.doc"}, {}, {},
         "Help.doc"},
        {"no settings, nothing there", {}, {}, {}, ""},
        {"own path first", {"Help.doc"}, true, guide, "Guide.pdf"},
        {"own path first is the default", {"Help.doc"}, {}, guide, "Guide.pdf"},
        {"own path last, a default exists", {"Help.txt"}, false, guide, "Help.txt"},
        {"own path last, no default", {}, false, guide, "Guide.pdf"},
        {"own path with blanks around it", {}, true, "  " + guide + "  ", "Guide.pdf"},
        {"own path missing, chain goes on", {"Help.txt"}, true, own("gone.pdf"), "Help.txt"},
        {"blank path", {}, true, "   ", ""},
    };
    makeFile(guide);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempStore caseStore;
        QTemporaryDir folder;
        for (const QString& name : c.programFiles)
            makeFile(folder.filePath(name));
        configure(c.firstPriority, c.path);
        LaunchRecorder opener;
        platform::reset();
        const int result = openHelpFile(folder.path());
        const QString expected = QString(c.opens).isEmpty()          ? QString()
                                 : QString(c.opens) == "Guide.pdf" ? guide
                                                                   : folder.filePath(c.opens);
        EXPECT_EQ(result, expected.isEmpty() ? 2 : 42);
        if (expected.isEmpty())
            QThread::msleep(300);
        EXPECT_EQ(opener.launches(expected.isEmpty() ? 0 : 1),
                  expected.isEmpty() ? QStringList() : QStringList{expected});
    }
}

// Every attempt, failed ones included, in order.
TEST_F(HelpFileTest, TriesTheCandidatesInTheDescribedOrder) {
    const QString guide = own("Guide.pdf");
    const QStringList defaults = {program("Help.doc"), program("Help.rtf"), program("Help.html"),
                                  program("Help.txt")};
    struct Case {
        const char* what;
        std::optional<bool> firstPriority;
        std::optional<QString> path;
        QStringList tried;
    };
    const Case cases[] = {
        {"no settings", {}, {}, defaults},
        {"first", true, guide, QStringList{guide} + defaults},
        {"last", false, guide, defaults + QStringList{guide}},
        {"empty path, first", true, "", defaults},
        {"empty path, last", false, " \t", defaults},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempStore caseStore;
        configure(c.firstPriority, c.path);
        platform::fake::FakePlatform fake;
        fake.shell->result = 2;
        EXPECT_EQ(openHelpFile(programFolder.path()), 2);
        EXPECT_EQ(fake.shell->targets(), c.tried);
    }
}

// Opens only the given target.
class OnlyOneOpens : public platform::ShellLauncher {
public:
    explicit OnlyOneOpens(QString target) : target_(std::move(target)) {}
    int open(const QString& target, const QString&, platform::ShowMode) override {
        tried.append(target);
        return target == target_ ? 42 : 2;
    }
    QStringList tried;

private:
    QString target_;
};

TEST_F(HelpFileTest, NothingOpensAsksToShowTheProgramFolder) {
    for (const bool yes : {false, true}) {
        auto launcher = std::make_shared<OnlyOneOpens>(programFolder.path());
        platform::Services services;
        services.shell = launcher;
        platform::install(services);
        ModalAnswers answers;
        answers.press(yes ? QMessageBox::Yes : QMessageBox::No);
        HelpInfo(nullptr, programFolder.path());
        platform::reset();
        const SeenModal question = answers.only();
        EXPECT_EQ(question.title, "Pathwick - Help not found.");
        EXPECT_EQ(question.text, "Can't find or open the help file.\r\n"
                                 "Do you want to view the Pathwick directory?\r\n\r\n"
                                 "\tIf you can't find one of the following files,\r\n"
                                 "\tthen you may need to check the website for a copy.\r\n"
                                 "\t\tHelp.doc\r\n\t\tHelp.rtf\r\n\t\tHelp.html\r\n\t\tHelp.txt");
        EXPECT_EQ(question.icon, QMessageBox::Warning);
        EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(launcher->tried.size(), yes ? 5 : 4);
        EXPECT_EQ(launcher->tried.last() == programFolder.path(), yes);
    }
}

TEST_F(HelpFileTest, AFolderThatDoesNotOpenEitherShowsItsNumber) {
    platform::fake::FakePlatform fake;
    fake.shell->result = 31;
    ModalAnswers answers;
    answers.press(QMessageBox::Yes).press(QMessageBox::Ok);
    HelpInfo(nullptr, programFolder.path());
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen()[1].title, "Pathwick");
    EXPECT_EQ(answers.seen()[1].text, "31");
    EXPECT_EQ(fake.shell->targets().last(), programFolder.path());
    EXPECT_EQ(answers.unexpected(), 0);
}

// An opener that has no program for word documents says so; the chain goes on.
TEST_F(HelpFileTest, ADocumentTheOpenerCannotShowIsPassedOver) {
    const QString record = ownFolder.filePath("opened.txt");
    const QString opener = ownFolder.filePath("opener.sh");
    QFile script(opener);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ncase \"$1\" in *.doc) exit 3;; esac\nprintf '%s\\n' \"$1\" >> '" +
                 QFile::encodeName(record) + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const char* name : {"Help.doc", "Help.html"})
        makeFile(program(name));
    ScopedEnvironment environment;
    environment.set("PATHWICK_OPENER", QFile::encodeName(opener));
    platform::reset();
    EXPECT_EQ(openHelpFile(programFolder.path()), 42);
    platform::reset();
    QFile opened(record);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(opened.readAll()), program("Help.html") + "\n");
}

TEST_F(HelpFileTest, OpensTheShippedHelpPageWithNoConfiguration) {
    const QString shipped = QStringLiteral(PATHWICK_TEST_SUPPORT_DIR "/../../resources/Help.html");
    ASSERT_TRUE(QFile::copy(shipped, program("Help.html")));
    LaunchRecorder opener;
    platform::reset();
    EXPECT_EQ(openHelpFile(programFolder.path()), 42);
    EXPECT_EQ(opener.launches(1), QStringList{program("Help.html")});
}

} // namespace
} // namespace pathwick::test

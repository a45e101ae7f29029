#include "TempUserFolders.h"

#include "dirlist/DirectoryInfo.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pathwick {
namespace {

using platform::fake::FakePlatform;

TEST(DirectoryClassification, AttributeWordsAreUsedWhole) {
    const struct {
        int word;
        bool isOk;
        QString text;
    } rows[] = {
        {16, true, "Valid normal directory, can open."},
        {23, true, "Read only, hidden system directory, can open."},
        {33, false, "Read only file and not a directory. Can't open."},
        {-1, false, "Can't find this object\r\nor object error."},
        // No bit is masked off: a directory with a further bit is no directory.
        {48, false, "Can't open.\r\nNot a valid directory."},
        {19, false, "Can't open.\r\nNot a valid directory."},
    };
    for (const auto& row : rows) {
        const DirectoryVerdict verdict = classifyAttributeWord(row.word, "Site");
        EXPECT_EQ(verdict.isOk, row.isOk) << row.word;
        EXPECT_EQ(verdict.text, row.text) << row.word;
    }
    EXPECT_EQ(classifyAttributeWord(16, "Site").moreInfo, "Site");
    EXPECT_EQ(classifyAttributeWord(48, "Site").moreInfo, "Object type = 48");
    EXPECT_EQ(classifyAttributeWord(-2, "Site").moreInfo, "");
}

TEST(DirectoryClassification, RealFilesFoldersAndOthers) {
    QTemporaryDir scratch;
    const auto path = [&](const char* name) { return scratch.filePath(name); };
    for (const char* folder : {"Site", ".cache"})
        QDir().mkpath(path(folder));
    for (const char* file : {"notes.txt", ".profile"})
        QFile(path(file)).open(QIODevice::WriteOnly);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    QFile::link(path("Site"), path("link"));
    QFile::link(path("gone"), path("broken"));

    EXPECT_EQ(attributeWord(path("Site")), 16);
    EXPECT_EQ(attributeWord(path("Site") + "/."), 16);
    EXPECT_EQ(attributeWord(path(".cache")), 18);
    EXPECT_EQ(attributeWord(path("notes.txt")), 32);
    EXPECT_EQ(attributeWord(path(".profile")), 34);
    EXPECT_EQ(attributeWord(path("pipe")), 4);
    EXPECT_EQ(attributeWord(path("link")), 16);
    EXPECT_EQ(attributeWord(path("broken")), -1);
    EXPECT_EQ(attributeWord("   "), -2);

    bool isOk = false;
    QString moreInfo;
    EXPECT_EQ(DirectoryInfo(path("Site"), &isOk, &moreInfo), "Valid normal directory, can open.");
    EXPECT_TRUE(isOk);
    EXPECT_EQ(moreInfo, "Site");
    EXPECT_EQ(DirectoryInfo("C:\\Work\\Site", &isOk, &moreInfo),
              "Can't find this object\r\nor object error.");
    EXPECT_FALSE(isOk);
    EXPECT_EQ(moreInfo, "Site");
    DirectoryInfo("D:\\Data\\", &isOk, &moreInfo);
    EXPECT_EQ(moreInfo, "");
    EXPECT_EQ(DirectoryInfo("  ", &isOk, &moreInfo), "No path was entered.");
}

TEST(DirectoryClassification, ReadOnlyMeansThisUserCannotWriteIt) {
    QTemporaryDir scratch;
    const QByteArray folder = QFile::encodeName(scratch.filePath("Locked"));
    ASSERT_TRUE(QDir().mkpath(scratch.filePath("Locked")));
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    const bool writable = ::access(folder.constData(), W_OK) == 0;
    const int word = attributeWord(scratch.filePath("Locked"));
    bool isOk = false;
    const QString verdict = DirectoryInfo(scratch.filePath("Locked"), &isOk);
    ::chmod(folder.constData(), 0755);
    EXPECT_EQ(word, writable ? 16 : 17);
    if (writable)
        GTEST_SKIP() << "this user may write every folder, so none is read-only";
    EXPECT_EQ(verdict, "Valid read only directory, can open.");
    EXPECT_TRUE(isOk);
}

TEST(DirectoryClassification, NetworkPlacesAndTheRecycleBinFolderOverride) {
    bool isOk = false;
    QString moreInfo;
    EXPECT_EQ(DirectoryInfo(" SHELL:networkplacesfolder\\ ", &isOk, &moreInfo),
              "Network directory.");
    EXPECT_TRUE(isOk);
    EXPECT_EQ(moreInfo, "Network");
    DirectoryInfo("shell:NetworkPlacesFolder\\x", &isOk);
    EXPECT_FALSE(isOk);

    test::ScopedEnvironment environment;
    environment.set("SystemDrive", "C:");
    EXPECT_EQ(DirectoryInfo(" c:\\$RECYCLE.BIN\\RECYCLE BIN ", &isOk, &moreInfo),
              "System recycle bin directory.");
    EXPECT_TRUE(isOk);
    EXPECT_EQ(moreInfo, "recycle bin");
    DirectoryInfo("D:\\$Recycle.Bin\\Recycle bin", &isOk);
    EXPECT_FALSE(isOk);
}

class OpenDirTest : public testing::Test {
protected:
    FakePlatform fakes;
    test::TempUserFolders folders;
};

TEST_F(OpenDirTest, RecycleBinFoldersOnAnyDriveOpenTheShellsRecycleBin) {
    for (const char* entry : {"C:\\$Recycle.Bin\\Recycle Bin", " d:\\$RECYCLE.BIN\\RECYCLE BIN ",
                              ":recyclebin:", "  :RecycleBin:  "})
        EXPECT_TRUE(OpenDir(entry)) << entry;
    EXPECT_EQ(fakes.shell->targets(), QStringList(4, "shell:RecycleBinFolder"));
    // Here, unlike for folders, the shell's answer counts.
    fakes.shell->result = platform::ShellResult::NoAssociation;
    EXPECT_FALSE(OpenDir(":RecycleBin:"));

    fakes.shell->calls.clear();
    EXPECT_FALSE(OpenDir("C:\\$RECYCLE.BIN\\Recycle Bin\\Sub"));
    QDir().mkpath(folders.trash() + "/Sub");
    EXPECT_TRUE(OpenDir("C:\\$RECYCLE.BIN\\Recycle Bin\\Sub"));
    EXPECT_EQ(fakes.shell->targets(), QStringList{folders.trash() + "/Sub"});
}

TEST_F(OpenDirTest, OpensOnlyWhatClassifiesAsADirectory) {
    QDir().mkpath(folders.folder("Docs") + "/Letters");
    QTemporaryDir scratch;
    QFile(scratch.filePath("a.txt")).open(QIODevice::WriteOnly);
    fakes.shell->result = platform::ShellResult::FileNotFound;

    EXPECT_TRUE(OpenDir(":documents:\\Letters\\"));
    EXPECT_TRUE(OpenDir(" " + scratch.path() + "/ "));
    EXPECT_TRUE(OpenDir(":Network:\\x"));
    EXPECT_FALSE(OpenDir(scratch.filePath("a.txt")));
    EXPECT_FALSE(OpenDir(scratch.filePath("missing")));
    EXPECT_FALSE(OpenDir(""));
    EXPECT_EQ(fakes.shell->targets(), QStringList({folders.folder("Docs") + "/Letters",
                                                   scratch.path(), "shell:NetworkPlacesFolder"}));
    EXPECT_EQ(fakes.shell->calls[0].parameters, "");
    EXPECT_EQ(fakes.shell->calls[0].mode, platform::ShowMode::Normal);
}

} // namespace
} // namespace pathwick

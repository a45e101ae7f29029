#include "DirListTestSupport.h"

#include "dirlist/DirectoryInfo.h"

#include <sys/stat.h>

namespace pathwick::test {
namespace {

// No bit is masked off: a directory with a further bit is no directory.
TEST(DirectoryClassification, AttributeWordsAreUsedWhole) {
    EXPECT_TRUE(classifyAttributeWord(16, "Site").isOk);
    for (int word : {48, 19}) {
        const DirectoryVerdict verdict = classifyAttributeWord(word, "Site");
        EXPECT_FALSE(verdict.isOk) << word;
        EXPECT_EQ(verdict.moreInfo, "Object type = " + QString::number(word));
    }
}

TEST(DirectoryClassification, RealFilesFoldersAndOthers) {
    QTemporaryDir scratch;
    const auto path = [&](const char* name) { return scratch.filePath(name); };
    QDir().mkpath(path("Site"));
    QDir().mkpath(path(".cache"));
    QFile(path("notes.txt")).open(QIODevice::WriteOnly);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    QFile::link(path("Site"), path("link"));
    QFile::link(path("gone"), path("broken"));
    const std::pair<QString, int> words[] = {
        {path("Site"), 16}, {path(".cache"), 18}, {path("notes.txt"), 32},
        {path("pipe"), 4},  {path("link"), 16},   {path("broken"), -1},
        {"   ", -2},
    };
    for (const auto& [file, word] : words)
        EXPECT_EQ(attributeWord(file), word) << file.toStdString();
}

// Only the places themselves: a folder below them, or another drive's bin, is a path.
TEST(DirectoryClassification, NetworkPlacesAndTheSystemDrivesRecycleBin) {
    ScopedEnvironment environment;
    environment.set("SystemDrive", "C:");
    const std::pair<QString, QString> cases[] = {
        {" SHELL:networkplacesfolder\\ ", "Network directory."},
        {" c:\\$RECYCLE.BIN\\RECYCLE BIN ", "System recycle bin directory."},
        {"shell:NetworkPlacesFolder\\x", "Can't find this object\r\nor object error."},
        {"D:\\$Recycle.Bin\\Recycle bin", "Can't find this object\r\nor object error."},
    };
    for (const auto& [path, text] : cases)
        EXPECT_EQ(DirectoryInfo(path), text) << path.toStdString();
}

using OpenDirTest = DirListTest;

// The editor classifies what the token expands to; the trash folder is the recycle bin whether
// the account has trashed anything yet or not, as the opening run treats it.
TEST_F(OpenDirTest, TheTrashFolderIsTheRecycleBinBeforeItExists) {
    for (const bool exists : {false, true}) {
        SCOPED_TRACE(exists);
        if (exists) {
            ASSERT_TRUE(QDir().mkpath(folders.trash()));
        }
        bool isOk = false;
        QString moreInfo;
        EXPECT_EQ(DirectoryInfo(RealPathFromStr(" :recyclebin:\\ "), &isOk, &moreInfo),
                  "System recycle bin directory.");
        EXPECT_TRUE(isOk);
        EXPECT_EQ(moreInfo, "recycle bin");
        fakes.shell->calls.clear();
        EXPECT_TRUE(OpenDir(RealPathFromStr(":RecycleBin:")));
        EXPECT_EQ(fakes.shell->targets(), QStringList{"shell:RecycleBinFolder"});
    }
}

} // namespace
} // namespace pathwick::test

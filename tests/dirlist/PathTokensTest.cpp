#include "DirListTestSupport.h"

#include "common/Version.h"
#include "dirlist/PathTokens.h"

namespace pathwick::test {
namespace {

TEST(PathTokens, EveryTokenInAnyLetterCaseAndSeparatorsJoinedOnce) {
    TempUserFolders folders;
    const QString docs = folders.folder("Docs");
    const QString shared = folders.folder("Shared");
    const std::pair<QString, QString> cases[] = {
        {":AppPath:\\Help.html", ProgramFolder() + "/Help.html"},
        {"  :DOCUMENTS:\\Letters  ", docs + "/Letters"},
        {":publicmusic:\\Rock", shared + "/Music/Rock"},
        {":SysDrive:\\etc", "/etc"},
        {":RecycleBin:\\Sub", folders.trash() + "/Sub"},
        // The token's folder and the rest meet in one separator; one trailing one goes.
        {":Documents:", docs},
        {":Documents:Letters", docs + "/Letters"},
        {":Documents:\\Letters\\Old\\", docs + "/Letters/Old"},
        {":SysDrive:\\", "/"},
        // Without a token only the outer spaces and one trailing separator go.
        {"C:\\x\\:Documents:", "C:\\x\\:Documents:"},
        {"  /home/someone/  ", "/home/someone"},
        {"\\Work\\Site\\", "\\Work\\Site"},
        {"   ", ""},
    };
    for (const auto& [entry, expected] : cases)
        EXPECT_EQ(RealPathFromStr(entry), expected) << entry.toStdString();
}

TEST(PathTokens, PublicShareDefaultsToPublicInHome) {
    TempUserFolders folders;
    folders.writeUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    EXPECT_EQ(RealPathFromStr(":PublicPictures:"), folders.home() + "/Public/Pictures");
}

TEST(PathTokens, ExpanderLooksFoldersUpOncePerRun) {
    TempUserFolders folders;
    PathExpander expander;
    EXPECT_EQ(expander.expand(":Documents:\\a"), folders.folder("Docs") + "/a");

    folders.writeUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Elsewhere\"\n");
    EXPECT_EQ(expander.expand(":Documents:\\c"), folders.folder("Docs") + "/c");
    EXPECT_EQ(RealPathFromStr(":Documents:\\c"), folders.folder("Elsewhere") + "/c");
}

} // namespace
} // namespace pathwick::test

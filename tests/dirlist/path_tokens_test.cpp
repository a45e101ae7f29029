#include "TempUserFolders.h"

#include "common/Version.h"
#include "dirlist/PathTokens.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

void expectExpansions(const QList<std::pair<QString, QString>>& cases) {
    for (const auto& [entry, expected] : cases)
        EXPECT_EQ(RealPathFromStr(entry), expected) << entry.toStdString();
}

TEST(PathTokens, EveryTokenInAnyLetterCase) {
    test::TempUserFolders folders;
    const QString shared = folders.folder("Shared");
    expectExpansions({
        {":AppPath:\\Help.html", ProgramFolder() + "/Help.html"},
        {":documents:\\Letters", folders.folder("Docs") + "/Letters"},
        {"  :DOCUMENTS:\\Letters  ", folders.folder("Docs") + "/Letters"},
        {":Downloads:\\x", folders.folder("Fetched") + "/x"},
        {":Pictures:\\x", folders.folder("Photos") + "/x"},
        {":Videos:\\x", folders.folder("Films") + "/x"},
        {":Music:\\x", folders.folder("Songs") + "/x"},
        {":PublicDocs:\\x", shared + "/Documents/x"},
        {":PublicDownloads:\\x", shared + "/Downloads/x"},
        {":PublicPictures:\\x", shared + "/Pictures/x"},
        {":PublicVideos:\\x", shared + "/Videos/x"},
        {":publicmusic:\\Rock", shared + "/Music/Rock"},
        {":Desktop:\\x", folders.folder("Table") + "/x"},
        {":SysDrive:\\etc", "/etc"},
        {":NETWORK:\\Anything", "shell:NetworkPlacesFolder"},
        {":RecycleBin:\\Sub", folders.trash() + "/Sub"},
    });
}

TEST(PathTokens, SeparatorsJoinOnceAndOneTrailingSeparatorGoes) {
    test::TempUserFolders folders;
    const QString documents = folders.folder("Docs");
    expectExpansions({
        {":Documents:", documents},
        {":Documents:\\", documents},
        {":Documents:Letters", documents + "/Letters"},
        {":Documents:\\Letters\\Old\\", documents + "/Letters/Old"},
        {":SysDrive:", "/"},
        {":SysDrive:\\", "/"},
        // Without a token only the outer spaces and one trailing separator go.
        {"C:\\x\\:Documents:", "C:\\x\\:Documents:"},
        {"D:\\", "D:"},
        {"D:\\Data\\\\", "D:\\Data\\"},
        {"  /home/someone/  ", "/home/someone"},
        {"/", "/"},
        {"\\Work\\Site\\", "\\Work\\Site"},
        {"shell:NetworkPlacesFolder", "shell:NetworkPlacesFolder"},
        {"   ", ""},
    });
}

TEST(PathTokens, PublicShareDefaultsToPublicInHome) {
    test::TempUserFolders folders;
    folders.writeUserDirs(QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n"));
    EXPECT_EQ(RealPathFromStr(":PublicPictures:"), folders.home() + "/Public/Pictures");
}

TEST(PathTokens, ExpanderLooksFoldersUpOncePerRun) {
    test::TempUserFolders folders;
    PathExpander expander;
    for (const char* entry : {":Documents:\\a", "/plain/", ":network:", "  :SysDrive:\\tmp  "})
        EXPECT_EQ(expander.expand(entry), RealPathFromStr(entry)) << entry;

    folders.writeUserDirs(QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/Elsewhere\"\n"));
    EXPECT_EQ(expander.expand(":Documents:\\c"), folders.folder("Docs") + "/c");
    EXPECT_EQ(RealPathFromStr(":Documents:\\c"), folders.folder("Elsewhere") + "/c");
}

} // namespace
} // namespace pathwick

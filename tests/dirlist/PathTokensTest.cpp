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
        {":RecycleBin:\\Sub", folders.trash() + "/Sub"},
        // The token's folder and the rest meet in one separator; one trailing one goes.
        {":Documents:", docs},
        {":Documents:Letters", docs + "/Letters"},
        {":SysDrive:\\", "/"},
        // Without a token only the outer spaces and one trailing separator go.
        {"C:\\x\\:Documents:", "C:\\x\\:Documents:"},
        {"  /home/someone/  ", "/home/someone"},
        {"\\Work\\Site\\", "\\Work\\Site"},
    };
    for (const auto& [entry, expected] : cases)
        EXPECT_EQ(RealPathFromStr(entry), expected) << entry.toStdString();
}

} // namespace
} // namespace pathwick::test

#include "DirListTestSupport.h"
#include "common/Version.h"

#include "dirlist/OpeningRun.h"

namespace pathwick::test {
namespace {

using OpeningRunTest = DirListTest;

// The launcher test checks the run's text with every kind of entry; here the captions.
TEST_F(OpeningRunTest, TheVersionCaptionUnlessSomethingFailed) {
    const QString work = folders.home() + "/Work";
    QDir().mkpath(work);
    // A drive tries the entries whose expansion lies on it.
    store({work, ":Documents:", folders.home() + "/Missing", "/tmp"});
    EXPECT_EQ(runOpeningRun("/media/E").caption, VersionCaption());
    const OpeningRunResult run = runOpeningRun("&" + folders.home());
    EXPECT_EQ(run.caption, "Can't open or find some directories:");
    EXPECT_EQ(run.tried, 3);
    EXPECT_FALSE(run.allOpened);
    EXPECT_EQ(fakes.shell->targets(), QStringList({work, folders.folder("Docs")}));
}

} // namespace
} // namespace pathwick::test

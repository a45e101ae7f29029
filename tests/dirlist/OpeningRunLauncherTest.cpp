#include "DirListTestSupport.h"

#include "dirlist/OpeningRun.h"
#include "platform/Platform.h"
#include "support/LaunchRecorder.h"

namespace pathwick::test {
namespace {

// From the store through the real launcher to the opener, here the test recorder:
// every kind of entry, in store order. A relative entry reaches the opener by its whole path:
// given as it stands, the folder "mailto:x" would read as an address. (bench_opening_run
// times 1,000.)
TEST(OpeningRunThroughTheLauncher, EveryKindOfEntryReachesTheOpenerInStoreOrder) {
    TempStore store;
    TempUserFolders folders;
    QTemporaryDir scratch;
    LaunchRecorder recorder;
    platform::reset();
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scratch.path()));
    for (const char* name : {"d", "mailto:x"})
        ASSERT_TRUE(QDir().mkpath(scratch.filePath(name)));
    ASSERT_TRUE(QDir().mkpath(folders.folder("Docs/t")));
    ASSERT_TRUE(QFile(scratch.filePath("file")).open(QIODevice::WriteOnly));

    // Each entry with what the opener is to be given for it ("" for nothing).
    const std::pair<QString, QString> planned[] = {
        {scratch.filePath("d"), scratch.filePath("d")},
        {":RecycleBin:", "trash:///"},
        {scratch.filePath("missing"), ""},
        {"C:\\$RECYCLE.BIN\\Recycle Bin", "trash:///"},
        {":Documents:\\t", folders.folder("Docs/t")},
        {":Network:\\Anything", "network:///"},
        {scratch.filePath("file"), ""},
        {"mailto:x", scratch.filePath("mailto:x")},
    };
    QStringList entries;
    QStringList expectedTargets;
    QString expectedLines = "Opening:\r\n";
    for (const auto& [entry, target] : planned) {
        entries.append(entry);
        if (!target.isEmpty())
            expectedTargets.append(target);
        expectedLines += (target.isEmpty() ? "Can't find; \t" : "Opened dir; \t") + entry + "\r\n";
    }
    ASSERT_TRUE(saveStoredEntries(entries, Moment));

    const OpeningRunResult run = runOpeningRun("");
    QDir::setCurrent(working);
    EXPECT_EQ(run.text, "Failed to open 2 out of 8 directories.\r\n"
                        "Click on Menu - Settings to edit list of directories.\r\n\r\n" +
                            expectedLines);
    EXPECT_EQ(recorder.launches(expectedTargets.size()).join("\n").toStdString(),
              expectedTargets.join("\n").toStdString());
    platform::reset();
}

// An opener without a handler for the trash (xdg-open exits 3 or 4 then) has shown nothing: the
// entry is a failure. One that is still busy after a while is showing it.
TEST(OpeningRunThroughTheLauncher, TheRecycleBinCountsOnlyWhenTheOpenerSaysSo) {
    TempStore store;
    TempUserFolders folders;
    QTemporaryDir scratch;
    const QString opener = scratch.filePath("opener.sh");
    ScopedEnvironment environment;
    environment.set("PATHWICK_OPENER", opener.toLocal8Bit());
    ASSERT_TRUE(saveStoredEntries({":RecycleBin:"}, Moment));
    const std::pair<QByteArray, bool> openers[] = {
        {"exit 0", true}, {"exit 4", false}, {"kill -9 $$", false}, {"exec sleep 4", true}};
    for (const auto& [body, opened] : openers) {
        SCOPED_TRACE(body.toStdString());
        writeBytes(opener, "#!/bin/sh\n" + body + "\n");
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        platform::reset();
        const OpeningRunResult run = runOpeningRun("");
        EXPECT_EQ(run.opened, opened ? 1 : 0);
        EXPECT_EQ(run.allOpened, opened);
    }
    platform::reset();
}

} // namespace
} // namespace pathwick::test

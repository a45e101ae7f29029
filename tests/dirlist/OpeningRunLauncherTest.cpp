#include "DirListTestSupport.h"

#include "common/ValueFormats.h"
#include "dirlist/OpeningRun.h"
#include "platform/Platform.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>

namespace pathwick::test {
namespace {

// The targets the recorder got, in launch order, once `expected` lines are there (or after a
// minute).
QStringList recordedTargets(const QString& recordFile, qsizetype expected) {
    QList<std::pair<qint64, QString>> lines;
    for (const QDeadlineTimer deadline(60000); lines.size() < expected && !deadline.hasExpired();
         QThread::msleep(20)) {
        lines.clear();
        for (const QByteArray& line : readBytes(recordFile).split('\n'))
            if (const qsizetype tab = line.indexOf('\t'); tab > 0)
                lines.append(
                    {line.left(tab).toLongLong(), QString::fromLocal8Bit(line.mid(tab + 1))});
    }
    std::sort(lines.begin(), lines.end());
    QStringList targets;
    for (const auto& line : lines)
        targets.append(line.second);
    return targets;
}

// From the store through the real launcher to the opener, here a recorder of the test's own.
TEST(OpeningRunThroughTheLauncher, ThousandEntriesOpenInStoreOrder) {
    TempStore store;
    TempUserFolders folders;
    QTemporaryDir scratch;
    const QString recordFile = scratch.filePath("opened.txt");
    const QString recorder = scratch.filePath("recorder.sh");
    writeBytes(recorder,
               "#!/bin/sh\nprintf '%s\\t%s\\n' \"$PATHWICK_LAUNCH_SEQUENCE\" \"$*\" >> '" +
                   recordFile.toLocal8Bit() + "'\n");
    QFile::setPermissions(recorder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ScopedEnvironment environment;
    environment.set("PATHWICK_OPENER", recorder.toLocal8Bit());
    platform::reset();

    // Each entry with what the opener is to be given for it ("" for nothing).
    using Planned = std::pair<QString, QString>;
    QList<Planned> planned;
    for (int i = 0; i < 1000; ++i) {
        const QString n = QString::number(i);
        const QString folder = scratch.filePath("d" + n);
        const QString document = folders.folder("Docs") + "/t" + n;
        const QString desktop = folders.folder("Table") + "/s" + n;
        if (i == 100)
            planned.append(Planned{":RecycleBin:", "trash:///"});
        else if (i == 300)
            planned.append(Planned{"C:\\$RECYCLE.BIN\\Recycle Bin", "trash:///"});
        else if (i == 200)
            planned.append(Planned{":Network:\\Anything", "network:///"});
        else if (i % 5 == 0 && QDir().mkpath(folder))
            planned.append(Planned{folder, folder});
        else if (i % 5 == 1)
            planned.append(Planned{scratch.filePath("missing" + n), ""});
        else if (i % 10 == 2 && QDir().mkpath(document))
            planned.append(Planned{":Documents:\\t" + n, document});
        else if (i % 10 == 7)
            planned.append(Planned{":Documents:\\t" + n, ""});
        else if (i % 5 == 3 && QFile(folder).open(QIODevice::WriteOnly))
            planned.append(Planned{folder, ""});
        else if (QDir().mkpath(desktop))
            planned.append(Planned{":desktop:\\s" + n + "\\", desktop});
    }
    ASSERT_EQ(planned.size(), 1000);
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
    EXPECT_EQ(run.caption, "Can't open or find some directories:");
    EXPECT_EQ(run.tried, 1000);
    EXPECT_EQ(run.opened, expectedTargets.size());
    EXPECT_FALSE(run.allOpened);
    EXPECT_EQ(run.text, "Failed to open " + formatThousands(1000 - expectedTargets.size()) +
                            " out of 1,000 directories.\r\n"
                            "Click on Menu - Settings to edit list of directories.\r\n\r\n" +
                            expectedLines);
    EXPECT_EQ(recordedTargets(recordFile, expectedTargets.size()), expectedTargets);
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

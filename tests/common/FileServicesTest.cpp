#include "common/FileServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace pathwick;

namespace {

QString writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

} // namespace

TEST(FileServices, ExistsOnlyForFilesThatOpen) {
    QTemporaryDir dir;
    const QString file = writeFile(dir.filePath("list.dirl"), "abc");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.filePath("missing.txt")));
    EXPECT_FALSE(FileExists(""));
    // Wildcards are names, not patterns.
    EXPECT_FALSE(FileExists(dir.filePath("*.dirl")));
    EXPECT_FALSE(FileExists(dir.filePath("list.dir?")));

    if (geteuid() != 0) {
        const QString locked = writeFile(dir.filePath("locked.txt"), "x");
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        EXPECT_FALSE(FileExists(locked));
    }
}

TEST(FileServices, LongPathsAreFound) {
    QTemporaryDir dir;
    QString folder = dir.path();
    while (folder.size() < 300)
        folder += "/a-rather-long-folder-name";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = writeFile(folder + "/file.txt", "12345");
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(GetFileSize(file), 5);
}

TEST(FileServices, SizeOrMinusOne) {
    QTemporaryDir dir;
    EXPECT_EQ(GetFileSize(writeFile(dir.filePath("empty.key"), "")), 0);
    EXPECT_EQ(GetFileSize(writeFile(dir.filePath("some.key"), QByteArray(20001, 'x'))), 20001);
    EXPECT_EQ(GetFileSize(dir.filePath("missing.key")), -1);
    EXPECT_EQ(GetFileSize(dir.path()), -1);
    EXPECT_EQ(GetFileSize(""), -1);
}

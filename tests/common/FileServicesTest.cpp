#include "common/FileServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick;

TEST(FileServices, ExistsAndSizeOnlyForFiles) {
    QTemporaryDir dir;
    const auto make = [](const QString& path, const QByteArray& content) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    };
    const std::pair<QString, qint64> files[] = {
        {make(dir.filePath("empty.key"), ""), 0},
        {make(dir.filePath("some.key"), QByteArray(20001, 'x')), 20001},
        // Folders, missing files and wildcards (names, not patterns) are not files.
        {dir.path(), -1},
        {dir.filePath("missing.txt"), -1},
        {"", -1},
        {dir.filePath("some.ke?"), -1},
    };
    for (const auto& [path, size] : files) {
        EXPECT_EQ(FileExists(path), size >= 0) << path.toStdString();
        EXPECT_EQ(GetFileSize(path), size) << path.toStdString();
    }
}

#include "common/FileServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pathwick {

namespace {

constexpr int ReadOnly = 1;
constexpr int Hidden = 2;
constexpr int System = 4;
constexpr int Directory = 16;
constexpr int Archive = 32;

bool isDotName(const QString& path) {
    return QFileInfo(QDir::cleanPath(path)).fileName().startsWith(u'.');
}

} // namespace

int attributeWord(const QString& path) {
    if (path.trimmed().isEmpty())
        return -2;
    const QFileInfo info(path);
    if (!info.exists())
        return -1;
    int word = 0;
    if (info.isDir())
        word |= Directory;
    else if (info.isFile())
        word |= Archive;
    else
        word |= System; // devices, sockets and pipes
    if (!info.isWritable())
        word |= ReadOnly;
    if (isDotName(path))
        word |= Hidden;
    return word;
}

bool FileExists(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

qint64 GetFileSize(const QString& filePath) {
    if (filePath.isEmpty())
        return -1;
    const QFileInfo info(filePath);
    return info.isFile() ? info.size() : -1;
}

QString FileNameOfPath(const QString& path) {
    const qsizetype last = qMax(path.lastIndexOf('\\'), path.lastIndexOf('/'));
    return path.mid(last + 1);
}

} // namespace pathwick

#include "common/FileServices.h"

#include <QFile>
#include <QFileInfo>

namespace pathwick {

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

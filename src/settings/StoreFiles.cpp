#include "settings/StoreFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pathwick::store {

namespace {

const char* const Companions[] = {"-wal", "-shm"};

bool takenAside(const QString& candidate) {
    for (const QString& path : {candidate, candidate + QLatin1String(Companions[0]),
                                candidate + QLatin1String(Companions[1])})
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            return true;
    return false;
}

} // namespace

int makeStoreFolder(const QString& storeFile) {
    const QString folder = QFileInfo(storeFile).absolutePath();
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path;
    for (const QString& part : parts) {
        path += QLatin1Char('/') + part;
        const QByteArray native = QFile::encodeName(path);
        if (::mkdir(native.constData(), 0700) == 0 || errno == EEXIST)
            continue;
        return errno;
    }
    return 0;
}

int makeStoreFile(const QString& storeFile) {
    const QByteArray native = QFile::encodeName(storeFile);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return 0;
    }
    return errno == EEXIST ? 0 : errno;
}

QString moveStoreAside(const QString& storeFile, const QDateTime& now) {
    const QString base = storeFile + QStringLiteral(".corrupt-") +
                         now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    for (int attempt = 1; attempt < 1000; ++attempt) {
        const QString target =
            attempt == 1 ? base : base + QLatin1Char('-') + QString::number(attempt);
        if (takenAside(target))
            continue;
        // QFile::rename refuses to replace an existing file.
        if (!QFile::rename(storeFile, target)) {
            if (QFileInfo::exists(target))
                continue;
            return {};
        }
        // The companions belong to the moved file; left behind they would be replayed into
        // the fresh store.
        for (const char* suffix : Companions) {
            const QString companion = storeFile + QLatin1String(suffix);
            if (QFileInfo::exists(companion))
                QFile::rename(companion, target + QLatin1String(suffix));
        }
        return target;
    }
    return {};
}

} // namespace pathwick::store

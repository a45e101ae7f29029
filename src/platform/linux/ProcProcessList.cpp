#include "platform/linux/ProcProcessList.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace pathwick::platform {

ProcProcessList::ProcProcessList(QString procRoot) : procRoot_(std::move(procRoot)) {}

QString executableBaseName(const QString& linkTarget) {
    QString path = linkTarget;
    static const QLatin1StringView deleted(" (deleted)");
    if (path.endsWith(deleted))
        path.chop(deleted.size());
    return path.mid(path.lastIndexOf(u'/') + 1);
}

std::optional<QStringList> ProcProcessList::executableNames() {
    const QDir proc(procRoot_);
    if (!proc.exists() || !proc.isReadable())
        return std::nullopt;
    QList<qulonglong> pids;
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isNumber = false;
        const qulonglong pid = entry.toULongLong(&isNumber);
        if (isNumber)
            pids.append(pid);
    }
    std::sort(pids.begin(), pids.end());

    const uid_t me = getuid();
    QStringList names;
    for (qulonglong pid : pids) {
        const QString folder = procRoot_ + u'/' + QString::number(pid);
        struct stat status {};
        if (stat(QFile::encodeName(folder).constData(), &status) != 0 || status.st_uid != me)
            continue;
        char target[4096];
        const ssize_t length = readlink(
            QFile::encodeName(folder + QStringLiteral("/exe")).constData(), target, sizeof target);
        if (length > 0)
            names.append(executableBaseName(QFile::decodeName(QByteArray(target, length))));
    }
    return names;
}

} // namespace pathwick::platform

#include "dirlist/UserFolders.h"

#include "common/Version.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

namespace pathwick {

namespace {

QString standardFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location);
}

// Qt has no public-share location: read it from user-dirs.dirs the way Qt reads the others.
QString publicShareFolder() {
    const QString home = QDir::homePath();
    QFile file(standardFolder(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/user-dirs.dirs"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream stream(&file);
        const QString key = QStringLiteral("XDG_PUBLICSHARE_DIR=");
        while (!stream.atEnd()) {
            const QString line = stream.readLine().trimmed();
            if (!line.startsWith(key))
                continue;
            QString value = line.mid(key.size());
            value.remove(u'"');
            if (value.startsWith(QStringLiteral("$HOME")))
                value.replace(0, 5, home);
            if (QDir::isAbsolutePath(value))
                return QDir::cleanPath(value);
        }
    }
    return home + QStringLiteral("/Public");
}

} // namespace

QString userFolderPath(UserFolder folder) {
    switch (folder) {
    case UserFolder::AppPath:
        return ProgramFolder();
    case UserFolder::Documents:
        return standardFolder(QStandardPaths::DocumentsLocation);
    case UserFolder::Downloads:
        return standardFolder(QStandardPaths::DownloadLocation);
    case UserFolder::Pictures:
        return standardFolder(QStandardPaths::PicturesLocation);
    case UserFolder::Videos:
        return standardFolder(QStandardPaths::MoviesLocation);
    case UserFolder::Music:
        return standardFolder(QStandardPaths::MusicLocation);
    case UserFolder::Desktop:
        return standardFolder(QStandardPaths::DesktopLocation);
    case UserFolder::PublicShare:
        return publicShareFolder();
    case UserFolder::SystemRoot:
        return QStringLiteral("/");
    case UserFolder::RecycleBin:
        return standardFolder(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files");
    }
    return {};
}

} // namespace pathwick

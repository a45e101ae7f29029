#include "dirlist/UserFolders.h"

#include "common/Version.h"
#include "platform/Environment.h"

#include <QStandardPaths>

namespace pathwick {

namespace {

QString standardFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location);
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
        return platform::publicShareFolder();
    case UserFolder::SystemRoot:
        return QStringLiteral("/");
    case UserFolder::RecycleBin:
        return standardFolder(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files");
    }
    return {};
}

} // namespace pathwick

#include "common/Version.h"

#include "common/BuildInfo.h"
#include "common/CommonTexts.h"
#include "common/ValueFormats.h"
#include "settings/Catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pathwick {

namespace {

QFileInfo executableFile() {
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath());
    // Before the application object exists (start-up checks) the kernel still knows.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
}

} // namespace

QString VersionText() {
    return QString::number(build_info::VersionMajor) + '.' +
           formatMinDigits(build_info::VersionMinor, 2) + '.' +
           formatMinDigits(build_info::VersionRevision, 4);
}

QString VersionCaption() {
    return ProductName + QString(texts::VersionCaptionMiddle) + VersionText();
}

QString getAppDate() {
    return texts::AppDate;
}

QString SavedWithStamp(const QString& origin) {
    return QString::fromLatin1(texts::SavedWithStamp)
        .arg(QString::fromLatin1(ProductName), VersionText(), getAppDate(), origin);
}

QString ExecutableSuffix() {
#ifdef Q_OS_WIN
    return QStringLiteral(".exe");
#else
    return QString();
#endif
}

QString ExecutableName() {
    QString name = executableFile().fileName();
    const QString suffix = ExecutableSuffix();
    if (!suffix.isEmpty() && name.endsWith(suffix, Qt::CaseInsensitive))
        name.chop(suffix.size());
    return name;
}

QString readOnlyFolderFor(const QString& executableFolder) {
    const QFileInfo data(QDir(executableFolder).filePath(build_info::DataFolderFromBin));
    if (data.isDir())
        return data.canonicalFilePath();
    return executableFolder;
}

QString ProgramFolder() {
    return readOnlyFolderFor(executableFile().absolutePath());
}

QString ProgramWriteFolder() {
    const QString folder = executableFile().absolutePath();
    if (QFileInfo(folder).isWritable())
        return folder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         '/' + texts::DataFolderName;
    QDir().mkpath(data);
    return data;
}

} // namespace pathwick

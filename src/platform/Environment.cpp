#include "platform/Environment.h"

#include "platform/linux/UserDirs.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <pwd.h>
#include <unistd.h>

namespace pathwick::platform {

namespace {

QString homeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    return home.isEmpty() ? QDir::homePath() : home;
}

QString userName() {
    const QString user = qEnvironmentVariable("USER");
    if (!user.isEmpty())
        return user;
    const passwd* entry = getpwuid(getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

QString configHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// What a Windows variable stands for here; "" when the name is not one of them (HomeDrive
// and SystemDrive among them: paths here have no drive part).
QString windowsEquivalent(const QString& name) {
    const QString lower = name.toLower();
    if (lower == u"userprofile")
        return homeFolder();
    if (lower == u"username")
        return userName();
    if (lower == u"computername")
        return QSysInfo::machineHostName();
    if (lower == u"appdata")
        return configHome();
    if (lower == u"os")
        return QStringLiteral("Linux");
    if (lower == u"number_of_processors")
        return QString::number(QThread::idealThreadCount());
    if (lower == u"public")
        return publicShareFolder();
    return {};
}

} // namespace

QString environmentValue(const QString& name) {
    if (name.isEmpty())
        return {};
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (environment.contains(name))
        return environment.value(name);
    for (const QString& key : environment.keys())
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return environment.value(key);
    return windowsEquivalent(name);
}

QString publicShareFolder() {
    QFile file(configHome() + QStringLiteral("/user-dirs.dirs"));
    QString folder;
    if (file.open(QIODevice::ReadOnly))
        folder = userDirFromUserDirs(QString::fromUtf8(file.readAll()),
                                     QStringLiteral("XDG_PUBLICSHARE_DIR"), homeFolder());
    return folder.isEmpty() ? homeFolder() + QStringLiteral("/Public") : folder;
}

} // namespace pathwick::platform

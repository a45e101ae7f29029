#pragma once

#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace pathwick::test {

// A home of its own with user-dirs.dirs naming every user folder under it (with names that
// differ from the defaults, so a test sees that the desktop's names are used), and a data
// folder of its own for the trash.
class TempUserFolders {
public:
    TempUserFolders()
        : home_(QDir(root_.path()).filePath(QStringLiteral("home"))),
          config_(QDir(root_.path()).filePath(QStringLiteral("config"))),
          data_(QDir(root_.path()).filePath(QStringLiteral("data"))) {
        environment_.set("HOME", home_.toLocal8Bit());
        environment_.set("XDG_CONFIG_HOME", config_.toLocal8Bit());
        environment_.set("XDG_DATA_HOME", data_.toLocal8Bit());
        QDir().mkpath(home_);
        QDir().mkpath(config_);
        QDir().mkpath(data_);
        writeUserDirs(QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n"
                                     "XDG_DOWNLOAD_DIR=\"$HOME/Fetched\"\n"
                                     "XDG_PICTURES_DIR=\"$HOME/Photos\"\n"
                                     "XDG_VIDEOS_DIR=\"$HOME/Films\"\n"
                                     "XDG_MUSIC_DIR=\"$HOME/Songs\"\n"
                                     "XDG_DESKTOP_DIR=\"$HOME/Table\"\n"
                                     "XDG_PUBLICSHARE_DIR=\"$HOME/Shared\"\n"));
    }

    void writeUserDirs(const QString& text) {
        QFile file(config_ + QStringLiteral("/user-dirs.dirs"));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(text.toUtf8());
    }

    QString home() const { return home_; }
    QString data() const { return data_; }
    QString folder(const char* name) const { return home_ + u'/' + QLatin1String(name); }
    QString trash() const { return data_ + QStringLiteral("/Trash/files"); }

private:
    QTemporaryDir root_;
    QString home_;
    QString config_;
    QString data_;
    ScopedEnvironment environment_;
};

} // namespace pathwick::test

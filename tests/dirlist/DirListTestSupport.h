#pragma once

#include "dirlist/DirectoryStore.h"
#include "platform/fake/FakePlatform.h"
#include "support/ScopedEnvironment.h"
#include "support/TempStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pathwick::test {

inline const QDateTime Moment(QDate(2026, 12, 5), QTime(2, 18, 17));

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A home of its own whose user-dirs.dirs names every user folder under it, with names unlike
// the defaults so a test sees the desktop's names used, and a data folder for the trash.
class TempUserFolders {
public:
    TempUserFolders() {
        environment_.set("HOME", home().toLocal8Bit());
        environment_.set("XDG_CONFIG_HOME", root_.filePath("config").toLocal8Bit());
        environment_.set("XDG_DATA_HOME", root_.filePath("data").toLocal8Bit());
        QDir().mkpath(root_.filePath("config"));
        writeBytes(root_.filePath("config/user-dirs.dirs"),
                   "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\nXDG_DESKTOP_DIR=\"$HOME/Table\"\n"
                   "XDG_PUBLICSHARE_DIR=\"$HOME/Shared\"\n");
    }

    QString home() const { return root_.filePath("home"); }
    QString folder(const char* name) const { return home() + u'/' + QLatin1String(name); }
    QString trash() const { return root_.filePath("data/Trash/files"); }

private:
    QTemporaryDir root_;
    ScopedEnvironment environment_;
};

// A store, the platform fakes (computer TESTPC, OS unset) and a home of the test's own that
// is a drive below "/"; its Documents folder (Docs) exists.
class DirListTest : public testing::Test {
protected:
    DirListTest() {
        environment.unset("OS");
        fakes.volumes->items = {{"/", "/dev/sda1", "root"}, {folders.home(), "/dev/sdb1", "HOME"}};
        QDir().mkpath(folders.folder("Docs"));
    }

    // A file in the Documents folder.
    QString file(const QString& name) const { return folders.folder("Docs") + u'/' + name; }
    void store(const QStringList& entries) { ASSERT_TRUE(saveStoredEntries(entries, Moment)); }

    TempStore tempStore;
    platform::fake::FakePlatform fakes;
    TempUserFolders folders;
    ScopedEnvironment environment;
};

} // namespace pathwick::test

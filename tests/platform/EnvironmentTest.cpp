#include "platform/Environment.h"
#include "platform/linux/UserDirs.h"

#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;
using pathwick::test::ScopedEnvironment;

TEST(Environment, NamesMatchWithoutRegardToCase) {
    ScopedEnvironment environment;
    environment.set("PathwickProbe_Value", "found it");
    EXPECT_EQ(environmentValue(QStringLiteral("PATHWICKPROBE_VALUE")), QStringLiteral("found it"));
    EXPECT_EQ(environmentValue(QStringLiteral("pathwickprobe_value")), QStringLiteral("found it"));
    EXPECT_EQ(environmentValue(QStringLiteral("PathwickProbe_Missing")), QString());
    EXPECT_EQ(environmentValue(QString()), QString());

    // The exact spelling wins when two variables differ only in case.
    environment.set("PATHWICKPROBE_VALUE", "upper");
    EXPECT_EQ(environmentValue(QStringLiteral("PathwickProbe_Value")), QStringLiteral("found it"));
    EXPECT_EQ(environmentValue(QStringLiteral("PATHWICKPROBE_VALUE")), QStringLiteral("upper"));
}

TEST(Environment, WindowsNamesMapToTheirLinuxEquivalents) {
    ScopedEnvironment environment;
    environment.set("HOME", "/home/ann");
    environment.set("USER", "ann");
    environment.set("XDG_CONFIG_HOME", "/home/ann/.cfg");
    for (const char* name : {"USERPROFILE", "USERNAME", "COMPUTERNAME", "APPDATA", "HOMEDRIVE",
                             "SYSTEMDRIVE", "OS", "NUMBER_OF_PROCESSORS", "PUBLIC"})
        environment.unset(name);

    EXPECT_EQ(environmentValue(QStringLiteral("UserProfile")), QStringLiteral("/home/ann"));
    EXPECT_EQ(environmentValue(QStringLiteral("USERNAME")), QStringLiteral("ann"));
    EXPECT_EQ(environmentValue(QStringLiteral("ComputerName")), QSysInfo::machineHostName());
    EXPECT_EQ(environmentValue(QStringLiteral("AppData")), QStringLiteral("/home/ann/.cfg"));
    EXPECT_EQ(environmentValue(QStringLiteral("HomeDrive")), QString());
    EXPECT_EQ(environmentValue(QStringLiteral("SystemDrive")), QString());
    EXPECT_EQ(environmentValue(QStringLiteral("OS")), QStringLiteral("Linux"));
    bool isNumber = false;
    EXPECT_GE(environmentValue(QStringLiteral("Number_of_processors")).toInt(&isNumber), 1);
    EXPECT_TRUE(isNumber);

    environment.unset("XDG_CONFIG_HOME");
    EXPECT_EQ(environmentValue(QStringLiteral("appdata")), QStringLiteral("/home/ann/.config"));
}

TEST(Environment, RealVariablesWinOverTheMapping) {
    ScopedEnvironment environment;
    environment.set("HOME", "/home/ann");
    environment.set("UserProfile", "/profiles/ann");
    environment.set("os", "Custom");
    EXPECT_EQ(environmentValue(QStringLiteral("USERPROFILE")), QStringLiteral("/profiles/ann"));
    EXPECT_EQ(environmentValue(QStringLiteral("OS")), QStringLiteral("Custom"));
}

TEST(Environment, PublicFolderFollowsTheUserDirsFile) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    ScopedEnvironment environment;
    environment.set("HOME", "/home/ann");
    environment.set("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    environment.unset("PUBLIC");
    EXPECT_EQ(publicShareFolder(), QStringLiteral("/home/ann/Public"));

    QFile dirs(config.path() + QStringLiteral("/user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("# written by xdg-user-dirs-update\n"
               "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
               "XDG_PUBLICSHARE_DIR=\"$HOME/Öffentlich\"\n");
    dirs.close();
    EXPECT_EQ(publicShareFolder(), QStringLiteral("/home/ann/Öffentlich"));
    EXPECT_EQ(environmentValue(QStringLiteral("Public")), QStringLiteral("/home/ann/Öffentlich"));
}

TEST(UserDirs, ValuesAsTheFileWritesThem) {
    const QString home = QStringLiteral("/home/ann");
    const QString key = QStringLiteral("XDG_PUBLICSHARE_DIR");
    EXPECT_EQ(
        userDirFromUserDirs(QStringLiteral("XDG_PUBLICSHARE_DIR=\"$HOME/Shared\""), key, home),
        QStringLiteral("/home/ann/Shared"));
    EXPECT_EQ(
        userDirFromUserDirs(QStringLiteral("  XDG_PUBLICSHARE_DIR=\"/srv/public/\"  "), key, home),
        QStringLiteral("/srv/public"));
    EXPECT_EQ(userDirFromUserDirs(QStringLiteral("XDG_PUBLICSHARE_DIR=Public"), key, home),
              QStringLiteral("/home/ann/Public"));
    EXPECT_EQ(userDirFromUserDirs(QStringLiteral("XDG_PUBLICSHARE_DIR=\"$HOME/\""), key, home),
              QStringLiteral("/home/ann"));
    EXPECT_EQ(userDirFromUserDirs(QStringLiteral("XDG_PUBLICSHARE_DIR=\"$HOME/a\"\n"
                                                 "XDG_PUBLICSHARE_DIR=\"$HOME/b\""),
                                  key, home),
              QStringLiteral("/home/ann/b"));
    EXPECT_EQ(userDirFromUserDirs(QStringLiteral("# XDG_PUBLICSHARE_DIR=\"$HOME/x\"\n"
                                                 "XDG_PUBLICSHARE_DIR_OLD=\"$HOME/y\""),
                                  key, home),
              QString());
}

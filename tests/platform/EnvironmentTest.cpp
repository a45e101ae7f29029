#include "platform/Environment.h"
#include "platform/linux/UserDirs.h"

#include "support/ScopedEnvironment.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;
using pathwick::test::ScopedEnvironment;

TEST(Environment, NamesMatchWithoutRegardToCaseTheExactSpellingFirst) {
    ScopedEnvironment environment;
    environment.set("PathwickProbe_Value", "found it");
    EXPECT_EQ(environmentValue("PATHWICKPROBE_VALUE"), "found it");
    EXPECT_EQ(environmentValue("pathwickprobe_value"), "found it");
    EXPECT_EQ(environmentValue("PathwickProbe_Missing"), "");
    EXPECT_EQ(environmentValue(""), "");
    environment.set("PATHWICKPROBE_VALUE", "upper");
    EXPECT_EQ(environmentValue("PathwickProbe_Value"), "found it");
    EXPECT_EQ(environmentValue("PATHWICKPROBE_VALUE"), "upper");
}

TEST(Environment, WindowsNamesMapToTheirLinuxEquivalentsUnlessTheyAreSet) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    ScopedEnvironment environment;
    environment.set("HOME", "/home/ann");
    environment.set("USER", "ann");
    environment.set("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    for (const char* name : {"USERPROFILE", "USERNAME", "COMPUTERNAME", "APPDATA", "HOMEDRIVE",
                             "SYSTEMDRIVE", "OS", "NUMBER_OF_PROCESSORS", "PUBLIC"})
        environment.unset(name);
    const struct {
        const char* name;
        QString value;
    } cases[] = {{"UserProfile", "/home/ann"},
                 {"USERNAME", "ann"},
                 {"ComputerName", QSysInfo::machineHostName()},
                 {"AppData", config.path()},
                 {"HomeDrive", ""},
                 {"SystemDrive", ""},
                 {"OS", "Linux"},
                 {"Public", "/home/ann/Public"}};
    for (const auto& c : cases)
        EXPECT_EQ(environmentValue(c.name), c.value) << c.name;
    EXPECT_GE(environmentValue("Number_of_processors").toInt(), 1);

    QFile dirs(config.filePath("user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PUBLICSHARE_DIR=\"$HOME/Öffentlich\"\n");
    dirs.close();
    EXPECT_EQ(environmentValue("public"), "/home/ann/Öffentlich");
    environment.unset("XDG_CONFIG_HOME");
    EXPECT_EQ(environmentValue("appdata"), "/home/ann/.config");
    environment.set("UserProfile", "/profiles/ann");
    environment.set("os", "Custom");
    EXPECT_EQ(environmentValue("USERPROFILE"), "/profiles/ann");
    EXPECT_EQ(environmentValue("OS"), "Custom");
}

TEST(UserDirs, ValuesAsTheFileWritesThem) {
    const struct {
        const char* text;
        const char* folder;
    } cases[] = {
        {"XDG_PUBLICSHARE_DIR=\"$HOME/Shared\"", "/home/ann/Shared"},
        {"  XDG_PUBLICSHARE_DIR=\"/srv/public/\"  ", "/srv/public"},
        {"XDG_PUBLICSHARE_DIR=Public", "/home/ann/Public"},
        {"XDG_PUBLICSHARE_DIR=\"$HOME/\"", "/home/ann"},
        {"XDG_PUBLICSHARE_DIR=\"$HOME/a\"\nXDG_PUBLICSHARE_DIR=\"$HOME/b\"", "/home/ann/b"},
        {"# XDG_PUBLICSHARE_DIR=\"$HOME/x\"\nXDG_PUBLICSHARE_DIR_OLD=\"$HOME/y\"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(userDirFromUserDirs(c.text, "XDG_PUBLICSHARE_DIR", "/home/ann"), c.folder)
            << c.text;
}

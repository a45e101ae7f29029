#include "platform/Environment.h"
#include "platform/linux/UserDirs.h"

#include "support/ScopedEnvironment.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pathwick::platform;
using pathwick::test::ScopedEnvironment;

TEST(Environment, NamesMatchWithoutRegardToCaseTheExactSpellingFirst) {
    ScopedEnvironment environment;
    environment.set("PathwickProbe_Value", "found it");
    EXPECT_EQ(environmentValue("pathwickprobe_value"), "found it");
    EXPECT_EQ(environmentValue(""), "");
    environment.set("PATHWICKPROBE_VALUE", "upper");
    EXPECT_EQ(environmentValue("PathwickProbe_Value"), "found it");
    EXPECT_EQ(environmentValue("PATHWICKPROBE_VALUE"), "upper");
}

// Windows names stand for their Linux equivalents unless they are set themselves.
TEST(Environment, WindowsNamesMapToTheirLinuxEquivalentsUnlessTheyAreSet) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    ScopedEnvironment environment;
    environment.set("HOME", "/home/ann");
    environment.set("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    for (const char* name : {"USERPROFILE", "APPDATA", "PUBLIC"})
        environment.unset(name);
    EXPECT_EQ(environmentValue("UserProfile"), "/home/ann");
    EXPECT_EQ(environmentValue("AppData"), config.path());
    EXPECT_EQ(environmentValue("Public"), "/home/ann/Public");
    QFile dirs(config.filePath("user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_PUBLICSHARE_DIR=\"$HOME/Öffentlich\"\n");
    dirs.close();
    EXPECT_EQ(environmentValue("public"), "/home/ann/Öffentlich");
    environment.set("UserProfile", "/profiles/ann");
    EXPECT_EQ(environmentValue("USERPROFILE"), "/profiles/ann");
}

TEST(UserDirs, ValuesAsTheFileWritesThem) {
    const struct {
        const char* text;
        const char* folder;
    } cases[] = {{"  XDG_PUBLICSHARE_DIR=\"/srv/public/\"  ", "/srv/public"},
                 {"XDG_PUBLICSHARE_DIR=Public", "/home/ann/Public"},
                 {"# XDG_PUBLICSHARE_DIR=\"$HOME/x\"\nXDG_PUBLICSHARE_DIR_OLD=\"$HOME/y\"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(userDirFromUserDirs(c.text, "XDG_PUBLICSHARE_DIR", "/home/ann"), c.folder)
            << c.text;
}

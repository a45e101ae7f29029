#include "platform/linux/LinuxSystemInfo.h"
#include "platform/linux/TimeZoneMapping.h"

#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <time.h>

using namespace pathwick::platform;

// Biases are minutes behind UTC; the daylight bias is that of the year asked about.
TEST(TimeZoneValues, BiasesInJanuaryAndJuly) {
    const struct {
        const char* zone;
        int month;
        int active;
        int bias;
        int daylight;
    } cases[] = {// Southern summer: daylight time at the start of the year.
                 {"Australia/Sydney", 1, -660, -600, -60},
                 // Japan kept daylight time once, but not in the year asked about.
                 {"Asia/Tokyo", 7, -540, -540, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " month " << c.month);
        const TimeZoneValues values = timeZoneValues(
            QTimeZone(c.zone), QDateTime(QDate(2024, c.month, 15), QTime(12, 0), QTimeZone::utc()));
        EXPECT_EQ(values.activeTimeBias, c.active);
        EXPECT_EQ(values.bias, c.bias);
        EXPECT_EQ(values.daylightBias, c.daylight);
    }
}

// Aliases found as links are what the real machine's zone test goes through (Qt knows India
// only as Asia/Calcutta); copies count too, the posix/ and right/ trees do not.
TEST(TimeZoneValues, WindowsIdsFallBackToAliasesFoundAsCopies) {
    QTemporaryDir zoneinfo;
    ASSERT_TRUE(zoneinfo.isValid());
    const QDir root(zoneinfo.path());
    for (const char* folder : {"Asia", "Etc", "posix/Asia"})
        ASSERT_TRUE(root.mkpath(folder));
    const struct {
        const char* name;
        const char* content;
    } files[] = {{"Asia/Kolkata", "TZif india"},
                 {"Etc/Copy", "TZif india"},
                 {"Asia/Dhaka", "TZif dhaka"}, // the same size only
                 {"posix/Asia/Kolkata", "TZif india"}};
    for (const auto& f : files) {
        QFile file(root.filePath(f.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(f.content) > 0);
    }
    EXPECT_EQ(zoneAliases(zoneinfo.path(), "Asia/Kolkata"), QStringList{"Etc/Copy"});
    for (const char* alone : {"Asia/Dhaka", "Mars/Base", "Asia"})
        EXPECT_TRUE(zoneAliases(zoneinfo.path(), alone).isEmpty()) << alone;
}

TEST(SystemInfo, RealMachineZoneFollowsTz) {
    LinuxSystemInfo system;
    if (!QFile::exists("/usr/share/zoneinfo/Asia/Kolkata"))
        GTEST_SKIP() << "no zone database";
    pathwick::test::ScopedEnvironment environment;
    environment.set("TZ", "Asia/Kolkata");
    tzset();
    EXPECT_EQ(system.timeZone().keyName, "India Standard Time");
}

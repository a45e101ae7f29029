#include "platform/linux/LinuxSystemInfo.h"
#include "platform/linux/OsRelease.h"
#include "platform/linux/TimeZoneMapping.h"

#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <time.h>

using namespace pathwick::platform;
using pathwick::test::ScopedEnvironment;

namespace {

QDateTime utc(int year, int month, int day) {
    return QDateTime(QDate(year, month, day), QTime(12, 0), QTimeZone::utc());
}

void expectValues(const TimeZoneValues& values, int active, int bias, int daylight) {
    EXPECT_EQ(values.activeTimeBias, active);
    EXPECT_EQ(values.bias, bias);
    EXPECT_EQ(values.standardBias, 0);
    EXPECT_EQ(values.daylightBias, daylight);
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

TEST(TimeZoneValues, BiasesAreMinutesBehindUtc) {
    const QTimeZone berlin("Europe/Berlin");
    expectValues(timeZoneValues(berlin, utc(2024, 1, 15)), -60, -60, -60);
    expectValues(timeZoneValues(berlin, utc(2024, 7, 15)), -120, -60, -60);

    const QTimeZone newYork("America/New_York");
    expectValues(timeZoneValues(newYork, utc(2024, 1, 15)), 300, 300, -60);
    expectValues(timeZoneValues(newYork, utc(2024, 7, 15)), 240, 300, -60);

    // Southern summer: daylight time at the start of the year.
    const QTimeZone sydney("Australia/Sydney");
    expectValues(timeZoneValues(sydney, utc(2024, 1, 15)), -660, -600, -60);
    expectValues(timeZoneValues(sydney, utc(2024, 7, 15)), -600, -600, -60);

    expectValues(timeZoneValues(QTimeZone("Asia/Kolkata"), utc(2024, 7, 15)), -330, -330, 0);
    expectValues(timeZoneValues(QTimeZone("UTC"), utc(2024, 7, 15)), 0, 0, 0);
    // Japan kept daylight time once, but not in the year asked about.
    expectValues(timeZoneValues(QTimeZone("Asia/Tokyo"), utc(2024, 7, 15)), -540, -540, 0);
}

TEST(TimeZoneValues, WindowsIdsFallBackToAliases) {
    EXPECT_EQ(windowsZoneId("Europe/Berlin", {}), QStringLiteral("W. Europe Standard Time"));
    EXPECT_EQ(windowsZoneId("Asia/Kolkata",
                            {QStringLiteral("Nowhere/Else"), QStringLiteral("Asia/Calcutta")}),
              QStringLiteral("India Standard Time"));
    EXPECT_EQ(windowsZoneId("Nowhere/Else", {}), QString());
}

TEST(TimeZoneValues, AliasesAreLinksAndCopiesOfTheSameZone) {
    QTemporaryDir zoneinfo;
    ASSERT_TRUE(zoneinfo.isValid());
    QDir root(zoneinfo.path());
    for (const char* folder : {"Asia", "Etc", "posix/Asia", "right"})
        ASSERT_TRUE(root.mkpath(QLatin1String(folder)));
    writeFile(root.filePath(QStringLiteral("Asia/Kolkata")), "TZif india");
    writeFile(root.filePath(QStringLiteral("Etc/Copy")), "TZif india");
    writeFile(root.filePath(QStringLiteral("Asia/Dhaka")), "TZif dhaka");
    writeFile(root.filePath(QStringLiteral("Asia/Other")), "TZif other"); // same size only
    writeFile(root.filePath(QStringLiteral("posix/Asia/Kolkata")), "TZif india");
    ASSERT_TRUE(
        QFile::link(QStringLiteral("Kolkata"), root.filePath(QStringLiteral("Asia/Calcutta"))));

    EXPECT_EQ(zoneAliases(zoneinfo.path(), QStringLiteral("Asia/Kolkata")),
              (QStringList{"Asia/Calcutta", "Etc/Copy"}));
    EXPECT_EQ(zoneAliases(zoneinfo.path(), QStringLiteral("Asia/Calcutta")),
              (QStringList{"Asia/Kolkata", "Etc/Copy"}));
    EXPECT_TRUE(zoneAliases(zoneinfo.path(), QStringLiteral("Asia/Dhaka")).isEmpty());
    EXPECT_TRUE(zoneAliases(zoneinfo.path(), QStringLiteral("Mars/Base")).isEmpty());
    EXPECT_TRUE(zoneAliases(zoneinfo.path(), QStringLiteral("Asia")).isEmpty());
}

TEST(TimeZoneValues, SystemZoneFollowsTz) {
    if (!QFile::exists(QStringLiteral("/usr/share/zoneinfo/Asia/Kolkata")))
        GTEST_SKIP() << "no zone database";
    ScopedEnvironment environment;
    LinuxSystemInfo system;
    const struct {
        const char* tz;
        int bias;
        int daylightBias;
        const char* keyName;
    } cases[] = {{"Asia/Kolkata", -330, 0, "India Standard Time"},
                 {"UTC", 0, 0, "UTC"},
                 {"Europe/Berlin", -60, -60, "W. Europe Standard Time"},
                 {"America/New_York", 300, -60, "Eastern Standard Time"}};
    for (const auto& c : cases) {
        environment.set("TZ", c.tz);
        tzset();
        const TimeZoneValues values = system.timeZone();
        EXPECT_EQ(values.bias, c.bias) << c.tz;
        EXPECT_EQ(values.daylightBias, c.daylightBias) << c.tz;
        EXPECT_EQ(values.keyName, QString::fromLatin1(c.keyName)) << c.tz;
    }
}

TEST(SystemInfo, OsReleasePrettyName) {
    EXPECT_EQ(
        prettyNameFromOsRelease(QStringLiteral("NAME=\"Debian GNU/Linux\"\n"
                                               "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
                                               "VERSION_ID=\"12\"\n")),
        QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    EXPECT_EQ(prettyNameFromOsRelease(QStringLiteral("PRETTY_NAME=Plain\n")),
              QStringLiteral("Plain"));
    EXPECT_EQ(prettyNameFromOsRelease(QStringLiteral("PRETTY_NAME='Single Quoted'")),
              QStringLiteral("Single Quoted"));
    EXPECT_EQ(prettyNameFromOsRelease(QStringLiteral("PRETTY_NAME=\"Say \\\"hi\\\" \\$5\"")),
              QStringLiteral("Say \"hi\" $5"));
    EXPECT_EQ(prettyNameFromOsRelease(QStringLiteral("NAME=x\n#PRETTY_NAME=\"no\"\n")), QString());
}

TEST(SystemInfo, RealMachineAnswers) {
    LinuxSystemInfo system;
    EXPECT_FALSE(system.hostName().isEmpty());
    EXPECT_FALSE(system.kernelRelease().isEmpty());
}

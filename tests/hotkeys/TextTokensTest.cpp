#include "hotkeys/TextTokens.h"

#include "platform/fake/FakePlatform.h"
#include "platform/linux/TimeZoneMapping.h"
#include "support/TempStore.h"

#include <QLocale>
#include <QMap>
#include <gtest/gtest.h>

using namespace pathwick;
using namespace pathwick::hotkeys;

namespace {

// A fixed moment, an environment of a few names and the zone values of one zone.
TokenSources fixedSources() {
    const QMap<QString, QString> environment{{"UserName", "ann{[pcname]}"},
                                             {"ComputerName", "DESK"}};
    const QStringList zone{"-60", "0", "-60", "0", "GMT Standard Time"};
    return {[] { return QDateTime(QDate(2026, 7, 5), QTime(21, 5, 9)); },
            [environment](const QString& name) { return environment.value(name); },
            [zone](int index) { return zone.value(index < 0 || index > 4 ? 0 : index); }};
}

} // namespace

TEST(TextTokens, EveryTokenInItsOrder) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const struct {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"{[date]}", "5/07/2026"},
        {"{[time]} {[time24]}", "9:05pm 21:05"},
        {"{[username]}", "annDESK"}, // names go in before the computer name is replaced
        {"{[date]}{[Date]} {[test]} {[date", "5/07/2026{[Date]} {[test]} {[date"},
        {"{[TEST]}", "0=-60\r\n1=0\r\n2=-60\r\n3=0\r\n4=GMT Standard Time\r\n5=-60\r\n"},
        {"{[{[day]}]}", "{[5]}"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceTextTokens(QString::fromUtf8(c.text), fixedSources()),
                  QString::fromUtf8(c.expanded))
            << c.text;
    QLocale::setDefault(QLocale::system());
}

// The zone values as the system gives them; the summer offset, not the standard one.
TEST(TextTokens, ZoneTokensComeFromTheSystemZone) {
    test::TempStore store;
    platform::fake::FakePlatform fakes;
    const QTimeZone london("Europe/London");
    const QDateTime summer(QDate(2026, 7, 5), QTime(12, 0), Qt::UTC);
    const QString londonId = platform::windowsZoneId("Europe/London", {});
    const struct {
        QTimeZone zone;
        QDateTime moment;
        QString keyName;
        const char* tz;
        const char* offset;
    } cases[] = {
        {london, summer, londonId, "BST (GMT+1)", "60"},
        {QTimeZone("Asia/Kathmandu"), summer, "Nepal Standard Time", "GMT+05:45", "345"},
        {QTimeZone("America/St_Johns"), summer, "Newfoundland Standard Time", "GMT-02:30", "-150"},
    };
    for (const auto& c : cases) {
        fakes.system->zone = platform::timeZoneValues(c.zone, c.moment);
        fakes.system->zone.keyName = c.keyName;
        EXPECT_EQ(ReplaceTextTokens("{[tz]}|{[tz-offset]}"),
                  QString::fromUtf8(c.tz) + '|' + QString::fromUtf8(c.offset))
            << c.zone.id().constData();
    }
}

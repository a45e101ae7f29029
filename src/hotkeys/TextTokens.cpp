#include "hotkeys/TextTokens.h"

#include "common/StringServices.h"
#include "common/ValueFormats.h"
#include "platform/Environment.h"
#include "settings/Catalogue.h"
#include "settings/Settings.h"

#include <QLocale>

#include <array>

namespace pathwick::hotkeys {

namespace {

constexpr auto CrLf = "\r\n";
constexpr auto BritishZone = "GMT Standard Time";

// Each token with how its value is made, in the order they are replaced: by a function,
// or as the value of an environment variable.
struct Token {
    const char16_t* text;
    QString (*value)(const TokenSources&);
    const char* variable = nullptr;
};

QDate today(const TokenSources& s) {
    return s.now().date();
}

QString twoDigits(qint64 number) {
    return formatMinDigits(number, 2);
}

QString timeZoneToken(const TokenSources& s) {
    return timeZoneText(s.timeZoneValue(0).toInt(), s.timeZoneValue(4));
}

QString testListing(const TokenSources& s) {
    QString listing;
    for (int index = 0; index <= 5; ++index)
        listing += QString::number(index) + u'=' + s.timeZoneValue(index) + QLatin1String(CrLf);
    return listing;
}

constexpr std::array<Token, 20> tokens = {{
    {u"{[date]}", [](const TokenSources& s) { return formatDate_d_mm_yyyy(today(s)); }},
    {u"{[day]}", [](const TokenSources& s) { return QString::number(today(s).day()); }},
    {u"{[month]}", [](const TokenSources& s) { return QString::number(today(s).month()); }},
    {u"{[monthname]}", [](const TokenSources& s) { return formatMonthName(today(s)); }},
    {u"{[monthnameshort]}",
     [](const TokenSources& s) {
         return QLocale().monthName(today(s).month(), QLocale::ShortFormat);
     }},
    {u"{[weekday]}", [](const TokenSources& s) { return formatWeekdayName(today(s)); }},
    {u"{[weekdayshort]}",
     [](const TokenSources& s) {
         return QLocale().dayName(today(s).dayOfWeek(), QLocale::ShortFormat);
     }},
    {u"{[year]}", [](const TokenSources& s) { return formatMinDigits(today(s).year(), 4); }},
    {u"{[yearshort]}", [](const TokenSources& s) { return twoDigits(today(s).year() % 100); }},
    {u"{[time]}", [](const TokenSources& s) { return formatTime_H_MM_ampm(s.now().time()); }},
    {u"{[time24]}",
     [](const TokenSources& s) {
         const QTime time = s.now().time();
         return QString::number(time.hour()) + u':' + twoDigits(time.minute());
     }},
    {u"{[tz]}", timeZoneToken},
    {u"{[tz-offset]}",
     [](const TokenSources& s) { return QString::number(-qint64(s.timeZoneValue(0).toInt())); }},
    {u"{[TEST]}", testListing},
    {u"{[username]}", nullptr, "UserName"},
    {u"{[userdir]}", nullptr, "UserProfile"},
    {u"{[pcname]}", nullptr, "ComputerName"},
    {u"{[homedrive]}", nullptr, "HomeDrive"},
    {u"{[processors]}", nullptr, "Number_of_processors"},
    {u"{[processorlevel]}", nullptr, "Processor_Level"},
}};

QString readZoneValue(const catalogue::SystemValue<qint32>& value) {
    QVariant read;
    ReadSetting(QLatin1String(value.root), QLatin1String(value.keyPath), QLatin1String(value.name),
                QStringLiteral("D"), value.defaultValue, read);
    return QString::number(read.toInt());
}

} // namespace

TokenSources systemTokenSources() {
    return {[] { return QDateTime::currentDateTime(); }, platform::environmentValue, TimeZoneValue};
}

QString ReplaceTextTokens(const QString& text, const TokenSources& sources) {
    QString result = text;
    for (const Token& token : tokens) {
        const QString name = QString::fromUtf16(token.text);
        // Values are made only for tokens present, so the clock is read per token used.
        if (result.contains(name))
            result = ReplaceOccurrences(result, name,
                                        token.value
                                            ? token.value(sources)
                                            : sources.environment(QLatin1String(token.variable)));
    }
    return result;
}

QString ReplaceOccurrences(const QString& text, const QString& token, const QString& value) {
    return swapString(text, token, value, true);
}

QString TimeZoneValue(int index) {
    using namespace catalogue;
    switch (index) {
    case 1:
        return readZoneValue(StandardBias);
    case 2:
        return readZoneValue(DaylightBias);
    case 3:
        return readZoneValue(Bias);
    case 4: {
        QVariant read;
        ReadSetting(QLatin1String(TimeZoneKeyName.root), QLatin1String(TimeZoneKeyName.keyPath),
                    QLatin1String(TimeZoneKeyName.name), QStringLiteral("S"),
                    QLatin1String(TimeZoneKeyName.defaultValue), read);
        return read.toString();
    }
    default:
        return readZoneValue(ActiveTimeBias);
    }
}

QString timeZoneText(qint32 activeBias, const QString& keyName) {
    if (activeBias == 0)
        return QStringLiteral("GMT");
    if (keyName == QLatin1String(BritishZone)) {
        if (activeBias == -60)
            return QStringLiteral("BST (GMT+1)");
        if (activeBias == -120)
            return QStringLiteral("DBST (GMT+2)");
    }
    const qint64 minutes = activeBias < 0 ? -qint64(activeBias) : activeBias;
    return QLatin1String(activeBias < 0 ? "GMT+" : "GMT-") + twoDigits(minutes / 60) + u':' +
           twoDigits(minutes % 60);
}

} // namespace pathwick::hotkeys

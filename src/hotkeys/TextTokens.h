#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace pathwick::hotkeys {

// Where the token values come from; the system's by default, a test's own when given.
struct TokenSources {
    std::function<QDateTime()> now;                     // local time, asked per token
    std::function<QString(const QString&)> environment; // "" when unset
    std::function<QString(int)> timeZoneValue;          // TimeZoneValue(index)
};

// The clock, the environment (Windows names mapped) and the store's time-zone values.
TokenSources systemTokenSources();

// Every token ("{[date]}", "{[tz]}", "{[username]}", ...) replaced by its value, one token
// after another in a fixed order, each over the result of the one before. Letter case
// counts: "{[Date]}" stays as it is.
QString ReplaceTextTokens(const QString& text, const TokenSources& sources = systemTokenSources());

// Every occurrence of token replaced by value, left to right, without overlaps; what was put
// in is not searched again. An empty token changes nothing.
QString ReplaceOccurrences(const QString& text, const QString& token, const QString& value);

// One of the system's time-zone values as text: 0 (and any other index) the active bias,
// 1 the standard bias, 2 the daylight bias, 3 the bias, 4 the zone's key name.
QString TimeZoneValue(int index);

// "GMT", "GMT+05:30", "GMT-05:00", or the British summer names, from the active bias.
QString timeZoneText(qint32 activeBias, const QString& keyName);

} // namespace pathwick::hotkeys

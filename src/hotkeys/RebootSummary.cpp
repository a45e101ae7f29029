#include "hotkeys/RebootSummary.h"

#include "common/CommonTexts.h"
#include "common/ValueFormats.h"
#include "hotkeys/HotKeyWindowTexts.h"
#include "settings/ProgramSettings.h"

#include <iterator>

namespace pathwick::hotkeys {

namespace {

using namespace window_texts;

constexpr qint16 SummaryHoursDefault = 12;
constexpr qint16 SummaryMinutesDefault = 0;

QString repeatSuffix(int index) {
    if (index >= 0 && index < int(std::size(RepeatSuffixes)))
        return QString::fromLatin1(RepeatSuffixes[index]);
    return QLatin1String(RepeatIndexStart) + QString::number(index) + QLatin1String(RepeatIndexEnd);
}

QString amPmText(int amPm) {
    if (amPm == 0)
        return QString::fromLatin1(texts::Am);
    if (amPm == 1)
        return QString::fromLatin1(texts::Pm);
    return QString::fromLatin1(UnknownAmPm);
}

} // namespace

QString rebootSummaryCaption(int repeatIndex, int hours, int minutes, int amPm) {
    if (repeatIndex == 0)
        return QString::fromLatin1(RebootOnce);
    return QLatin1String(RebootAt) + QString::number(hours) + u':' + formatMinDigits(minutes, 2) +
           amPmText(amPm) + repeatSuffix(repeatIndex);
}

QString storedRebootSummaryCaption() {
    using namespace catalogue;
    const QString key = keyPathOf(RebootEveryHourIndex);
    return rebootSummaryCaption(
        read(RebootEveryHourIndex),
        readSmallNumber(key, QLatin1String(RebootEveryHours.name), SummaryHoursDefault),
        readSmallNumber(key, QLatin1String(RebootEveryMinutes.name), SummaryMinutesDefault),
        read(RebootEveryAmPm));
}

} // namespace pathwick::hotkeys

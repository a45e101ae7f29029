#include "dirlist/DirectoryStore.h"

#include "common/ComputerInfo.h"
#include "common/RecordFile.h"
#include "common/ValueFormats.h"
#include "common/Version.h"
#include "dirlist/DirListTexts.h"
#include "platform/Environment.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"

namespace pathwick {

namespace {

const QString StringType = QStringLiteral("S");

} // namespace

QStringList storedEntries() {
    QStringList entries;
    for (const ListedValue& value : listValues(MachineRoot, ProgramKey()))
        if (value.type == StringType && !value.name.trimmed().isEmpty() &&
            !isProgramValueName(value.name))
            entries.append(value.name);
    return entries;
}

QString listEntryRefusal(const QString& entry) {
    if (isProgramValueName(entry.trimmed()))
        return QString::fromLatin1(dirlist_texts::EntryIsSettingName)
            .arg(entry.trimmed(), QLatin1String(ProductName));
    return entryRefusal(entry);
}

bool saveStoredEntries(const QStringList& items, const QDateTime& now) {
    QList<SettingValue> values = {{QString(), StringType, saveStamp(now)}};
    const QString note = entryNote(now);
    for (const QString& item : items) {
        const QString name = item.trimmed();
        if (!name.isEmpty() && !isProgramValueName(name))
            values.append({name, StringType, note});
    }
    return RewriteSettings(MachineRoot, ProgramKey(), RewriteRemoves::Texts, values) ==
           SettingResult::Success;
}

QString entryNote(const QDateTime& now) {
    return formatNoteMoment(now) + QStringLiteral(" - ") + OSName() + QStringLiteral(" (") +
           platform::environmentValue(QStringLiteral("OS")) + QStringLiteral(")");
}

QString saveStamp(const QDateTime& now) {
    return SavedWithStamp(
        QString::fromLatin1(dirlist_texts::SettingsAt).arg(formatNoteMoment(now)));
}

QString pathForList(const QString& newPath) {
    QString path = newPath.trimmed();
    if (path.endsWith(u'\\'))
        path.chop(1);
#ifndef Q_OS_WIN
    else if (path.endsWith(u'/') && path != QStringLiteral("/"))
        path.chop(1);
#endif
    return path.trimmed().isEmpty() ? QString() : path;
}

} // namespace pathwick

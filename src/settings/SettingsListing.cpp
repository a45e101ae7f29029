#include "settings/SettingsListing.h"

#include "settings/Settings.h"

namespace pathwick {

QList<ListedValue> splitListing(const QString& listing) {
    QList<ListedValue> values;
    for (const QString& record : listing.split(QChar(0), Qt::SkipEmptyParts)) {
        const qsizetype separator = record.lastIndexOf(ListTypeSeparator);
        if (separator < 0)
            values.append({record, QString()});
        else
            values.append({record.left(separator), record.mid(separator + 1)});
    }
    return values;
}

QList<ListedValue> listValues(const QString& rootName, const QString& keyPath) {
    QString listing;
    if (ListSettings(rootName, keyPath, listing, true) != SettingResult::Success)
        return {};
    return splitListing(listing);
}

} // namespace pathwick

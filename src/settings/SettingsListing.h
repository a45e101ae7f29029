#pragma once

#include <QList>
#include <QString>

namespace pathwick {

// One record of a ListSettings listing made with types.
struct ListedValue {
    QString name;
    QString type; // "S", "E", "M", "B", "D", "Q" or the type number
};

// Splits a listing at its NULs (name, \1, type letter); empty records are skipped.
QList<ListedValue> splitListing(const QString& listing);

// Lists a key with types and splits it; an unreadable key gives nothing.
QList<ListedValue> listValues(const QString& rootName, const QString& keyPath);

} // namespace pathwick

#pragma once

#include "settings/SettingsListing.h"

#include <QList>
#include <QStringList>

// The developer's aids behind the editor's hidden pop-up menu.
namespace pathwick {

// Fixed sample lists that fill the editor's list for trying things out.
QStringList defaultSamplePaths();
QStringList smallSamplePaths();

// One numbered line per list item: "1. :Documents:".
QString numberedItemListing(const QStringList& items);
// One numbered line per stored value with its type letter: "1. S  :Documents:".
QString numberedValueListing(const QList<ListedValue>& values);

} // namespace pathwick

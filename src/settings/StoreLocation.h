#pragma once

#include <QString>

namespace pathwick {

// Where the store lives: $PATHWICK_STORE, else $XDG_CONFIG_HOME/pathwick/settings.sqlite3.
QString storePath();

// Set when the store had to be moved aside (corrupt or unreadable) or cannot be opened, and
// the program runs on defaults; the text tells the user what happened and where the old file
// went. Opens the store when it is not open yet. Taking it clears it, so the user is told
// once; "" when all is well.
QString takeStoreNotice();

// Closes the open store connection (tests and the end of the program); the next call opens
// it again, from storePath().
void closeStore();

} // namespace pathwick

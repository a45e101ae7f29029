#pragma once

#include <QString>

namespace pathwick {

// Where the store lives: $PATHWICK_STORE, else $XDG_CONFIG_HOME/pathwick/settings.sqlite3.
QString storePath();

// Set once when the store had to be moved aside (corrupt or unreadable) and the program
// started with defaults; the text tells the user where the old file went. Taking it clears
// it, so the user is told once.
QString takeStoreNotice();

// Closes the open store connection (tests and the end of the program); the next call opens
// it again, from storePath().
void closeStore();

} // namespace pathwick

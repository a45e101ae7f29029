#pragma once

#include <QString>

namespace pathwick::hotkeys {

// The send test's file, "Send string test to" in the folder the program writes its own files
// to. It stays after the test (the next test replaces it): the editor it is opened in may
// only read it seconds later.
QString sendTestFilePath();

// Writes the text and a line break (UTF-8, the platform's code page) to the send test's file;
// its path, or "" when it could not be written.
QString writeSendTestFile(const QString& text);

} // namespace pathwick::hotkeys

#pragma once

#include <QString>

namespace pathwick {

// The plain error notice for code that has no window of its own: a standard message box with
// an exclamation icon and an OK button, titled product name + titleSuffix, over the window
// that owns the message window.
void showErrorNotice(const QString& titleSuffix, const QString& text);

} // namespace pathwick

#pragma once

#include "platform/FolderWindows.h"

#include <QString>

namespace pathwick::platform {

// Closes the file manager's folder windows through the window manager (EWMH): every
// managed window of _NET_CLIENT_LIST whose WM_CLASS names a file manager gets a
// _NET_CLOSE_WINDOW request. Desktop-icon windows and dialogs (a copy in progress) are
// left alone. False when there is no display.
class X11FolderWindows : public FolderWindows {
public:
    bool closeAll() override;
};

// Whether a WM_CLASS name or class is one of the known file managers (any letter case).
bool isFileManagerClass(const QString& name);

} // namespace pathwick::platform

#pragma once

namespace pathwick::platform {

// The folder windows of the desktop's file manager.
class FolderWindows {
public:
    virtual ~FolderWindows() = default;
    // Asks every folder window to close; true when the request could be made.
    virtual bool closeAll() = 0;
};

} // namespace pathwick::platform

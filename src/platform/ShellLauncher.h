#pragma once

#include <QString>

namespace pathwick::platform {

// Windows-style results of a shell "open": 42 on success, a code of 32 or less on failure.
namespace ShellResult {
constexpr int Success = 42;
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int AccessDenied = 5;
constexpr int NoAssociation = 31;
} // namespace ShellResult

// Window show modes as the callers pass them (0 normal, 1 maximised, 2 minimised).
enum class ShowMode { Normal = 0, Maximised = 1, Minimised = 2 };

// Opens a folder, file, URL or program the way the desktop would, without waiting for it.
// Never goes through a shell: no text is ever interpreted.
class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    virtual int open(const QString& target, const QString& parameters, ShowMode mode) = 0;
};

} // namespace pathwick::platform

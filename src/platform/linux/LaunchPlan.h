#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace pathwick::platform {

// What the launcher may ask of the machine while it decides; tests give their own answers.
struct LaunchEnvironment {
    QString opener;     // the program that opens folders, files and URLs
    QString configHome; // $XDG_CONFIG_HOME, or ~/.config
    std::function<bool(const QString&)> isDirectory;
    std::function<bool(const QString&)> isFile;
    // A file that can run by itself: execute permission and a binary or "#!" header.
    std::function<bool(const QString&)> isProgramFile;
    // The full path of a program found on PATH, "" when there is none.
    std::function<QString(const QString&)> findProgram;
};

// The real machine: $PATHWICK_OPENER or xdg-open, the real file system and PATH.
LaunchEnvironment systemLaunchEnvironment();

// What one shell "open" request turns into.
struct LaunchPlan {
    enum class Action {
        Start,              // start `program` with `arguments`, detached
        StartAndAsk,        // the same, but its exit status is the answer (0 is success)
        CloseFolderWindows, // ask the file manager's folder windows to close
        Nothing,            // nothing to do on this system; counts as done
        Fail                // give `result` back
    };
    Action action = Action::Fail;
    QString program;
    QStringList arguments;
    QString folderToCreate; // made before the start when missing
    // Fail: the result. Start: the result when the program cannot be started (StartAndAsk:
    // also when it reports a failure).
    int result = 0;
};

// Decides, without side effects, how to carry out "open target with parameters": named
// Windows programs and shell locations map to their desktop equivalents, URLs, folders and
// documents go to the opener, programs start directly with their parameters split into
// arguments. Windows paths (drive letters, "\\server") are not special and are not found.
LaunchPlan planLaunch(const QString& target, const QString& parameters,
                      const LaunchEnvironment& environment);

} // namespace pathwick::platform

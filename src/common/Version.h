#pragma once

#include <QString>

namespace pathwick {

// The project's version (CMakeLists.txt, the one place it is defined) as "0.01.0016": minor
// "##00", revision "##0000".
QString VersionText();
// "Pathwick - version 0.01.0016", the main window's caption.
QString VersionCaption();
// The fixed build date text "30/03/2025 -  9:50am".
QString getAppDate();
// "Saved with; Pathwick, version 0.01.0016, 30/03/2025 -  9:50am (<origin>)": the stamp a
// rewrite of a stored list leaves as the key's unnamed value.
QString SavedWithStamp(const QString& origin);
// The program's executable name without folder or suffix ("pathwick").
QString ExecutableName();
// What the platform appends to executable names ("" here, ".exe" on Windows).
QString ExecutableSuffix();
// The folder of the files the program reads (help files, the companion program, the alarm):
// readOnlyFolderFor(the executable's folder).
QString ProgramFolder();
// The installed data folder (<prefix>/share/pathwick) when the executable lies in <prefix>/bin
// beside it, otherwise the executable's folder itself (a build tree).
QString readOnlyFolderFor(const QString& executableFolder);
// The folder the program writes its own files to: the executable's folder when writable, else
// $XDG_DATA_HOME/pathwick (created on demand).
QString ProgramWriteFolder();

} // namespace pathwick

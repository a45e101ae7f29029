#pragma once

#include "common/LineEnd.h"

// The texts the directory list shows and stores, in one place.
namespace pathwick::dirlist_texts {

using pathwick::CrLf;

inline constexpr auto Tab = "\t";

// Where the stamp of a stored list says it came from.
inline constexpr auto SettingsAt = "Settings at %1";

// An entry named like one of the program's own values of the list's key.
inline constexpr auto EntryIsSettingName =
    "\"%1\" is the name of one of %2's own settings, which a list entry cannot have.";
inline constexpr auto ImportedEntryIsSettingName =
    "The entry \"%1\" is the name of one of %2's own settings, which a list entry cannot have; "
    "nothing was imported.";

// List files: line 2 of the header, the file dialogs and the error message.
inline constexpr auto DirectoriesListed = " Directories listed";
inline constexpr auto ExportTitle = "Export list to file:";
inline constexpr auto ImportTitle = "Import list from file:";
inline constexpr auto ProposedName = "PathwickList_%1";
inline constexpr auto Filter =
    "Dir list file (.dirl)|*.dirl|Text file (.txt)|*.txt|Data file (.dat)|*.dat|All types|*";
inline constexpr auto DefaultSuffix = "dirl";
inline constexpr auto FileErrorTitle = " - Import/Export error.";
inline constexpr auto ExportError = "Export error:\r\n\t%1\r\n\tError number; %2";
inline constexpr auto ImportError = "Import error:\r\n\t%1\r\n\tError number; %2";

// Shell locations and the recycle-bin folder as entries name them.
inline constexpr auto NetworkPlaces = "shell:NetworkPlacesFolder";
inline constexpr auto RecycleBinPlace = "shell:RecycleBinFolder";
inline constexpr auto RecycleBinFolder = ":\\$RECYCLE.BIN\\Recycle Bin";
inline constexpr auto RecycleBinToken = ":RecycleBin:";
inline constexpr auto RecycleBinUnder = "\\$recycle.bin\\recycle bin";

// Classification of a path.
inline constexpr auto NoPathEntered = "No path was entered.";
inline constexpr auto CantFindObject = "Can't find this object\r\nor object error.";
inline constexpr auto NormalFile = "Normal file and not a directory. Can't open.";
inline constexpr auto ReadOnlyFile = "Read only file and not a directory. Can't open.";
inline constexpr auto HiddenFile = "Hidden file and not a directory. Can't open.";
inline constexpr auto ReadOnlyHiddenFile = "Read only hidden file and not a directory. Can't open.";
inline constexpr auto SystemFile = "System file and not a directory. Can't open.";
inline constexpr auto ReadOnlySystemFile = "Read only system file and not a directory. Can't open.";
inline constexpr auto HiddenSystemFile = "Hidden system file and not a directory. Can't open.";
inline constexpr auto ReadOnlyHiddenSystemFile =
    "Read only hidden system file and not a directory. Can't open.";
inline constexpr auto NormalDirectory = "Valid normal directory, can open.";
inline constexpr auto ReadOnlyDirectory = "Valid read only directory, can open.";
inline constexpr auto HiddenDirectory = "Valid hidden directory, can open.";
inline constexpr auto FilesInHiddenSystemDirectory =
    "Read only files in hidden system directory, can open.";
inline constexpr auto ReadOnlyHiddenSystemDirectory =
    "Read only, hidden system directory, can open.";
inline constexpr auto NotValidDirectory = "Can't open.\r\nNot a valid directory.";
inline constexpr auto ObjectType = "Object type = ";
inline constexpr auto RecycleBinDirectory = "System recycle bin directory.";
inline constexpr auto RecycleBinInfo = "recycle bin";
inline constexpr auto NetworkDirectory = "Network directory.";
inline constexpr auto NetworkInfo = "Network";

// The information box and the menu entry.
inline constexpr auto ListHeading = "Directory list";
inline constexpr auto ForDrive = " for drive ";
inline constexpr auto NoEntriesForDrive = "** There are no listed directories for drive ";
inline constexpr auto NoEntriesEnd = " **";
inline constexpr auto OpeningCaption = "The following directories are opening:";
inline constexpr auto Opening = "Opening:";
inline constexpr auto OpenedDir = "Opened dir; ";
inline constexpr auto CantFind = "Can't find; ";
inline constexpr auto FailedToOpen = "Failed to open ";
inline constexpr auto OutOf = " out of ";
inline constexpr auto Directories = " directories.";
inline constexpr auto EditListHint = "Click on Menu - Settings to edit list of directories.";
inline constexpr auto SomeFailedCaption = "Can't open or find some directories:";
inline constexpr auto OpenDirectoriesStart = "&Open Directories (";
inline constexpr auto OpenDirectoriesEnd = ")";
inline constexpr auto NoDirectoriesListed = "No Directories listed";
inline constexpr auto OpenOneDirectory = "Open &Directory";

} // namespace pathwick::dirlist_texts

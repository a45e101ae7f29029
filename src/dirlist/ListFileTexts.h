#pragma once

// The texts of directory list files and of their export and import commands, in one place.
namespace pathwick::listfile_texts {

// File header; every header line starts with the marker character.
inline constexpr char16_t Marker = 0x00B9;
inline constexpr auto DirectoriesListed = " Directories listed";
inline constexpr auto HeaderFile = " File: \t";
inline constexpr auto HeaderDate = " Date: \t";
inline constexpr auto HeaderOsName = " OS name: \t";
inline constexpr auto HeaderOsType = " OS type: \t";
inline constexpr auto OsVariable = "OS";

// The stamp an import leaves as the key's unnamed value.
inline constexpr auto ImportedFrom = " (Imported from ";

// File dialogs.
inline constexpr auto ExportTitle = "Export list to file:";
inline constexpr auto ImportTitle = "Import list from file:";
inline constexpr auto ProposedNameStart = "PathwickList_";
inline constexpr auto Filter =
    "Dir list file (.dirl)|*.dirl|Text file (.txt)|*.txt|Data file (.dat)|*.dat|All types|*";
inline constexpr auto DefaultSuffix = "dirl";

// Questions on the chosen file; all of them carry this title.
inline constexpr auto NotFoundTitle = " - Not found.";
inline constexpr auto OverwriteStart = "Warning:\r\nFile; ";
inline constexpr auto OverwriteEnd = " already exists.";
inline constexpr auto CantFindFile = "Can't find file;\r\n";
inline constexpr auto SizeStart = "File; ";
inline constexpr auto SizeMiddle = "\r\nsize is ";
inline constexpr auto SizeEnd =
    " bytes.\r\nThis may be an invalid file!\r\nLoad list from this file anyway?";

// Errors while a file is written or read.
inline constexpr auto ErrorTitle = " - Import/Export error.";
inline constexpr auto ExportWord = "Export";
inline constexpr auto ImportWord = "Import";
inline constexpr auto ErrorWord = " error:\r\n\t";
inline constexpr auto ErrorNumber = "\r\n\tError number; ";

inline constexpr auto FileNotFound = "File not found";
inline constexpr auto PathNotFound = "Path not found";
inline constexpr auto PermissionDenied = "Permission denied";
inline constexpr auto FileAccessError = "Path/File access error";
inline constexpr auto DiskFull = "Disk full";
inline constexpr auto InvalidFormat = "Invalid file format";
inline constexpr auto LineStart = ": line ";
inline constexpr auto ControlCharacterMiddle = " holds a control character (code ";
inline constexpr auto ControlCharacterEnd = "), so this is not a list file.";
inline constexpr auto LongLineMiddle = " is longer than ";
inline constexpr auto LongLineEnd = " characters, too long for a directory path.";
inline constexpr auto TooLargeStart = ": the file is larger than ";
inline constexpr auto TooLargeEnd = " bytes.";
inline constexpr auto NoLines = ": the file holds no lines to import.";
inline constexpr auto StoreNotWritten = "The settings could not be written";
inline constexpr auto NothingImported = "; nothing was imported.";

} // namespace pathwick::listfile_texts

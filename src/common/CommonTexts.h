#pragma once

// Every text the shared services show or write, in one place.
namespace pathwick::texts {

// Version and build date.
inline constexpr auto VersionCaptionMiddle = " - version ";
inline constexpr auto AppDate = "30/03/2025 -  9:50am";
// Folder under $XDG_DATA_HOME for the program's own files when its folder is read-only.
inline constexpr auto DataFolderName = "pathwick";

// The stamp a rewrite of a stored list leaves as the key's unnamed value; %4 tells where from.
inline constexpr auto SavedWithStamp = "Saved with; %1, version %2, %3 (%4)";

// Clock suffixes of the "am/pm" formats.
inline constexpr auto Am = "am";
inline constexpr auto Pm = "pm";

// The message window.
inline constexpr auto MessageCaptionStart = "Message from ";
inline constexpr auto MessageCaptionEnd = ":";
inline constexpr auto MessageDesignHeading = "Please note:";
inline constexpr auto MessageDesignText = "Just to let you know...";
inline constexpr auto MessageDesignOk = "&Ok";
inline constexpr auto MessageDesignAbort = "&Abort";
inline constexpr auto MessageNewButton = "??..";
inline constexpr auto MessageUnnamedButton = "Button &";

// Opening through the shell.
inline constexpr auto HelpTextFile = "Help.txt";
inline constexpr auto FileErrorTitle = " - File error.";
inline constexpr auto FileErrorCantFind = "Can't find or load file or URL;";
inline constexpr auto FileErrorError = "Error;";
inline constexpr auto FileErrorNumber = "Error number;";

// Sounds.
inline constexpr auto AlarmFileName = "Alarm01.wav";
inline constexpr auto SoundErrorTitle = " - Sound error:";
inline constexpr auto SoundErrorWrongExtension =
    "Can't play this wave file, wrong .wav extent passed to function.";
inline constexpr auto SoundErrorCallStart = "PlayWAV(\"";
inline constexpr auto SoundErrorCallEnd = "\", ...";

// Record files (list and hot key files): header lines after the marker, and errors.
inline constexpr auto RecordHeaderProgram = " %1 (%2 - %3)";
inline constexpr auto RecordHeaderFile = " File: \t%1";
inline constexpr auto RecordHeaderDate = " Date: \t%1";
inline constexpr auto RecordHeaderOsName = " OS name: \t%1";
inline constexpr auto RecordHeaderOsType = " OS type: \t%1";
inline constexpr auto OsVariable = "OS";
inline constexpr auto RecordFileNotFound = "File not found";
inline constexpr auto RecordPathNotFound = "Path not found";
inline constexpr auto RecordPermissionDenied = "Permission denied";
inline constexpr auto RecordFileAccessError = "Path/File access error";
inline constexpr auto RecordDiskFull = "Disk full";
inline constexpr auto RecordControlCharacter =
    "Invalid file format: line %1 holds a control character (code %2), so this is not a list "
    "file.";
inline constexpr auto RecordBrokenCharacter =
    "Invalid file format: line %1 holds a broken character (a lone UTF-16 surrogate).";
inline constexpr auto RecordLongLine =
    "Invalid file format: line %1 is longer than %2 characters, too long for an entry.";
inline constexpr auto RecordTooLarge = "Invalid file format: the file is larger than %1 bytes.";
inline constexpr auto RecordUnwritableControl =
    "Line %1 holds a control character (code %2), which an import would refuse; nothing was "
    "written.";
inline constexpr auto RecordUnwritableBroken =
    "Line %1 holds a broken character (a lone UTF-16 surrogate); nothing was written.";
inline constexpr auto RecordUnwritableLong =
    "Line %1 is longer than %2 characters, more than an import reads back; nothing was "
    "written.";
// An entry refused where it is added.
inline constexpr auto EntryControlCharacter =
    "This path holds a line break or another control character (code %1), which a list entry "
    "cannot hold.";
inline constexpr auto EntryBrokenCharacter =
    "This path holds a broken character (a lone UTF-16 surrogate).";
inline constexpr auto EntryTooLong =
    "This path is longer than %1 characters, more than a list file can hold.";

// Importing a record file, and the questions of its dialogs (all with RecordNotFoundTitle).
inline constexpr auto RecordImportedFrom = "Imported from %1 (%2)";
inline constexpr auto RecordNoLines = "Invalid file format: the file holds no lines to import.";
inline constexpr auto RecordStoreNotWritten =
    "The settings could not be written (store error %1); nothing was imported.";
inline constexpr auto RecordNotFoundTitle = " - Not found.";
inline constexpr auto RecordOverwriteQuestion = "Warning:\r\nFile; %1 already exists.";
inline constexpr auto RecordCantFindFile = "Can't find file;\r\n%1";
inline constexpr auto RecordSizeQuestion = "File; %1\r\nsize is %2 bytes.\r\nThis may be an "
                                           "invalid file!\r\nLoad list from this file anyway?";

// Operating-system names.
inline constexpr auto UnknownOsStart = "<Unknown O.S. (platform=";
inline constexpr auto OsDetailsStart = "  (platform=";
inline constexpr auto OsDetailsVersion = ", version=";
inline constexpr auto OsDetailsInfoSize = ", info_size=";
inline constexpr auto OsDetailsBuild = ", build_no.=";
inline constexpr auto UnknownOsEnd = ")>";
inline constexpr auto OsDetailsEnd = ")";
inline constexpr auto UnknownWindows = "Unknown Windows OS";
inline constexpr auto Windows1 = "Windows 1.x";
inline constexpr auto Windows2 = "Windows 2.x";
inline constexpr auto Windows3 = "Windows 3.x";
inline constexpr auto Windows95 = "Windows 95";
inline constexpr auto Windows98 = "Windows 98";
inline constexpr auto WindowsMe = "Windows ME";
inline constexpr auto WindowsNt351 = "Windows NT 3.51";
inline constexpr auto WindowsNt40 = "Windows NT 4.0";
inline constexpr auto Windows2000 = "Windows 2000";
inline constexpr auto WindowsXp = "Windows XP";
inline constexpr auto WindowsVista = "Windows Vista";
inline constexpr auto Windows7 = "Windows 7";
inline constexpr auto Windows8 = "Windows 8";
inline constexpr auto Windows81 = "Windows 8.1";
inline constexpr auto Windows9 = "Windows 9";
inline constexpr auto Windows10 = "Windows 10";
inline constexpr auto BadOptionStart = "<Bad option ComputerPlatform(";
inline constexpr auto BadOptionEnd = ")>";

} // namespace pathwick::texts

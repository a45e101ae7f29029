#pragma once

// The texts of hot key files and their commands, in one place.
namespace pathwick::hotkeys::file_texts {

// Line 2 of the header.
inline constexpr auto HotKeysHeader = " HotKeys";

// The dialogs.
inline constexpr auto ExportTitle = "Export hotkeys to file:";
inline constexpr auto ImportTitle = "Import hotkeys from file:";
inline constexpr auto Filter =
    "Hotkey file (.key)|*.key|Text file (.txt)|*.txt|Data file (.dat)|*.dat|All types|*";
inline constexpr auto DefaultSuffix = "key";
inline constexpr auto ProposedName = "PathwickList-HotKeys_%1";

// Errors of an export or import.
inline constexpr auto ExportErrorTitle = " - Hotkeys Save/Export error:";
inline constexpr auto ImportErrorTitle = " - Hotkeys Load/Import error:";
inline constexpr auto ExportError = "Hot keys save/export error:\r\n\t%1\r\n\tError number; %2";
inline constexpr auto ImportError = "Hot keys load/import error:\r\n\t%1\r\n\tError number; %2";

} // namespace pathwick::hotkeys::file_texts

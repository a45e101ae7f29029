#pragma once

#include <QString>

// The texts of the directory list editor window, in one place.
namespace pathwick::editor_texts {

inline constexpr auto Caption = "Pathwick Options:";

// Controls.
inline constexpr auto CheckPath = "&Check directory path";
inline constexpr auto OpenDirectory = "&Open directory";
inline constexpr auto AddPath = "&Add path";
inline constexpr auto UpdatePath = "&Update path";
inline constexpr auto CanDragDrop = "You can also add a directory, by draging it here.";
inline constexpr auto HowToDelete = "To delete record, delete all text and click on &Update path.";
inline constexpr auto ResetValues = "&Reload values, keep window open";
inline constexpr auto SaveValues = "&Save valies and close window";
inline constexpr auto Abort = "&Close window, don't update values";

// The pop-up menu.
inline constexpr auto ShowHiddenMenu = "Show &hidden menu";
inline constexpr auto TestingMode = "Test mode (Display hotkey msg)";
inline constexpr auto SetMyValues = "Set my default Pathwick values";
inline constexpr auto SetValuesSmall = "Set my small Pathwick values";
inline constexpr auto ShowComboList = "Show Pathwick combo list";
inline constexpr auto ShowRegValues = "Show Pathwick registery values";
inline constexpr auto ComboListTitle = "combo_RegStored";
inline constexpr auto RegValuesTitle = "Registory values";

// Message titles (after the product name).
inline constexpr auto DirectoryCheckTitle = " - Directory check.";
inline constexpr auto OpenFailedTitle = " - Open failed.";
inline constexpr auto CantOpenTitle = " - Can't open.";
inline constexpr auto NoPathTitle = " - No path.";
inline constexpr auto PathExistsTitle = " - Path already exists.";
inline constexpr auto InvalidDirectoryTitle = " - Invalid directory path.";
inline constexpr auto InvalidSelectionTitle = " - Invalid list selection.";
inline constexpr auto InvalidPathTitle = " - Invalid path.";
inline constexpr auto RecordRemovedTitle = " - Record removed.";
inline constexpr auto RecordUpdatedTitle = " - Record updated.";
inline constexpr auto DragErrorTitle = " - Drag object error:";
inline constexpr auto SaveFailedTitle = " - Save error.";

// A drive's recycle-bin folder as a start-up command line names it (after the drive letter).
inline constexpr auto CommandLineRecycleBin = ":\\$RECYCLE.BIN";

// Messages with fixed text.
inline constexpr auto NoPathToAdd =
    "Can't add a directory path without a path.\r\n\r\nTo remove a directory from the list,"
    "\r\n\tSelect directory from list,\r\n\tclear text in text box,\r\n\tthen click on "
    "'Update path'\r\n\tand not 'Add path'.";
inline constexpr auto InvalidSelection =
    "Invalid list selection.\r\n\r\nPlease select directory path from the drop down list.";
inline constexpr auto InvalidPathEntered =
    "Invalid directory path entered.\r\nClick OK to update list.\r\nClick Cancel to abort.";
inline constexpr auto RecordRemoved = "Directory record removed from list.";
inline constexpr auto SaveFailed =
    "The directory list could not be saved.\r\nThe stored list is unchanged; the window stays "
    "open.";
inline constexpr auto OneDirectoryOnly = "You can only drag one directory here at a time.";
inline constexpr auto NotADirectory = "\r\nThis is not a directory.";
inline constexpr auto DraggedStart = "\r\nYou dragged ";
inline constexpr auto DraggedEnd = " objects here.";

// Messages built from their parts.
QString checkPathText(const QString& result, bool isOk, const QString& moreInfo);
QString openFailedText(const QString& moreInfo);
QString cantOpenText(const QString& result, const QString& moreInfo);
QString pathExistsText(const QString& path);
QString invalidDirectoryText(const QString& result, const QString& moreInfo);
QString recordUpdatedText(const QString& oldValue, const QString& newValue, int index);

} // namespace pathwick::editor_texts

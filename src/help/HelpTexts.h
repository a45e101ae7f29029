#pragma once

// Every text of the help command, the help path window and the About window, in one place.
namespace pathwick::help_texts {

// The default help files in the order they are tried, each in the program's folder.
inline constexpr const char* DefaultHelpFiles[] = {"Help.doc", "Help.rtf", "Help.html",
                                                   "Help.txt"};
inline constexpr auto DefaultHelpPathFile = "Help.doc";

// Nothing opened.
inline constexpr auto NotFoundTitle = " - Help not found.";
inline constexpr auto NotFoundCantOpen = "Can't find or open the help file.";
inline constexpr auto NotFoundViewStart = "Do you want to view the ";
inline constexpr auto NotFoundViewEnd = " directory?";
inline constexpr auto NotFoundCheckFiles = "If you can't find one of the following files,";
inline constexpr auto NotFoundWebsite = "then you may need to check the website for a copy.";

// The help path window.
inline constexpr auto HelpPathCaption = "Help file name and path.";
inline constexpr auto LoadIfNotFound = "&Load this if Help file not found.";
inline constexpr auto LoadBeforeDefault = "&Load this before trying default Help file.";
inline constexpr auto UpdatePath = "&Update path";
inline constexpr auto ResetPath = "&Reset path";
inline constexpr auto Cancel = "&Cancel";

// Drops on the help path.
inline constexpr auto DropErrorTitle = " - Help file path error:";
inline constexpr auto DropOneFileOnly = "You can only drag one help file here.";
inline constexpr auto DropHelpFileOnly = "You can only drag a help file here.";
inline constexpr auto DropUnsupported = "This type of help file is not supported.";
inline constexpr const char* SupportedExtensions[] = {".doc", ".rtf", ".html",
                                                      ".htm", ".pdf", ".txt"};

// The About window.
inline constexpr auto AboutDesignCaption = "About this application.";
inline constexpr auto AboutCaptionStart = "About ";
inline constexpr auto AboutCaptionEnd = ".";
inline constexpr auto AboutAppTitle = "Directories, shutdown and hot keys";
inline constexpr auto AboutOk = "&OK";
inline constexpr auto AboutVersion = "Version;  ";
inline constexpr auto AboutBy = "By;            ";
inline constexpr auto AboutWebsite = "Website;   ";
inline constexpr auto AboutEmail = "Email;        ";
inline constexpr auto AboutDescription = "Description:";
inline constexpr auto AboutComments = "Comments:";

} // namespace pathwick::help_texts

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace pathwick {

// What the command line the program was started with asks for.
enum class CommandRequest {
    None,     // nothing (empty or only spaces or quotes)
    Hidden,   // "#Hidden": start minimised
    Delay,    // "?HoursMinutes=...": shut down after a delay
    DateTime, // "?DateTime=...": shut down at a moment
    Editor,   // anything else: a path for the directory-list editor
};

struct CommandLineRequest {
    CommandRequest kind = CommandRequest::None;
    // For Delay and DateTime: the request with ":", "/", "\" and "-" turned into "," and
    // every space removed; for Editor: the text without surrounding quotes.
    QString cmd;
};

CommandLineRequest classifyCommandLine(const QString& commandLine);

// The text "--help" (the usage: every request form with an example) or "--version" prints,
// for arguments after the executable name that are exactly one of them; nothing otherwise.
// Answered before the application starts, so no display is needed.
std::optional<QString> informationRequest(const QStringList& arguments);

} // namespace pathwick

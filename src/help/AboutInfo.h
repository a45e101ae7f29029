#pragma once

#include <QString>

namespace pathwick {

// What the About window says about the program.
struct AboutFacts {
    QString versionText; // "0.01.0016"
    QString buildDate;   // getAppDate()
    QString author;
    QString webAddress;
    QString emailAddress;
    QString description; // left out when empty
    QString comments;    // "|" starts a new line; left out when empty
};

// The program's own facts, from the build.
AboutFacts programAboutFacts();

// The information text of the About window, every line ending in CR LF.
QString aboutInformationText(const AboutFacts& facts);

} // namespace pathwick

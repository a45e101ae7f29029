#pragma once

#include <QString>
#include <QStringList>

namespace pathwick {

// What the help path does with objects dropped on it: take one help file, or refuse.
struct HelpDropVerdict {
    bool accepted = false;
    QString path;    // the new help path when accepted
    QString refusal; // the message text when refused
};

// paths: the dropped objects in order; firstAttributeWord: the attribute word of the first.
// Only one ordinary file (attribute word exactly 32) of a supported document type is taken.
HelpDropVerdict checkHelpDrop(const QStringList& paths, int firstAttributeWord);

} // namespace pathwick

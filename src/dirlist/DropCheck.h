#pragma once

#include <QString>
#include <QStringList>

namespace pathwick {

// What the editor does with objects dropped on it: take one folder, or refuse with a text.
struct DropVerdict {
    bool accepted = false;
    QString path;    // the folder to add when accepted
    QString refusal; // the message text when refused
};

// Whether an attribute word describes a directory (any other attribute bits may be set).
bool isDirectoryAttribute(int attributeWord);

// paths: the dropped objects in order; firstAttributeWord: the attribute word of the first.
DropVerdict checkDrop(const QStringList& paths, int firstAttributeWord);

} // namespace pathwick

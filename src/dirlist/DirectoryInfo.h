#pragma once

#include "common/FileServices.h"
#include "dirlist/PathTokens.h"

#include <QString>

namespace pathwick {

// What the classification table says for an attribute word.
struct DirectoryVerdict {
    bool isOk = false;
    QString text;
    QString moreInfo;
};
DirectoryVerdict classifyAttributeWord(int word, const QString& lastComponent);

// Classifies a real path in words and says whether it is a directory that can be opened.
QString DirectoryInfo(const QString& dirPath, bool* isOk = nullptr, QString* moreInfo = nullptr);

// Opens one entry as stored (tokens, recycle bin); true when it was opened.
bool OpenDir(const QString& path);
bool OpenDir(const QString& path, PathExpander& expander);

} // namespace pathwick

#pragma once

#include <QString>

namespace pathwick {

// The information box's text for a drive ("" all drives; a leading "&" is dropped) and the
// number of lines counted.
struct DirectoryListDisplay {
    QString text;
    int count = 0;
};

DirectoryListDisplay ShowDirectoryList(const QString& drive);

} // namespace pathwick

#include "dirlist/DirectoryListDisplay.h"

#include "dirlist/DirListTexts.h"
#include "dirlist/DirectoryStore.h"
#include "dirlist/Drives.h"
#include "dirlist/PathTokens.h"

namespace pathwick {

namespace texts = dirlist_texts;

DirectoryListDisplay ShowDirectoryList(const QString& drive) {
    const QString driveText = drive.startsWith(u'&') ? drive.mid(1) : drive;
    const QStringList entries = storedEntries();

    DirectoryListDisplay display;
    QString& text = display.text;
    qsizetype size = 64;
    for (const QString& entry : entries)
        size += entry.size() + 3;
    text.reserve(size);

    text += QLatin1String(texts::ListHeading);
    if (!driveText.isEmpty())
        text += QLatin1String(texts::ForDrive) + driveText;
    text += u'.';
    text += QLatin1String(texts::CrLf);

    const QStringList drives = driveText.isEmpty() ? QStringList() : driveTexts();
    PathExpander expander;
    for (const QString& entry : entries) {
        if (!driveText.isEmpty() && !entryBelongsToDrive(expander.expand(entry), driveText, drives))
            continue;
        text += QLatin1String(texts::Tab);
        text += entry;
        text += QLatin1String(texts::CrLf);
        ++display.count;
    }

    if (display.count == 0) {
        text += QLatin1String(texts::Tab);
        if (driveText.isEmpty()) {
            text += expander.folder(UserFolder::Documents);
            display.count = 1;
        } else {
            text += QLatin1String(texts::NoEntriesForDrive) + driveText +
                    QLatin1String(texts::NoEntriesEnd);
        }
        text += QLatin1String(texts::CrLf);
    }
    return display;
}

} // namespace pathwick

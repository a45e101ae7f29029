#include "dirlist/OpeningRun.h"

#include "common/ValueFormats.h"
#include "common/Version.h"
#include "dirlist/DirListTexts.h"
#include "dirlist/DirectoryInfo.h"
#include "dirlist/DirectoryStore.h"
#include "dirlist/Drives.h"
#include "dirlist/PathTokens.h"

namespace pathwick {

namespace texts = dirlist_texts;

OpeningRunResult runOpeningRun(const QString& drive) {
    const QString driveText = drive.startsWith(u'&') ? drive.mid(1) : drive;
    const QStringList entries = storedEntries();
    const QStringList drives = driveText.isEmpty() ? QStringList() : driveTexts();
    PathExpander expander;

    OpeningRunResult result;
    QString lines = QLatin1String(texts::Opening) + QLatin1String(texts::CrLf);
    for (const QString& entry : entries) {
        if (!driveText.isEmpty() && !entryBelongsToDrive(expander.expand(entry), driveText, drives))
            continue;
        if (OpenDir(entry, expander)) {
            lines += QLatin1String(texts::OpenedDir);
            ++result.opened;
        } else {
            lines += QLatin1String(texts::CantFind);
            result.allOpened = false;
        }
        lines += QLatin1String(texts::Tab);
        lines += entry;
        lines += QLatin1String(texts::CrLf);
        ++result.tried;
    }

    if (result.allOpened) {
        result.caption = VersionCaption();
        result.text = lines;
    } else {
        result.caption = QString::fromLatin1(texts::SomeFailedCaption);
        result.text = QLatin1String(texts::FailedToOpen) +
                      formatThousands(result.tried - result.opened) + QLatin1String(texts::OutOf) +
                      formatThousands(result.tried) + QLatin1String(texts::Directories) +
                      QLatin1String(texts::CrLf) + QLatin1String(texts::EditListHint) +
                      QLatin1String(texts::CrLf) + QLatin1String(texts::CrLf) + lines;
    }
    return result;
}

QString openDirsCaption(int listedCount) {
    if (listedCount < 1)
        return QString::fromLatin1(texts::NoDirectoriesListed);
    if (listedCount == 1)
        return QString::fromLatin1(texts::OpenOneDirectory);
    return QLatin1String(texts::OpenDirectoriesStart) + formatThousands(listedCount) +
           QLatin1String(texts::OpenDirectoriesEnd);
}

bool openDirsEnabled(int listedCount) {
    return listedCount > 0;
}

} // namespace pathwick

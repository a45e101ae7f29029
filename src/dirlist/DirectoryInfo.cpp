#include "dirlist/DirectoryInfo.h"

#include "common/ShellServices.h"
#include "dirlist/DirListTexts.h"
#include "platform/Environment.h"
#include "platform/ShellLauncher.h"

#include <QDir>
#include <QFileInfo>

namespace pathwick {

namespace {

namespace texts = dirlist_texts;

QString lastComponentOf(const QString& path) {
    const qsizetype cut = qMax(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(cut + 1);
}

// What the recycle-bin token expands to: the trash stands for the recycle bin whether or not
// anything has been trashed yet (the folder appears with the first file).
bool isTrashFolder(const QString& path, const QString& trash) {
    const QString trimmed = path.trimmed();
    return !trash.isEmpty() &&
           (trimmed == trash || (trimmed.endsWith(u'/') && trimmed.chopped(1) == trash));
}

} // namespace

DirectoryVerdict classifyAttributeWord(int word, const QString& lastComponent) {
    const auto row = [&](bool isOk, const char* text) {
        return DirectoryVerdict{isOk, QString::fromLatin1(text), lastComponent};
    };
    switch (word) {
    case -2:
        return {false, QString::fromLatin1(texts::NoPathEntered), QString()};
    case -1:
        return row(false, texts::CantFindObject);
    case 0:
    case 32:
        return row(false, texts::NormalFile);
    case 1:
    case 33:
        return row(false, texts::ReadOnlyFile);
    case 2:
    case 34:
        return row(false, texts::HiddenFile);
    case 3:
        return row(false, texts::ReadOnlyHiddenFile);
    case 4:
        return row(false, texts::SystemFile);
    case 5:
        return row(false, texts::ReadOnlySystemFile);
    case 6:
        return row(false, texts::HiddenSystemFile);
    case 7:
        return row(false, texts::ReadOnlyHiddenSystemFile);
    case 16:
        return row(true, texts::NormalDirectory);
    case 17:
        return row(true, texts::ReadOnlyDirectory);
    case 18:
        return row(true, texts::HiddenDirectory);
    case 22:
        return row(true, texts::FilesInHiddenSystemDirectory);
    case 23:
        return row(true, texts::ReadOnlyHiddenSystemDirectory);
    default:
        return {false, QString::fromLatin1(texts::NotValidDirectory),
                QString::fromLatin1(texts::ObjectType) + QString::number(word)};
    }
}

namespace {

// DirectoryInfo with the trash folder given, so a run over many entries looks it up once.
DirectoryVerdict directoryVerdict(const QString& dirPath, const QString& trash) {
    DirectoryVerdict verdict =
        classifyAttributeWord(attributeWord(dirPath), lastComponentOf(dirPath));

    const QString lowered = dirPath.trimmed().toLower();
    const QString recycleBinUnder = QString::fromLatin1(texts::RecycleBinUnder);
    if ((lowered.endsWith(recycleBinUnder) &&
         lowered == platform::environmentValue(QStringLiteral("SystemDrive")).toLower() +
                        recycleBinUnder) ||
        isTrashFolder(dirPath, trash))
        verdict = {true, QString::fromLatin1(texts::RecycleBinDirectory),
                   QString::fromLatin1(texts::RecycleBinInfo)};
    const QString network = QString::fromLatin1(texts::NetworkPlaces).toLower();
    if (lowered == network || lowered == network + u'\\')
        verdict = {true, QString::fromLatin1(texts::NetworkDirectory),
                   QString::fromLatin1(texts::NetworkInfo)};
    return verdict;
}

} // namespace

QString DirectoryInfo(const QString& dirPath, bool* isOk, QString* moreInfo) {
    const DirectoryVerdict verdict =
        directoryVerdict(dirPath, userFolderPath(UserFolder::RecycleBin));
    if (isOk)
        *isOk = verdict.isOk;
    if (moreInfo)
        *moreInfo = verdict.moreInfo;
    return verdict.text;
}

bool OpenDir(const QString& path) {
    PathExpander expander;
    return OpenDir(path, expander);
}

bool OpenDir(const QString& path, PathExpander& expander) {
    // A recycle-bin folder on any drive letter stands for the recycle bin.
    const QString trash = expander.folder(UserFolder::RecycleBin);
    QString entry = path.trimmed();
    if (entry.mid(1, 26).compare(QLatin1String(texts::RecycleBinFolder), Qt::CaseInsensitive) == 0)
        entry = QString::fromLatin1(texts::RecycleBinToken) + entry.mid(27);
    else if (isTrashFolder(entry, trash))
        entry = QString::fromLatin1(texts::RecycleBinToken);
    if (entry.trimmed().compare(QLatin1String(texts::RecycleBinToken), Qt::CaseInsensitive) == 0)
        return OpenWithShell(QString::fromLatin1(texts::RecycleBinPlace), QString(), 0) ==
               platform::ShellResult::Success;

    const QString realPath = expander.expand(entry);
    if (!directoryVerdict(realPath, trash).isOk)
        return false;
    // The opener would read a folder named "-rf" as an option and "mailto:x" as an address:
    // a folder of the working folder reaches it by its whole path. Shell places stay as they are.
    const QFileInfo folder(realPath);
    OpenWithShell(folder.isRelative() && folder.isDir() ? folder.absoluteFilePath() : realPath,
                  QString(), 0);
    return true;
}

} // namespace pathwick

#include "dirlist/ListFile.h"

#include "common/ComputerInfo.h"
#include "common/ValueFormats.h"
#include "common/Version.h"
#include "dirlist/DirListTexts.h"
#include "dirlist/DirectoryStore.h"
#include "dirlist/ListFileEncoding.h"
#include "dirlist/ListFileTexts.h"
#include "platform/Environment.h"
#include "settings/ProgramSettings.h"
#include "settings/Settings.h"
#include "settings/SettingsListing.h"
#include "settings/SettingsTransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pathwick {

namespace {

using namespace listfile_texts;

// Error numbers as the Windows program reports them.
namespace ErrorNumber {
constexpr int FileNotFound = 53;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int FileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidFormat = 321;
} // namespace ErrorNumber

const QString StringType = QStringLiteral("S");
const QString NumberType = QStringLiteral("D");

QString marker() {
    return QString(QChar(Marker));
}

ListFileError invalidFormat(const QString& detail) {
    return {ErrorNumber::InvalidFormat, QString::fromLatin1(InvalidFormat) + detail};
}

// Why a file at path cannot be opened, in the Windows program's terms.
ListFileError openError(const QString& path, bool forWriting) {
    const QFileInfo info(path);
    if (!info.dir().exists())
        return {ErrorNumber::PathNotFound, QString::fromLatin1(PathNotFound)};
    if (!forWriting && !info.exists())
        return {ErrorNumber::FileNotFound, QString::fromLatin1(FileNotFound)};
    if (info.isDir())
        return {ErrorNumber::FileAccess, QString::fromLatin1(FileAccessError)};
    const bool denied = forWriting ? (info.exists() ? !info.isWritable()
                                                    : !QFileInfo(info.absolutePath()).isWritable())
                                   : !info.isReadable();
    if (denied)
        return {ErrorNumber::PermissionDenied, QString::fromLatin1(PermissionDenied)};
    return {ErrorNumber::FileAccess, QString::fromLatin1(FileAccessError)};
}

// Refuses a line that no stored value name may hold: a control character would break the
// store's listings, and a line longer than any path is not a path.
ListFileError checkLine(const QString& line, qsizetype lineNumber) {
    for (QChar c : line) {
        if (c.unicode() < 0x20 && c != u'\t')
            return invalidFormat(QString::fromLatin1(LineStart) + QString::number(lineNumber) +
                                 ControlCharacterMiddle + QString::number(c.unicode()) +
                                 ControlCharacterEnd);
    }
    if (line.size() > MaxListLineLength)
        return invalidFormat(QString::fromLatin1(LineStart) + QString::number(lineNumber) +
                             LongLineMiddle + formatThousands(MaxListLineLength) + LongLineEnd);
    return {};
}

} // namespace

QString SafeValueName(const QString& text, const QString& replacement) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool keep =
            (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9');
        if (keep)
            out.append(c);
        else
            out.append(replacement);
    }
    return out;
}

QStringList listFileHeader(const QString& secondLine, const QString& filePath,
                           const QDateTime& now) {
    const QString m = marker();
    return {m + QStringLiteral(" ") + QString::fromLatin1(ProductName) + QStringLiteral(" (") +
                VersionText() + QStringLiteral(" - ") + getAppDate() + QStringLiteral(")"),
            m + secondLine,
            m + QString::fromLatin1(HeaderFile) + filePath,
            m + QString::fromLatin1(HeaderDate) + formatNoteMoment(now),
            m + QString::fromLatin1(HeaderOsName) + OSName(),
            m + QString::fromLatin1(HeaderOsType) +
                platform::environmentValue(QString::fromLatin1(OsVariable))};
}

QStringList directoryListFileLines(const QStringList& entries, bool header, const QString& filePath,
                                   const QDateTime& now) {
    QStringList lines;
    if (header)
        lines = listFileHeader(QString::fromLatin1(DirectoriesListed), filePath, now);
    for (const QString& entry : entries) {
        const QString line = entry.trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

QString importStamp(const QString& filePath, const QDateTime& now) {
    return QString::fromLatin1(dirlist_texts::StampStart) + QString::fromLatin1(ProductName) +
           dirlist_texts::StampVersion + VersionText() + QStringLiteral(", ") + getAppDate() +
           ImportedFrom + filePath + QStringLiteral(" (") + formatNoteMoment(now) +
           QStringLiteral("))");
}

bool listFileSizeIsDoubtful(qint64 bytes) {
    return bytes < 10 || bytes > 20000;
}

ListFileError exportDirectoryList(const QString& filePath, bool header, const QDateTime& now) {
    const QByteArray bytes =
        encodeListFile(directoryListFileLines(storedEntries(), header, filePath, now));
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return openError(filePath, true);
    file.write(bytes);
    if (!file.commit()) {
        if (file.error() == QFileDevice::ResourceError)
            return {ErrorNumber::DiskFull, QString::fromLatin1(DiskFull)};
        return openError(filePath, true);
    }
    return {};
}

ListFileError readListFileLines(const QString& filePath, QStringList& lines) {
    lines.clear();
    QFile file(filePath);
    if (QFileInfo(filePath).isDir() || !file.open(QIODevice::ReadOnly))
        return openError(filePath, false);
    if (file.size() > MaxListFileBytes)
        return invalidFormat(QString::fromLatin1(TooLargeStart) +
                             formatThousands(MaxListFileBytes) + TooLargeEnd);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {ErrorNumber::FileAccess, QString::fromLatin1(FileAccessError)};
    const QStringList raw = splitListLines(decodeListFile(bytes));
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QString line = raw.at(i).trimmed();
        if (line.isEmpty())
            continue;
        if (ListFileError error = checkLine(line, i + 1); error.isError())
            return error;
        lines.append(line);
    }
    return {};
}

ListFileError importDirectoryList(const QString& filePath, bool keep, const QDateTime& now) {
    QStringList lines;
    if (ListFileError error = readListFileLines(filePath, lines); error.isError())
        return error;
    // An empty file would replace the list with nothing.
    if (lines.isEmpty())
        return invalidFormat(QString::fromLatin1(NoLines));

    const QString key = ProgramKey();
    const QString m = marker();
    const QString note = entryNote(now);
    int result = SettingResult::Success;
    SettingsTransaction transaction;
    if (!keep) {
        for (const ListedValue& value : listValues(MachineRoot, key))
            if (value.type == StringType && result == SettingResult::Success)
                result = DeleteSetting(MachineRoot, key, value.name);
    }
    if (result == SettingResult::Success)
        result = WriteSetting(MachineRoot, key, QString(), StringType, importStamp(filePath, now));
    for (const QString& line : lines) {
        if (result != SettingResult::Success)
            break;
        if (line.startsWith(m))
            result = WriteSetting(MachineRoot, key, SafeValueName(line, m), NumberType, -1);
        else
            result = WriteSetting(MachineRoot, key, line, StringType, note);
    }
    if (result == SettingResult::Success && !transaction.commit())
        result = SettingResult::Failed;
    if (result != SettingResult::Success)
        return {result, QString::fromLatin1(StoreNotWritten) + NothingImported};
    return {};
}

} // namespace pathwick

#include "hotkeys/HotKeyDrop.h"

#include "common/FileServices.h"
#include "common/RecordFile.h"
#include "common/StringServices.h"
#include "hotkeys/HotKeyMessages.h"
#include "hotkeys/HotKeyWindowTexts.h"

#include <QDir>
#include <QFile>

namespace pathwick::hotkeys {

namespace {

using namespace window_texts;

bool isTextFileName(const QString& path) {
    const QString name = trimSpaces(path).toLower();
    return name.endsWith(QLatin1String(".txt")) || name.endsWith(QLatin1String(".dat"));
}

HotKeyDropVerdict refuse(const QString& message) {
    return {false, {}, message};
}

} // namespace

QString joinDroppedLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        if (!text.isEmpty())
            text += QStringLiteral("\r\n");
        text += line;
    }
    return text;
}

HotKeyDropVerdict checkHotKeyDrop(bool sendBox, const QStringList& paths) {
    if (paths.size() != 1)
        return refuse(onlyOneFileText(sendBox));
    const QString path = QDir::toNativeSeparators(paths.constFirst());
    if (!sendBox)
        return {true, path, {}};

    const QString refusal = QString::fromLatin1(OnlyTextFiles);
    const qint64 size = GetFileSize(path);
    if (!isTextFileName(path) || size <= 0 || size > MaxRecordFileBytes)
        return refuse(refusal);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(refusal);
    return {true, joinDroppedLines(splitRecordLines(decodeRecordFile(file.readAll()))), {}};
}

} // namespace pathwick::hotkeys

#include "hotkeys/SendTest.h"

#include "common/Version.h"
#include "hotkeys/HotKeyWindowTexts.h"

#include <QSaveFile>

namespace pathwick::hotkeys {

QString sendTestFilePath() {
    return ProgramWriteFolder() + u'/' + QLatin1String(window_texts::SendTestFileName);
}

QString writeSendTestFile(const QString& text) {
    const QString path = sendTestFilePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write((text + QStringLiteral("\r\n")).toUtf8());
    return file.commit() ? path : QString();
}

} // namespace pathwick::hotkeys

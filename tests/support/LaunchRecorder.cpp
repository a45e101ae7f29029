#include "support/LaunchRecorder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <map>

namespace pathwick::test {

LaunchRecorder::LaunchRecorder() {
    environment_.set("PATHWICK_OPENER", QFile::encodeName(program()));
    environment_.set("PATHWICK_RECORD_FILE", QFile::encodeName(file()));
}

QString LaunchRecorder::program() {
    // From the source folder, so the tests run from any working folder.
    return QFileInfo(QStringLiteral(PATHWICK_TEST_SUPPORT_DIR "/recorder.sh")).canonicalFilePath();
}

QString LaunchRecorder::file() const {
    return folder_.filePath(QStringLiteral("launched.txt"));
}

QStringList LaunchRecorder::launches(qsizetype count) const {
    std::map<qint64, QString> bySequence;
    for (const QDeadlineTimer deadline(60000);
         qsizetype(bySequence.size()) < count && !deadline.hasExpired(); QThread::msleep(20)) {
        QFile record(file());
        if (!record.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : record.readAll().split('\n'))
            if (const qsizetype tab = line.indexOf('\t'); tab > 0)
                bySequence[line.left(tab).toLongLong()] = QString::fromLocal8Bit(line.mid(tab + 1));
    }
    QStringList inOrder;
    for (const auto& launch : bySequence)
        inOrder.append(launch.second);
    return inOrder;
}

} // namespace pathwick::test

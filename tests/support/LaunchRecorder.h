#pragma once

#include "support/ScopedEnvironment.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <map>

namespace pathwick::test {

// Puts the test recorder (support/recorder.sh) in place of the opener, recording into a file
// of its own, and reads back what was launched. Detached launches arrive in any order; each
// carries the launch sequence number, which puts them back in order.
class LaunchRecorder {
public:
    LaunchRecorder() {
        environment_.set("PATHWICK_OPENER", QFile::encodeName(program()));
        environment_.set("PATHWICK_RECORD_FILE", QFile::encodeName(file()));
    }

    // The recorder script, from the source folder so tests run from any working folder.
    static QString program() {
        return QFileInfo(QStringLiteral(PATHWICK_TEST_SUPPORT_DIR "/recorder.sh"))
            .canonicalFilePath();
    }
    QString file() const { return folder_.filePath(QStringLiteral("launched.txt")); }

    // The arguments of each launch in launch order, once `count` have arrived (or after a
    // minute, so a test fails instead of hanging).
    QStringList launches(qsizetype count) const {
        std::map<qint64, QString> bySequence;
        for (const QDeadlineTimer deadline(60000);
             qsizetype(bySequence.size()) < count && !deadline.hasExpired(); QThread::msleep(20)) {
            QFile record(file());
            if (!record.open(QIODevice::ReadOnly))
                continue;
            for (const QByteArray& line : record.readAll().split('\n'))
                if (const qsizetype tab = line.indexOf('\t'); tab > 0)
                    bySequence[line.left(tab).toLongLong()] =
                        QString::fromLocal8Bit(line.mid(tab + 1));
        }
        QStringList inOrder;
        for (const auto& launch : bySequence)
            inOrder.append(launch.second);
        return inOrder;
    }

private:
    QTemporaryDir folder_;
    ScopedEnvironment environment_;
};

} // namespace pathwick::test

#pragma once

#include "platform/Platform.h"
#include "support/ScopedEnvironment.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <map>

namespace pathwick::test {

// The real launcher with tests/support/recorder.sh as the opener: every started opening
// adds its target to a record file of this object's own. Launches that fail before a
// program starts (a missing file) leave no record.
class RecordingOpener {
public:
    RecordingOpener() {
        const QString recorder = QStringLiteral(PATHWICK_TEST_SUPPORT_DIR "/recorder.sh");
        environment_.set("PATHWICK_OPENER", QFile::encodeName(recorder));
        environment_.set("PATHWICK_RECORD_FILE", QFile::encodeName(record()));
        platform::reset();
    }
    ~RecordingOpener() { platform::reset(); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    // The recorded targets in launch order, once `count` have arrived (or after 10 s), and
    // after a further `settleMs` so that launches beyond the count show as well.
    QStringList opened(int count, int settleMs = 300) const {
        QDeadlineTimer deadline(10000);
        while (read().size() < count && !deadline.hasExpired())
            QThread::msleep(20);
        QThread::msleep(settleMs);
        return read();
    }

private:
    QString record() const { return scratch_.filePath(QStringLiteral("opened.txt")); }

    QStringList read() const {
        std::map<int, QString> bySequence;
        QFile file(record());
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& line : file.readAll().split('\n'))
                if (const qsizetype tab = line.indexOf('\t'); tab > 0)
                    bySequence[line.left(tab).toInt()] = QString::fromLocal8Bit(line.mid(tab + 1));
        QStringList inOrder;
        for (const auto& launch : bySequence)
            inOrder.append(launch.second);
        return inOrder;
    }

    QTemporaryDir scratch_;
    ScopedEnvironment environment_;
};

} // namespace pathwick::test

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <functional>

namespace pathwick::test {

// Runs the program's event loop (where the keys are sent) until done() or the time-out.
inline bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    // Waits for events instead of polling for them: a spinning loop would take a core from
    // the receiver and the server on a small machine. The timer bounds each wait.
    QTimer wake;
    wake.start(1);
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// What a receiver holds, with every line break made "\n".
inline QString asReceived(QString text) {
    return text.replace("\r\n", "\n").replace('\r', '\n');
}

// A Qt text box in a process of its own, focused on the test display.
class QtReceiver {
public:
    QtReceiver(const QByteArray& display, qsizetype expectedLength, int timeoutMs = 20000) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", QString::fromLocal8Bit(display));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(PATHWICK_TEXT_RECEIVER,
                       {QString::number(expectedLength), QString::number(timeoutMs)});
    }
    ~QtReceiver() {
        process_.kill();
        process_.waitForFinished(2000);
    }

    bool waitReady() {
        return pumpUntil([this] { return read().contains("ready"); }, 10000);
    }
    // Waits for the receiver to end; its text and the monotonic time it was complete.
    bool finish(QString& text, qint64& doneNs, int timeoutMs = 30000) {
        // The line can arrive in pieces: a long text is many kilobytes of hex.
        const auto complete = [this] {
            const qsizetype at = read().indexOf("done ");
            return at >= 0 && output_.indexOf('\n', at) >= 0;
        };
        if (!pumpUntil(complete, timeoutMs))
            return false;
        const QList<QByteArray> fields = output_.mid(output_.indexOf("done ")).split(' ');
        doneNs = fields.value(1).toLongLong();
        text = QString::fromUtf8(QByteArray::fromHex(fields.value(2).trimmed()));
        return true;
    }

private:
    const QByteArray& read() {
        output_ += process_.readAllStandardOutput();
        return output_;
    }
    QProcess process_;
    QByteArray output_;
};

} // namespace pathwick::test

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <functional>

namespace pathwick::test {

// Runs the program's event loop (where the keys are sent) until done() or the time-out.
inline bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
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
        if (!pumpUntil([this] { return read().contains("done "); }, timeoutMs))
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

// A Qt text box that receives typed keys, for the typing tests and benchmarks. It prints
// "ready" once its box has the input focus, and when the box holds as many characters
// as the first argument asks for (or the time-out in milliseconds of the second argument
// passes), one line "done <monotonic ns> <hex of the text as UTF-8>" and ends.
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const qsizetype expected = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1;
    const int timeoutMs = argc > 2 ? QByteArray(argv[2]).toInt() : 20000;

    QPlainTextEdit box;
    box.setObjectName("receiver");
    box.resize(600, 400);
    box.show();
    box.activateWindow();
    box.setFocus();

    auto finish = [&box] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("done %lld %s\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    box.toPlainText().toUtf8().toHex().constData());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    };
    QObject::connect(&box, &QPlainTextEdit::textChanged, [&] {
        if (box.toPlainText().size() >= expected)
            finish();
    });
    QTimer ready;
    ready.setInterval(10);
    QObject::connect(&ready, &QTimer::timeout, [&] {
        if (QApplication::focusWidget() != &box || !box.window()->isActiveWindow()) {
            box.activateWindow();
            return;
        }
        ready.stop();
        std::printf("ready\n");
        std::fflush(stdout);
    });
    ready.start();
    QTimer::singleShot(timeoutMs, finish);
    return app.exec();
}

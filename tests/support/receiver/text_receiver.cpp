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
    QPlainTextEdit box;
    box.resize(600, 400);
    box.show();
    box.setFocus();
    auto finish = [&box] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("done %lld %s\n", (long long)std::chrono::nanoseconds(now).count(),
                    box.toPlainText().toUtf8().toHex().constData());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    };
    // The count of the document, not its text, so the check costs nothing per key.
    QObject::connect(&box, &QPlainTextEdit::textChanged, [&] {
        if (box.document()->characterCount() - 1 >= expected)
            finish();
    });
    QTimer ready;
    QObject::connect(&ready, &QTimer::timeout, [&] {
        box.activateWindow();
        if (QApplication::focusWidget() == &box && box.isActiveWindow()) {
            ready.stop();
            std::printf("ready\n");
            std::fflush(stdout);
        }
    });
    ready.start(10);
    QTimer::singleShot(argc > 2 ? QByteArray(argv[2]).toInt() : 20000, finish);
    return app.exec();
}

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

int main(int argc, char** argv) {
    // Answered before the application exists: no display is needed for these.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> information = pathwick::informationRequest(arguments)) {
        std::fputs(information->toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    // Every window, the start-up warning included, shows the program's icon.
    app.setWindowIcon(QIcon(QStringLiteral(":/pathwick.png")));

    const std::optional<QString> commandLine = pathwick::Form_Initialize(app.arguments());
    if (!commandLine)
        return 0;

    pathwick::MainWindow window(*commandLine);
    window.show();
    return app.exec();
}

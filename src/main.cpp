#include "app/MainWindow.h"
#include "app/StartUp.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
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

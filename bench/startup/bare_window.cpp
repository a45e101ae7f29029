// The yardstick for Pathwick's start-up: a bare Qt Widgets main window with a three-menu bar
// and a text box, nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    for (const char* title : {"&Menu", "&Help", "&Shutdown"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("&First"));
        menu->addAction(QStringLiteral("&Second"));
    }
    auto* text = new QPlainTextEdit(&window);
    text->setReadOnly(true);
    text->setPlainText(QStringLiteral("Directory list.\n"));
    window.setCentralWidget(text);
    window.show();
    return app.exec();
}

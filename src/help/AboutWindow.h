#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pathwick {

// Name, version, build date, makers and notes of the program over a white-to-amber gradient.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* owner);

    QLabel* img_AppInfo = nullptr;
    QLabel* lab_AppName = nullptr;
    QLabel* lab_AppTitle = nullptr;
    QLabel* lab_AppInfo = nullptr;
    QPushButton* com_OK = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace pathwick

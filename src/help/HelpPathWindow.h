#pragma once

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pathwick {

// Sets the help file that "&Help file" tries, and whether before or after the default files.
// Nothing is stored before "&Update path".
class HelpPathWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpPathWindow(QWidget* owner);

    QLineEdit* txt_HelpPath = nullptr;
    // 0: load if the help file is not found; 1: load before trying the default help file.
    QList<QRadioButton*> opt_LoadFirst;
    QPushButton* com_Update = nullptr;
    QPushButton* com_Reset = nullptr;
    QPushButton* com_Cancel = nullptr;

    // What a drop of these paths onto the help path does.
    void txt_HelpPath_OLEDragDrop(const QStringList& paths);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void com_Update_Click();
    void com_Reset_Click();
    // The stored path and priority, or the defaults.
    void showSettings(bool defaults);
    void txt_HelpPath_Change();
};

} // namespace pathwick

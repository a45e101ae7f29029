#pragma once

#include <QDialog>
#include <QStringList>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace pathwick {

class MainWindowHost;

// The directory list editor. It edits a working copy of the stored list in combo_RegStored;
// nothing reaches the store before "&Save valies and close window".
class DirectoryListEditor : public QDialog {
    Q_OBJECT
public:
    DirectoryListEditor(MainWindowHost& host, QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Form_Activate();
    void tim_CheckComboList_Timer();
    void com_CheckPath_Click();
    void com_OpenDir_Click();
    void com_Add_Click();
    void com_Update_Click();
    void com_ResetValues_Click();
    void com_SaveValues_Click();
    void com_Abort_Click();
    void combo_RegStored_Click(int index);
    void txt_PathEdit_Change();
    void menu_Hidden_ShowHiddenMenu_Click();
    void menu_TestingMode_Click(bool checked);

private:
    void buildControls();
    void buildHiddenMenu();
    void Form_Load();
    bool Form_KeyDown(int key);
    void Form_OLEDragDrop(const QStringList& paths);
    // Moving entries between the store and a list (combo_RegStored when none is given).
    void LoadStoredList(QComboBox* target = nullptr);
    bool SaveStoredList(QComboBox* source = nullptr);
    void AllToList(const QString& NewPath);
    bool refusedAsEntry(const QString& path);
    // Whether the edited path, expanded, is a directory that can be opened.
    bool CheckEditedPath();
    void fillWithSamples(const QStringList& paths);
    void showListing(const char* title, const QString& listing);
    QStringList listItems() const;
    void selectLastEntry();

    MainWindowHost& host_;

    // The controls carry their design names as object names.
    QFrame* fra_MainFrame = nullptr;
    QLineEdit* txt_PathEdit = nullptr;
    QComboBox* combo_RegStored = nullptr;
    QPushButton* com_CheckPath = nullptr;
    QPushButton* com_OpenDir = nullptr;
    QPushButton* com_Add = nullptr;
    QPushButton* com_Update = nullptr;
    QLabel* lab_CanDragDrop = nullptr;
    QLabel* lab_HowToDel = nullptr;
    QPushButton* com_ResetValues = nullptr;
    QPushButton* com_SaveValues = nullptr;
    QPushButton* com_Abort = nullptr;
    QTimer* tim_CheckComboList = nullptr;

    QMenu* menu_HiddenInOptions = nullptr;
    QAction* menu_Hidden_ShowHiddenMenu = nullptr;
    QAction* menu_TestingMode = nullptr;
    QAction* menu_TEMP_Bar_1 = nullptr;
    QAction* menu_TEMP_SetMyValues = nullptr;
    QAction* menu_TEMP_SetValuesSmall = nullptr;
    QAction* menu_TEMP_ShowComboList = nullptr;
    QAction* menu_TEMP_ShowRegValues = nullptr;
};

} // namespace pathwick

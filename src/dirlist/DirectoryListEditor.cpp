#include "dirlist/DirectoryListEditor.h"

#include "common/MainWindowHost.h"
#include "common/MessageBoxes.h"
#include "common/RecordFile.h"
#include "common/Twips.h"
#include "common/WindowControls.h"
#include "dirlist/DirectoryInfo.h"
#include "dirlist/DirectoryStore.h"
#include "dirlist/DropCheck.h"
#include "dirlist/EditorDeveloperAids.h"
#include "dirlist/EditorTexts.h"
#include "dirlist/PathEditRules.h"
#include "dirlist/PathTokens.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsListing.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace pathwick {

namespace {

using namespace editor_texts;

constexpr int CheckComboListInterval = 1000;
constexpr int PopupRaiseTwips = 128;
constexpr int EscapeKey = 27;
constexpr int PauseKey = 19;

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

} // namespace

DirectoryListEditor::DirectoryListEditor(MainWindowHost& host, QWidget* owner)
    : QDialog(owner), host_(host) {
    setObjectName(QStringLiteral("frm_Options"));
    setWindowTitle(text(Caption));
    if (owner != nullptr)
        setWindowIcon(owner->windowIcon());
    buildControls();
    buildHiddenMenu();
    Form_Load();
}

void DirectoryListEditor::buildControls() {
    fra_MainFrame = new QFrame(this);
    fra_MainFrame->setObjectName(QStringLiteral("fra_MainFrame"));
    fra_MainFrame->setFrameShape(QFrame::StyledPanel);

    txt_PathEdit = new QLineEdit(fra_MainFrame);
    txt_PathEdit->setObjectName(QStringLiteral("txt_PathEdit"));
    combo_RegStored = new QComboBox(fra_MainFrame);
    combo_RegStored->setObjectName(QStringLiteral("combo_RegStored"));
    combo_RegStored->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo_RegStored->setMinimumContentsLength(50);

    com_CheckPath = makeButton(fra_MainFrame, "com_CheckPath", CheckPath);
    com_OpenDir = makeButton(fra_MainFrame, "com_OpenDir", OpenDirectory);
    com_Add = makeButton(fra_MainFrame, "com_Add", AddPath);
    com_Update = makeButton(fra_MainFrame, "com_Update", UpdatePath);
    lab_CanDragDrop = makeLabel(fra_MainFrame, "lab_CanDragDrop", CanDragDrop);
    lab_HowToDel = makeLabel(fra_MainFrame, "lab_HowToDel", HowToDelete);
    // The label's access key (Alt+U) leads to the button it names.
    lab_HowToDel->setBuddy(com_Update);
    com_ResetValues = makeButton(this, "com_ResetValues", ResetValues);
    com_SaveValues = makeButton(this, "com_SaveValues", SaveValues);
    com_Abort = makeButton(this, "com_Abort", Abort);

    auto* pathButtons = new QHBoxLayout;
    for (QPushButton* button : {com_CheckPath, com_OpenDir, com_Add, com_Update})
        pathButtons->addWidget(button);
    auto* frameLayout = new QVBoxLayout(fra_MainFrame);
    frameLayout->addWidget(txt_PathEdit);
    frameLayout->addWidget(combo_RegStored);
    frameLayout->addLayout(pathButtons);
    frameLayout->addWidget(lab_CanDragDrop);
    frameLayout->addWidget(lab_HowToDel);

    auto* windowButtons = new QHBoxLayout;
    for (QPushButton* button : {com_ResetValues, com_SaveValues, com_Abort})
        windowButtons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fra_MainFrame);
    layout->addLayout(windowButtons);

    tim_CheckComboList = new QTimer(this);
    tim_CheckComboList->setObjectName(QStringLiteral("tim_CheckComboList"));

    // Drops reach the window from every control; the text box would take dropped text.
    setAcceptDrops(true);
    txt_PathEdit->setAcceptDrops(false);
    // Escape and Pause close the window from every control.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);

    connect(combo_RegStored, &QComboBox::currentIndexChanged, this,
            &DirectoryListEditor::combo_RegStored_Click);
    connect(combo_RegStored, &QComboBox::activated, this,
            &DirectoryListEditor::combo_RegStored_Click);
    connect(txt_PathEdit, &QLineEdit::textChanged, this, &DirectoryListEditor::txt_PathEdit_Change);
    connect(tim_CheckComboList, &QTimer::timeout, this,
            &DirectoryListEditor::tim_CheckComboList_Timer);
    connect(com_CheckPath, &QPushButton::clicked, this, &DirectoryListEditor::com_CheckPath_Click);
    connect(com_OpenDir, &QPushButton::clicked, this, &DirectoryListEditor::com_OpenDir_Click);
    connect(com_Add, &QPushButton::clicked, this, &DirectoryListEditor::com_Add_Click);
    connect(com_Update, &QPushButton::clicked, this, &DirectoryListEditor::com_Update_Click);
    connect(com_ResetValues, &QPushButton::clicked, this,
            &DirectoryListEditor::com_ResetValues_Click);
    connect(com_SaveValues, &QPushButton::clicked, this,
            &DirectoryListEditor::com_SaveValues_Click);
    connect(com_Abort, &QPushButton::clicked, this, &DirectoryListEditor::com_Abort_Click);
}

void DirectoryListEditor::buildHiddenMenu() {
    menu_HiddenInOptions = new QMenu(this);
    menu_HiddenInOptions->setObjectName(QStringLiteral("menu_HiddenInOptions"));
    menu_Hidden_ShowHiddenMenu =
        makeAction(menu_HiddenInOptions, "menu_Hidden_ShowHiddenMenu", ShowHiddenMenu);
    menu_Hidden_ShowHiddenMenu->setCheckable(true);
    menu_TestingMode = makeAction(menu_HiddenInOptions, "menu_TestingMode", TestingMode);
    menu_TestingMode->setCheckable(true);
    menu_TEMP_Bar_1 = menu_HiddenInOptions->addSeparator();
    menu_TEMP_Bar_1->setObjectName(QStringLiteral("menu_TEMP_Bar_1"));
    menu_TEMP_SetMyValues = makeAction(menu_HiddenInOptions, "menu_TEMP_SetMyValues", SetMyValues);
    menu_TEMP_SetValuesSmall =
        makeAction(menu_HiddenInOptions, "menu_TEMP_SetValuesSmall", SetValuesSmall);
    menu_TEMP_ShowComboList =
        makeAction(menu_HiddenInOptions, "menu_TEMP_ShowComboList", ShowComboList);
    menu_TEMP_ShowRegValues =
        makeAction(menu_HiddenInOptions, "menu_TEMP_ShowRegValues", ShowRegValues);
    menu_HiddenInOptions->setDefaultAction(menu_TEMP_SetMyValues);

    connect(menu_Hidden_ShowHiddenMenu, &QAction::triggered, this,
            &DirectoryListEditor::menu_Hidden_ShowHiddenMenu_Click);
    connect(menu_TestingMode, &QAction::triggered, this,
            &DirectoryListEditor::menu_TestingMode_Click);
    connect(menu_TEMP_SetMyValues, &QAction::triggered, this,
            [this] { fillWithSamples(defaultSamplePaths()); });
    connect(menu_TEMP_SetValuesSmall, &QAction::triggered, this,
            [this] { fillWithSamples(smallSamplePaths()); });
    connect(menu_TEMP_ShowComboList, &QAction::triggered, this,
            [this] { showListing(ComboListTitle, numberedItemListing(listItems())); });
    connect(menu_TEMP_ShowRegValues, &QAction::triggered, this, [this] {
        showListing(RegValuesTitle, numberedValueListing(listValues(MachineRoot, ProgramKey())));
    });
}

void DirectoryListEditor::Form_Load() {
    menu_TestingMode->setChecked(host_.TestModeValue_valueGet());
    tim_CheckComboList->start(CheckComboListInterval);
    txt_PathEdit_Change();
}

// The window is loaded for each use and shown once, so this runs when it opens; focus that
// comes back from its own message boxes or from another program is no activation here.
void DirectoryListEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void DirectoryListEditor::Form_Activate() {
    com_ResetValues_Click();
    const QString entry = commandLineEntry(host_.GetCommand());
    if (entry.isEmpty())
        return;
    const int before = combo_RegStored->count();
    AllToList(entry);
    if (combo_RegStored->count() > before)
        selectLastEntry();
}

QStringList DirectoryListEditor::listItems() const {
    QStringList items;
    for (int i = 0; i < combo_RegStored->count(); ++i)
        items.append(combo_RegStored->itemText(i));
    return items;
}

void DirectoryListEditor::selectLastEntry() {
    combo_RegStored->setCurrentIndex(combo_RegStored->count() - 1);
}

void DirectoryListEditor::LoadStoredList(QComboBox* target) {
    QComboBox* list = target != nullptr ? target : combo_RegStored;
    list->clear();
    list->addItems(storedEntries());
}

bool DirectoryListEditor::SaveStoredList(QComboBox* source) {
    QComboBox* list = source != nullptr ? source : combo_RegStored;
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return saveStoredEntries(items, QDateTime::currentDateTime());
}

void DirectoryListEditor::AllToList(const QString& NewPath) {
    const QString path = pathForList(NewPath);
    if (!path.isEmpty() && !refusedAsEntry(path))
        combo_RegStored->addItem(path);
}

// An entry the list file could not carry back (a line break in a dropped folder's name, say)
// is refused with a message where it is added.
bool DirectoryListEditor::refusedAsEntry(const QString& path) {
    const QString refusal = listEntryRefusal(path);
    if (refusal.isEmpty())
        return false;
    showMessage(this, QMessageBox::Warning, text(InvalidPathTitle), refusal);
    return true;
}

bool DirectoryListEditor::CheckEditedPath() {
    bool isOk = false;
    DirectoryInfo(RealPathFromStr(txt_PathEdit->text()), &isOk);
    return isOk;
}

void DirectoryListEditor::combo_RegStored_Click(int index) {
    if (index >= 0)
        txt_PathEdit->setText(combo_RegStored->currentText());
}

void DirectoryListEditor::txt_PathEdit_Change() {
    if (const auto fix = removeLineBreaks(txt_PathEdit->text(), txt_PathEdit->cursorPosition())) {
        txt_PathEdit->setText(fix->text);
        txt_PathEdit->setCursorPosition(fix->caret);
    }
    const PathEditButtons buttons =
        pathEditButtons(txt_PathEdit->text(), combo_RegStored->currentText(), CheckEditedPath());
    com_CheckPath->setEnabled(buttons.checkPath);
    com_Add->setEnabled(buttons.add);
    com_OpenDir->setEnabled(buttons.openDir);
    if (buttons.update)
        com_Update->setEnabled(*buttons.update);
}

void DirectoryListEditor::tim_CheckComboList_Timer() {
    const auto update = updateEnabledByTimer(txt_PathEdit->text(), combo_RegStored->currentText(),
                                             combo_RegStored->currentIndex() >= 0);
    if (update)
        com_Update->setEnabled(*update);
}

void DirectoryListEditor::com_CheckPath_Click() {
    bool isOk = false;
    QString moreInfo;
    const QString result = DirectoryInfo(RealPathFromStr(txt_PathEdit->text()), &isOk, &moreInfo);
    showMessage(this, isOk ? QMessageBox::Information : QMessageBox::Warning,
                text(DirectoryCheckTitle), checkPathText(result, isOk, moreInfo));
}

void DirectoryListEditor::com_OpenDir_Click() {
    const QString path = RealPathFromStr(txt_PathEdit->text());
    bool isOk = false;
    QString moreInfo;
    const QString result = DirectoryInfo(path, &isOk, &moreInfo);
    if (!isOk)
        showMessage(this, QMessageBox::Warning, text(CantOpenTitle),
                    cantOpenText(result, moreInfo));
    else if (!OpenDir(path))
        showMessage(this, QMessageBox::Warning, text(OpenFailedTitle), openFailedText(moreInfo));
}

void DirectoryListEditor::com_Add_Click() {
    const QString path = txt_PathEdit->text().trimmed();
    if (path.isEmpty()) {
        showMessage(this, QMessageBox::Warning, text(NoPathTitle), text(NoPathToAdd));
        return;
    }
    if (refusedAsEntry(path))
        return;
    if (listHoldsPath(listItems(), path) &&
        showMessage(this, QMessageBox::Warning, text(PathExistsTitle), pathExistsText(path),
                    QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    bool isOk = false;
    QString moreInfo;
    const QString result = DirectoryInfo(RealPathFromStr(path), &isOk, &moreInfo);
    if (!isOk &&
        showMessage(this, QMessageBox::Warning, text(InvalidDirectoryTitle),
                    invalidDirectoryText(result, moreInfo), QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) != QMessageBox::Yes)
        return;
    combo_RegStored->addItem(path);
    selectLastEntry();
}

void DirectoryListEditor::com_Update_Click() {
    const int index = combo_RegStored->currentIndex();
    if (index < 0) {
        showMessage(this, QMessageBox::Warning, text(InvalidSelectionTitle),
                    text(InvalidSelection));
        return;
    }
    const QString oldValue = combo_RegStored->itemText(index).trimmed();
    const QString newValue = txt_PathEdit->text().trimmed();
    if (refusedAsEntry(newValue))
        return;
    if (!newValue.isEmpty() && !CheckEditedPath() &&
        showMessage(this, QMessageBox::Warning, text(InvalidPathTitle), text(InvalidPathEntered),
                    QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    combo_RegStored->removeItem(index);
    if (newValue.isEmpty()) {
        if (combo_RegStored->count() > 0)
            combo_RegStored->setCurrentIndex(0);
        showMessage(this, QMessageBox::Information, text(RecordRemovedTitle), text(RecordRemoved));
        return;
    }
    combo_RegStored->insertItem(index, newValue);
    combo_RegStored->setCurrentIndex(index);
    showMessage(this, QMessageBox::Information, text(RecordUpdatedTitle),
                recordUpdatedText(oldValue, newValue, index));
}

void DirectoryListEditor::com_ResetValues_Click() {
    combo_RegStored->clear();
    LoadStoredList(combo_RegStored);
    if (combo_RegStored->count() > 0)
        combo_RegStored->setCurrentIndex(0);
}

void DirectoryListEditor::com_SaveValues_Click() {
    if (!SaveStoredList()) {
        showMessage(this, QMessageBox::Warning, text(SaveFailedTitle), text(SaveFailed));
        return;
    }
    host_.SetDoItFlag(true);
    accept();
}

void DirectoryListEditor::com_Abort_Click() {
    reject();
}

bool DirectoryListEditor::Form_KeyDown(int key) {
    if (key != EscapeKey && key != PauseKey)
        return false;
    reject();
    return true;
}

void DirectoryListEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Pause) {
        Form_KeyDown(event->key() == Qt::Key_Escape ? EscapeKey : PauseKey);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool DirectoryListEditor::eventFilter(QObject* watched, QEvent* event) {
    // A pop-up (the list's drop-down) is a window of its own: its Escape closes only it.
    const bool inThisWindow =
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this;
    if (inThisWindow && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Pause)
            return Form_KeyDown(key == Qt::Key_Escape ? EscapeKey : PauseKey);
    }
    return QDialog::eventFilter(watched, event);
}

void DirectoryListEditor::mousePressEvent(QMouseEvent* event) {
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (event->button() != Qt::RightButton || held != (Qt::ShiftModifier | Qt::ControlModifier)) {
        QDialog::mousePressEvent(event);
        return;
    }
    menu_Hidden_ShowHiddenMenu->setChecked(host_.hiddenMenuVisible());
    const QPoint at =
        event->globalPosition().toPoint() - QPoint(0, twipsToPixels(PopupRaiseTwips, this));
    menu_HiddenInOptions->popup(at);
}

void DirectoryListEditor::menu_Hidden_ShowHiddenMenu_Click() {
    const bool show = !read(catalogue::ShowHiddenMenu);
    write(catalogue::ShowHiddenMenu, show);
    menu_Hidden_ShowHiddenMenu->setChecked(show);
    host_.setHiddenMenuVisible(show);
}

void DirectoryListEditor::menu_TestingMode_Click(bool checked) {
    host_.TestMode_valueSet(checked);
}

void DirectoryListEditor::fillWithSamples(const QStringList& paths) {
    combo_RegStored->clear();
    for (const QString& path : paths)
        AllToList(path);
    if (combo_RegStored->count() > 0)
        combo_RegStored->setCurrentIndex(0);
}

void DirectoryListEditor::showListing(const char* title, const QString& listing) {
    QMessageBox box(QMessageBox::Information, text(title), listing, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DirectoryListEditor::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedLocalPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void DirectoryListEditor::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedLocalPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void DirectoryListEditor::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedLocalPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    Form_OLEDragDrop(paths);
}

void DirectoryListEditor::Form_OLEDragDrop(const QStringList& paths) {
    const DropVerdict verdict =
        checkDrop(paths, paths.isEmpty() ? -1 : attributeWord(paths.first()));
    if (!verdict.accepted) {
        showMessage(this, QMessageBox::Warning, text(DragErrorTitle), verdict.refusal);
        return;
    }
    AllToList(verdict.path);
    selectLastEntry();
}

} // namespace pathwick

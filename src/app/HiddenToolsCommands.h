#pragma once

#include <QString>

class QWidget;

namespace pathwick {

// "&Run Lampwatch": asks, launches the companion from programFolder (a second try when the
// first fails) and, when both fail, offers to open programFolder.
void menu_LoadLampwatch_Click(const QString& programFolder);
// The tools of the ".&?." menu.
void menuHidden_TaskManager_Click(QWidget* owner);
void menuHidden_ToDoList_Click(QWidget* owner);
void menuHidden_X_Click(QWidget* owner);

} // namespace pathwick

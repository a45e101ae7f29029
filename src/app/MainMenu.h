#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace pathwick {

// The main window's menu tree, built from the menu table. Every entry carries its table
// name as object name; a sub-menu and its entry in the parent share the name.
struct MainMenu {
    QHash<QString, QMenu*> menus;
    QHash<QString, QList<QAction*>> entries; // control arrays keep their table order

    QAction* entry(const QString& name) const;
    QMenu* menu(const QString& name) const;
};

MainMenu buildMainMenu(QMenuBar* bar);

// A caption of "-" turns the entry into a separator, as in the menu table; the separator
// carries no text, since some styles would draw it.
void setMenuCaption(QAction* action, const QString& caption);

} // namespace pathwick

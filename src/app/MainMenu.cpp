#include "app/MainMenu.h"

#include "app/AppTexts.h"
#include "app/MainMenuTexts.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace pathwick {

QAction* MainMenu::entry(const QString& name) const {
    const QList<QAction*> found = entries.value(name);
    return found.isEmpty() ? nullptr : found.first();
}

QMenu* MainMenu::menu(const QString& name) const {
    return menus.value(name);
}

void setMenuCaption(QAction* action, const QString& caption) {
    const bool separator = caption == QLatin1String(texts::SeparatorCaption);
    action->setSeparator(separator);
    action->setText(separator ? QString() : caption);
}

MainMenu buildMainMenu(QMenuBar* bar) {
    MainMenu built;
    for (const MainMenuEntry& row : mainMenuTable()) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        QMenu* parent = row.parent ? built.menus.value(QString::fromLatin1(row.parent)) : nullptr;
        QWidget* owner = parent ? static_cast<QWidget*>(parent) : bar;

        QAction* action = nullptr;
        if (row.kind == MenuItemKind::SubMenu) {
            auto* menu = new QMenu(caption, owner);
            menu->setObjectName(name);
            built.menus.insert(name, menu);
            action = menu->menuAction();
        } else {
            action = new QAction(owner);
            setMenuCaption(action, caption);
            action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            action->setCheckable(row.checkable);
            action->setChecked(row.checked);
        }
        action->setObjectName(name);
        action->setEnabled(row.enabled);
        action->setMenuRole(QAction::NoRole);
        if (parent)
            parent->addAction(action);
        else
            bar->addAction(action);
        built.entries[name].append(action);
    }
    return built;
}

} // namespace pathwick

#include "app/MainMenu.h"

#include "app/AppTexts.h"
#include "app/MainMenuTable.h"

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace pathwick {

void setMenuCaption(QAction* action, const QString& caption) {
    const bool separator = caption == QLatin1String(texts::SeparatorCaption);
    action->setSeparator(separator);
    action->setText(separator ? QString() : caption);
}

MainMenu buildMainMenu(QMenuBar* bar) {
    MainMenu built;
    QHash<QString, QMenu*> subMenus; // by table name, while the tree is built
    for (const MainMenuEntry& row : mainMenuTable()) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        QMenu* parent = row.parent ? subMenus.value(QString::fromLatin1(row.parent)) : nullptr;
        QWidget* owner = parent ? static_cast<QWidget*>(parent) : bar;

        QAction* action = nullptr;
        if (row.kind == MenuItemKind::SubMenu) {
            auto* menu = new QMenu(caption, owner);
            menu->setObjectName(name);
            subMenus.insert(name, menu);
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
        if (row.place)
            row.place(built, action);
        built.all.append(action);
    }
    return built;
}

} // namespace pathwick

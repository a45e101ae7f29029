#include "hotkeys/HotKeyWindowEntries.h"

#include "hotkeys/HotKeyFileCommands.h"

#include <QAction>

namespace pathwick::hotkeys {

void connectHotKeyWindowEntries(const HotKeyMenu& menu, QWidget* owner, HotKeyWindowHooks hooks) {
    QObject::connect(menu.settings, &QAction::triggered, owner, [owner, hooks] {
        HotKeyWindow window(hooks, owner);
        window.exec();
    });
    QObject::connect(menu.exportKeys, &QAction::triggered, owner,
                     [owner] { exportHotKeysInteractive(owner); });
    QObject::connect(menu.importKeys, &QAction::triggered, owner,
                     [owner] { importHotKeysInteractive(owner); });
}

} // namespace pathwick::hotkeys

// Writes a hot key table of 300 entries into the store named by $PATHWICK_STORE and switches
// hot keys on, for the idle-CPU comparison.
#include "hotkeys/HotKeyStore.h"
#include "settings/ProgramSettings.h"

#include <QCoreApplication>

using namespace pathwick;
using namespace pathwick::hotkeys;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    for (int i = 0; i < 300; ++i) {
        const int key = 8 + i % 248;
        const bool send = i % 2;
        writeHotKeyValue(QString::number(key) + (send ? "_Send" : "_Command") +
                             (i % 3 == 0   ? "_Ctrl_Alt"
                              : i % 3 == 1 ? "_Shift_Ctrl"
                                           : "_Alt"),
                         send ? HotKeyType::Send : HotKeyType::Command,
                         "entry " + QString::number(i));
    }
    write(catalogue::HotKeysRunning, true);
    return 0;
}

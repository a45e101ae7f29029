#include "hotkeys/WaylandSession.h"

#include "hotkeys/HotKeyWindowTexts.h"

namespace pathwick::hotkeys {

bool isWaylandSession() {
    return qEnvironmentVariable("XDG_SESSION_TYPE").compare(QLatin1String("wayland"),
                                                            Qt::CaseInsensitive) == 0;
}

QString waylandNotice() {
    return QString::fromLatin1(window_texts::WaylandNotice);
}

} // namespace pathwick::hotkeys

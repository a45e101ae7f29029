#include "hotkeys/HotKeyActions.h"

#include "common/MessageWindow.h"
#include "common/ShellServices.h"
#include "common/SoundServices.h"
#include "hotkeys/TextTokens.h"
#include "platform/Platform.h"

#include <QMessageBox>

namespace pathwick::hotkeys {

void DesktopHotKeyActions::showMessage(const TickMessage& message) {
    QMessageBox box(message.exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, message.title,
                    message.text, QMessageBox::Ok, messageWindowOwner());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int DesktopHotKeyActions::open(const Launch& launch) {
    return OpenWithShell(launch.target, launch.parameters, 0);
}

void DesktopHotKeyActions::playAlarm() {
    PlayWAV(QLatin1String(AlarmSound), false, true);
}

void DesktopHotKeyActions::type(const QString& text, std::function<void()> done) {
    using Outcome = platform::KeystrokeSender::Outcome;
    platform::keystrokes().type(text, [this, done](Outcome outcome) {
        if (outcome != Outcome::Typed)
            showMessage(notTypedMessage(outcome == Outcome::KeysHeld));
        done();
    });
}

QString DesktopHotKeyActions::expand(const QString& text) {
    return ReplaceTextTokens(text);
}

} // namespace pathwick::hotkeys

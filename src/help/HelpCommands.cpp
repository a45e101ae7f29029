#include "help/HelpCommands.h"

#include "common/MessageBoxes.h"
#include "common/ShellServices.h"
#include "help/AboutWindow.h"
#include "help/HelpFile.h"
#include "help/HelpPathWindow.h"
#include "help/HelpTexts.h"
#include "platform/ShellLauncher.h"
#include "settings/Catalogue.h"

#include <QPointer>

namespace pathwick {

namespace {

constexpr int NormalWindow = 0;

QString notFoundText() {
    using namespace help_texts;
    QString text = QString::fromLatin1(NotFoundCantOpen) + "\r\n" + NotFoundViewStart +
                   ProductName + NotFoundViewEnd + "\r\n\r\n\t" + NotFoundCheckFiles + "\r\n\t" +
                   NotFoundWebsite;
    for (const char* name : DefaultHelpFiles)
        text += QStringLiteral("\r\n\t\t") + QLatin1String(name);
    return text;
}

// Modal windows are unloaded when they close, so each starts from its design state.
template <typename Window> void showModal(Window* window, QWidget* owner) {
    QPointer<Window> shown = window;
    if (owner)
        shown->setWindowIcon(owner->windowIcon());
    shown->exec();
    delete shown.data();
}

} // namespace

void HelpInfo(QWidget* owner, const QString& programFolder) {
    if (openHelpFile(programFolder) == platform::ShellResult::Success)
        return;
    const auto answer = showMessage(owner, QMessageBox::Warning, help_texts::NotFoundTitle,
                                    notFoundText(), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const int result = OpenWithShell(programFolder, QString(), NormalWindow);
    if (result != platform::ShellResult::Success)
        showMessage(owner, QMessageBox::NoIcon, QString(), QString::number(result));
}

void showHelpPathWindow(QWidget* owner) {
    auto* window = new HelpPathWindow(owner);
    if (owner) {
        const QRect main = owner->frameGeometry();
        window->move(main.left() + main.width() / 2 - window->width() / 2,
                     main.top() + main.height() / 2 - window->height() / 2);
    }
    showModal(window, owner);
}

void showAboutWindow(QWidget* owner) {
    showModal(new AboutWindow(owner), owner);
}

} // namespace pathwick

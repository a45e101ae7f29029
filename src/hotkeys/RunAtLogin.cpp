#include "hotkeys/RunAtLogin.h"

#include "common/StringServices.h"
#include "common/Version.h"
#include "hotkeys/HotKeyWindowTexts.h"
#include "settings/Catalogue.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace pathwick::hotkeys {

namespace {

using namespace window_texts;
using catalogue::RunAtBootEntry;

const QString TextType = QStringLiteral("S");
// Marks the autostart file as ours: the desktop's start-up tools name the user's own entry
// pathwick.desktop as well (after the menu entry they copy), and clearing the box must not
// remove that one.
const QString OwnFileMark = QStringLiteral("X-Pathwick-RunAtLogin=true");

// One Exec argument in double quotes: ", `, $ and backslash escaped for the argument, then
// every backslash doubled again and % doubled for the string value that holds the line.
QString quotedExecArgument(const QString& argument) {
    QString quoted;
    for (QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted.append(u'\\');
        quoted.append(c);
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return u'"' + quoted + u'"';
}

bool isOwnAutostartFile(const QString& text) {
    return text.split(u'\n').contains(OwnFileMark);
}

QString executablePath() {
    return QDir::toNativeSeparators(ProgramFolder() + u'/' + ExecutableName() + ExecutableSuffix());
}

} // namespace

bool entryRunsAtLogin(const QString& entry) {
    return !trimSpaces(entry).isEmpty();
}

bool entryRunsHidden(const QString& entry) {
    return trimSpaces(entry).right(7).toUpper() == QLatin1String(HiddenSwitchWord);
}

QString runAtLoginEntry(const QString& executablePath, bool hidden) {
    return hidden ? executablePath + QLatin1String(HiddenSwitch) : executablePath;
}

QString autostartDesktopEntry(const QString& executablePath, bool hidden) {
    QString exec = quotedExecArgument(executablePath);
    if (hidden)
        exec += u' ' + quotedExecArgument(trimSpaces(QLatin1String(HiddenSwitch)));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Exec=%2\n"
                          "Icon=pathwick\n"
                          "Terminal=false\n"
                          "%3\n")
        .arg(QLatin1String(ProductName), exec, OwnFileMark);
}

QString userAutostartFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

QString autostartFilePath() {
    return userAutostartFolder() + QStringLiteral("/pathwick.desktop");
}

QString readRunAtLoginEntry() {
    QVariant value;
    ReadSetting(RunAtBootEntry.root, RunAtBootEntry.keyPath, RunAtBootEntry.name, TextType,
                QString::fromLatin1(RunAtBootEntry.defaultValue), value);
    return value.toString();
}

void saveRunAtLogin(bool runAtLogin, bool hidden) {
    if (!runAtLogin) {
        DeleteSetting(RunAtBootEntry.root, RunAtBootEntry.keyPath, RunAtBootEntry.name);
        QFile file(autostartFilePath());
        if (file.open(QIODevice::ReadOnly) && isOwnAutostartFile(QString::fromUtf8(file.readAll())))
            file.remove();
        return;
    }
    const QString program = executablePath();
    WriteSetting(RunAtBootEntry.root, RunAtBootEntry.keyPath, RunAtBootEntry.name, TextType,
                 runAtLoginEntry(program, hidden));
    QDir().mkpath(userAutostartFolder());
    QSaveFile file(autostartFilePath());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(autostartDesktopEntry(program, hidden).toUtf8());
        file.commit();
    }
}

} // namespace pathwick::hotkeys

#include "help/HelpFile.h"

#include "common/ShellServices.h"
#include "help/HelpTexts.h"
#include "platform/ShellLauncher.h"
#include "settings/ProgramSettings.h"

namespace pathwick {

namespace {

constexpr int NormalWindow = 0;

struct HelpSettings {
    bool firstPriority;
    QString path;
};

HelpSettings readHelpSettings() {
    return {read(catalogue::HelpFilePriority), read(catalogue::HelpPath).trimmed()};
}

int openDocument(const QString& path) {
    return OpenWithShell(path, QString(), NormalWindow);
}

} // namespace

QString FileExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype separator = qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    if (dot < 0 || dot < separator)
        return QString();
    return name.mid(dot);
}

int openHelpFile(const QString& programFolder) {
    constexpr int Opened = platform::ShellResult::Success;
    int result = platform::ShellResult::FileNotFound;
    const HelpSettings before = readHelpSettings();
    if (before.firstPriority && !before.path.isEmpty())
        result = openDocument(before.path);
    for (const char* name : help_texts::DefaultHelpFiles) {
        if (result == Opened)
            return result;
        result = openDocument(programFolder + u'/' + QLatin1String(name));
    }
    if (result == Opened)
        return result;
    // Read again: the path may have been changed while the default files were tried.
    const HelpSettings after = readHelpSettings();
    if (!after.firstPriority && !after.path.isEmpty())
        result = openDocument(after.path);
    return result;
}

} // namespace pathwick

#include "settings/SettingsTexts.h"

namespace pathwick::settings_texts {

QString storeMovedAside(const QString& storeFile, const QString& reason, const QString& movedTo) {
    return QStringLiteral("Pathwick could not read its settings file\n%1\n(%2).\n\n"
                          "The file was kept unchanged as\n%3\n\n"
                          "Pathwick started with its default settings.")
        .arg(storeFile, reason, movedTo);
}

QString storeNotMoved(const QString& storeFile, const QString& reason) {
    return QStringLiteral("Pathwick could not read its settings file\n%1\n(%2),\n"
                          "and could not move it aside.\n\n"
                          "Pathwick uses its default settings; changes will not be saved "
                          "until the file is repaired or removed.")
        .arg(storeFile, reason);
}

QString storeUnavailable(const QString& storeFile, const QString& reason) {
    return QStringLiteral("Pathwick cannot open its settings file\n%1\n(%2).\n\n"
                          "Pathwick uses its default settings; changes will not be saved.")
        .arg(storeFile, reason);
}

QString storeReadOnly(const QString& storeFile) {
    return QStringLiteral("Pathwick can read its settings file\n%1\nbut cannot write to it "
                          "(the file or its folder is read-only).\n\n"
                          "Pathwick uses the settings it has; changes will not be saved.")
        .arg(storeFile);
}

QString otherLayout() {
    return QStringLiteral("a database of another program");
}

} // namespace pathwick::settings_texts

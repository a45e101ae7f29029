#include "dirlist/EditorDeveloperAids.h"

namespace pathwick {

namespace {

QString numbered(int index, const QString& text) {
    return QString::number(index + 1) + QStringLiteral(". ") + text;
}

} // namespace

QStringList defaultSamplePaths() {
    return {QStringLiteral(":Documents:"),  QStringLiteral(":Documents:\\Letters"),
            QStringLiteral(":Downloads:"),  QStringLiteral(":Pictures:"),
            QStringLiteral(":Videos:"),     QStringLiteral(":Music:"),
            QStringLiteral(":Desktop:"),    QStringLiteral(":PublicDocs:"),
            QStringLiteral(":AppPath:"),    QStringLiteral(":SysDrive:"),
            QStringLiteral(":RecycleBin:"), QStringLiteral(":Network:"),
            QStringLiteral("/tmp"),         QStringLiteral("/usr/share/doc"),
            QStringLiteral("/etc")};
}

QStringList smallSamplePaths() {
    return {QStringLiteral(":Documents:"), QStringLiteral(":Downloads:"), QStringLiteral("/tmp")};
}

QString numberedItemListing(const QStringList& items) {
    QStringList lines;
    for (int i = 0; i < items.size(); ++i)
        lines.append(numbered(i, items.at(i)));
    return lines.join(QStringLiteral("\r\n"));
}

QString numberedValueListing(const QList<ListedValue>& values) {
    QStringList lines;
    for (int i = 0; i < values.size(); ++i)
        lines.append(numbered(i, values.at(i).type + QStringLiteral("  ") + values.at(i).name));
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace pathwick

#include "dirlist/EditorTexts.h"

#include "common/FileServices.h"

namespace pathwick::editor_texts {

namespace {
const QString CrLf = QStringLiteral("\r\n");
} // namespace

QString checkPathText(const QString& result, bool isOk, const QString& moreInfo) {
    if (isOk)
        return result + CrLf + CrLf + QStringLiteral("Directory; ") + moreInfo;
    return result + CrLf + moreInfo;
}

QString openFailedText(const QString& moreInfo) {
    return QStringLiteral("Failed to open ") + moreInfo;
}

QString cantOpenText(const QString& result, const QString& moreInfo) {
    return result + CrLf + CrLf + QStringLiteral("Can't open and display") + CrLf + moreInfo;
}

QString pathExistsText(const QString& path) {
    return QStringLiteral("This path already exists.") + CrLf + CrLf +
           QStringLiteral("Do you want to open more than one directory window") + CrLf +
           QStringLiteral("for; ") + FileNameOfPath(path);
}

QString invalidDirectoryText(const QString& result, const QString& moreInfo) {
    return QStringLiteral("Invalid directory path.") + CrLf + result + CrLf + CrLf +
           QStringLiteral("Do you want to add ") + moreInfo + QStringLiteral(" to the list?");
}

QString recordUpdatedText(const QString& oldValue, const QString& newValue, int index) {
    return QStringLiteral("Directory record updated.") + CrLf + CrLf + QStringLiteral("From:") +
           CrLf + oldValue + CrLf + QStringLiteral("To:") + CrLf + newValue + CrLf + CrLf +
           QStringLiteral("List index; ") + QString::number(index);
}

} // namespace pathwick::editor_texts

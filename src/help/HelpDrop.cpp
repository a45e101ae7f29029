#include "help/HelpDrop.h"

#include "help/HelpFile.h"
#include "help/HelpTexts.h"

namespace pathwick {

namespace {

constexpr int OrdinaryFile = 32;

bool isSupported(const QString& extension) {
    const QString lower = extension.toLower();
    for (const char* supported : help_texts::SupportedExtensions)
        if (lower == QLatin1String(supported))
            return true;
    return false;
}

HelpDropVerdict refuse(const QString& text) {
    return {false, QString(), text};
}

} // namespace

HelpDropVerdict checkHelpDrop(const QStringList& paths, int firstAttributeWord) {
    using namespace help_texts;
    if (paths.size() != 1)
        return refuse(QString::fromLatin1(DropOneFileOnly));
    if (firstAttributeWord != OrdinaryFile)
        return refuse(QString::fromLatin1(DropHelpFileOnly));
    const QString extension = FileExtension(paths.first());
    if (!isSupported(extension)) {
        QString text = QString::fromLatin1(DropUnsupported);
        if (!extension.isEmpty())
            text += QStringLiteral("\r\n(") + extension + u')';
        return refuse(text);
    }
    return {true, paths.first(), QString()};
}

} // namespace pathwick

#include "dirlist/PathTokens.h"

#include "dirlist/DirListTexts.h"
#include "platform/Environment.h"

namespace pathwick {

namespace {

constexpr QChar Separator = u'/';

struct PathToken {
    QLatin1String name;
    std::optional<UserFolder> folder; // none: the whole entry becomes the network places
    QLatin1String subFolder;
};

// Tested in this order, each only at the start of the entry.
const std::array<PathToken, 15> Tokens = {{
    {QLatin1String(":AppPath:"), UserFolder::AppPath, {}},
    {QLatin1String(":Documents:"), UserFolder::Documents, {}},
    {QLatin1String(":Downloads:"), UserFolder::Downloads, {}},
    {QLatin1String(":Pictures:"), UserFolder::Pictures, {}},
    {QLatin1String(":Videos:"), UserFolder::Videos, {}},
    {QLatin1String(":Music:"), UserFolder::Music, {}},
    {QLatin1String(":PublicDocs:"), UserFolder::PublicShare, QLatin1String("Documents")},
    {QLatin1String(":PublicDownloads:"), UserFolder::PublicShare, QLatin1String("Downloads")},
    {QLatin1String(":PublicPictures:"), UserFolder::PublicShare, QLatin1String("Pictures")},
    {QLatin1String(":PublicVideos:"), UserFolder::PublicShare, QLatin1String("Videos")},
    {QLatin1String(":PublicMusic:"), UserFolder::PublicShare, QLatin1String("Music")},
    {QLatin1String(":Desktop:"), UserFolder::Desktop, {}},
    {QLatin1String(":SysDrive:"), UserFolder::SystemRoot, {}},
    {QLatin1String(":Network:"), std::nullopt, {}},
    {QLatin1String(":RecycleBin:"), UserFolder::RecycleBin, {}},
}};

void appendSeparatorIfMissing(QString& path) {
    if (!path.endsWith(Separator))
        path.append(Separator);
}

} // namespace

QString RealPathFromStr(const QString& thePath) {
    return PathExpander().expand(thePath);
}

QString PathExpander::folder(UserFolder which) {
    std::optional<QString>& cached = folders_[static_cast<int>(which)];
    if (!cached)
        cached = userFolderPath(which);
    return *cached;
}

QString PathExpander::homeDrive() {
    if (!homeDrive_)
        homeDrive_ = platform::environmentValue(QStringLiteral("HomeDrive"));
    return *homeDrive_;
}

QString PathExpander::expand(const QString& thePath) {
    QString text = thePath.trimmed();
    if (text.startsWith(u'\\'))
        text.prepend(homeDrive());

    for (const PathToken& token : Tokens) {
        if (!text.startsWith(token.name, Qt::CaseInsensitive))
            continue;
        if (!token.folder) {
            text = QString::fromLatin1(dirlist_texts::NetworkPlaces);
            break;
        }
        // Backslashes after a token separate folders; the expansion's final separator and
        // one that begins the rest become one.
        QString rest = text.mid(token.name.size());
        rest.replace(u'\\', Separator);
        if (rest.startsWith(Separator))
            rest.remove(0, 1);
        QString expansion = folder(*token.folder);
        appendSeparatorIfMissing(expansion);
        if (!token.subFolder.isEmpty()) {
            expansion.append(token.subFolder);
            expansion.append(Separator);
        }
        text = expansion + rest;
        break;
    }

    if (text.endsWith(u'\\') || (text.endsWith(Separator) && text.size() > 1))
        text.chop(1);
    return text;
}

} // namespace pathwick

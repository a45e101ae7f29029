// List entries as typed or imported: path tokens expanded (RealPathFromStr) and the real
// path classified (DirectoryInfo), over a folder of known files, folders and links.
#include "dirlist/DirListTexts.h"
#include "dirlist/DirectoryInfo.h"
#include "dirlist/PathTokens.h"
#include "support/FuzzCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace pathwick;

namespace {

// The folder tokens as a user may type them (network places is the one without a folder).
const QStringList FolderTokens = {
    QStringLiteral(":AppPath:"),        QStringLiteral(":Documents:"),
    QStringLiteral(":Downloads:"),      QStringLiteral(":Pictures:"),
    QStringLiteral(":Videos:"),         QStringLiteral(":Music:"),
    QStringLiteral(":PublicDocs:"),     QStringLiteral(":PublicDownloads:"),
    QStringLiteral(":PublicPictures:"), QStringLiteral(":PublicVideos:"),
    QStringLiteral(":PublicMusic:"),    QStringLiteral(":Desktop:"),
    QStringLiteral(":SysDrive:"),       QStringLiteral(":RecycleBin:")};

// A home of its own with a folder, a hidden folder, a file and a link to the folder, so the
// user folders and the classified paths are all inside it.
struct Fixture {
    QTemporaryDir home;
    QString folder, hidden, file, link;
    Fixture() {
        qputenv("HOME", home.path().toLocal8Bit());
        folder = home.filePath(QStringLiteral("Documents"));
        hidden = home.filePath(QStringLiteral(".hidden"));
        file = home.filePath(QStringLiteral("notes.txt"));
        link = home.filePath(QStringLiteral("link"));
        QDir().mkpath(folder);
        QDir().mkpath(hidden);
        QFile(file).open(QIODevice::WriteOnly);
        QFile::link(folder, link);
    }
    QStringList starts() const {
        QStringList all = FolderTokens;
        all << folder << hidden << file << link << QStringLiteral("\\")
            << QStringLiteral(":Network:") << QString() << QStringLiteral("  ");
        return all;
    }
};

bool startsWithFolderToken(const QString& text) {
    return std::any_of(FolderTokens.begin(), FolderTokens.end(), [&](const QString& token) {
        return text.startsWith(token, Qt::CaseInsensitive);
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_path_tokens";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static const Fixture fixture;
    static PathExpander longLived;

    FuzzedDataProvider input(data, size);
    const QStringList starts = fixture.starts();
    const QString start = starts.at(input.ConsumeIntegralInRange<qsizetype>(0, starts.size() - 1));
    const QString entry = start + fuzz::restAsUtf16(input);

    // One expansion whether folders were looked up before or not, in any token case.
    const QString real = RealPathFromStr(entry);
    FUZZ_CHECK_EQ(longLived.expand(entry), real);
    const QString trimmed = entry.trimmed();
    if (startsWithFolderToken(trimmed)) {
        const qsizetype tokenEnd = trimmed.indexOf(u':', 1) + 1;
        FUZZ_CHECK_EQ(RealPathFromStr(trimmed.left(tokenEnd).toUpper() + trimmed.mid(tokenEnd)),
                      real);
        // Backslashes after a token separate folders.
        FUZZ_CHECK(!real.contains(u'\\'));
    }

    // The verdict says "can be opened" only for a folder (or the two special places), and
    // the same path always gets the same verdict.
    bool isOk = false;
    QString moreInfo;
    const QString verdict = DirectoryInfo(real, &isOk, &moreInfo);
    FUZZ_CHECK(!verdict.isEmpty());
    const QFileInfo info(real);
    const bool special = verdict == QLatin1String(dirlist_texts::RecycleBinDirectory) ||
                         verdict == QLatin1String(dirlist_texts::NetworkDirectory);
    if (isOk)
        FUZZ_CHECK(special || info.isDir());
    // (A hidden folder the user cannot write to falls to the table's last row.)
    if (!real.trimmed().isEmpty() && info.isDir() && info.isReadable() && info.isWritable())
        FUZZ_CHECK(isOk);
    bool againOk = !isOk;
    FUZZ_CHECK_EQ(DirectoryInfo(real, &againOk), verdict);
    FUZZ_CHECK_EQ(againOk, isOk);
    return 0;
}

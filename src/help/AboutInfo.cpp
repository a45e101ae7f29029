#include "help/AboutInfo.h"

#include "common/BuildInfo.h"
#include "common/Version.h"
#include "help/HelpTexts.h"

namespace pathwick {

namespace {

constexpr auto CrLf = "\r\n";

} // namespace

AboutFacts programAboutFacts() {
    using namespace build_info;
    return {VersionText(),
            getAppDate(),
            QString::fromUtf8(Author) + QStringLiteral(", ") + QString::fromUtf8(AuthorYears),
            QString::fromUtf8(WebAddress),
            QString::fromUtf8(EmailAddress),
            QString::fromUtf8(Description),
            QString::fromUtf8(Comments)};
}

QString aboutInformationText(const AboutFacts& facts) {
    using namespace help_texts;
    QString text = AboutVersion + facts.versionText + QStringLiteral(" (") + facts.buildDate +
                   u')' + CrLf;
    text += AboutBy + facts.author + CrLf;
    text += AboutWebsite + facts.webAddress + CrLf;
    text += AboutEmail + facts.emailAddress + CrLf;
    if (!facts.description.isEmpty())
        text += CrLf + QString(AboutDescription) + CrLf + facts.description + CrLf;
    if (!facts.comments.isEmpty()) {
        QString comments = facts.comments;
        comments.replace(u'|', QLatin1String(CrLf));
        text += CrLf + QString(AboutComments) + CrLf + comments + CrLf;
    }
    return text;
}

} // namespace pathwick

// The text of /etc/os-release, read for the system's name.
#include "platform/linux/OsRelease.h"
#include "support/FuzzCheck.h"

using pathwick::platform::prettyNameFromOsRelease;

namespace {

// A value in double quotes as a shell reads it: \, ", $ and ` escaped.
QString doubleQuoted(const QString& value) {
    QString out(u'"');
    for (QChar c : value) {
        if (c == u'\\' || c == u'"' || c == u'$' || c == u'`')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    QString name = QString::fromStdString(input.ConsumeRandomLengthString(100));
    name.remove(u'\n');
    const QString rest = QString::fromStdString(input.ConsumeRemainingBytesAsString());

    // Any name survives quoting, in front of whatever the file holds after it ...
    FUZZ_CHECK_EQ(prettyNameFromOsRelease(QStringLiteral("PRETTY_NAME=") + doubleQuoted(name) +
                                          u'\n' + rest),
                  name);
    if (!name.contains(u'\''))
        FUZZ_CHECK_EQ(prettyNameFromOsRelease(QStringLiteral("  PRETTY_NAME='") + name +
                                              QStringLiteral("'\r\n") + rest),
                      name);
    // ... and other keys before it do not count.
    FUZZ_CHECK_EQ(prettyNameFromOsRelease(QStringLiteral("NAME=\"x\"\nXPRETTY_NAME=y\n"
                                                         "PRETTY_NAME=") +
                                          doubleQuoted(name)),
                  name);

    // Whatever the text, the name is one line.
    FUZZ_CHECK(!prettyNameFromOsRelease(rest).contains(u'\n'));
    return 0;
}

#include "shutdown/PendingShutdown.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>

#include <algorithm>
#include <optional>

namespace pathwick {

namespace {

constexpr int BusTimeoutMs = 1000;
constexpr auto ScheduledFile = "/run/systemd/shutdown/scheduled";

// The answer of logind, or nothing when it cannot be asked.
std::optional<bool> logindSaysPending() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QStringLiteral("org.freedesktop.login1.Manager")
         << QStringLiteral("ScheduledShutdown");
    const QDBusMessage reply = bus.call(call, QDBus::Block, BusTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    const QVariant inner = reply.arguments().first().value<QDBusVariant>().variant();
    if (!inner.canConvert<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument argument = inner.value<QDBusArgument>();
    QString type;
    quint64 usec = 0;
    argument.beginStructure();
    argument >> type >> usec;
    argument.endStructure();
    return !type.isEmpty() && usec != 0;
}

} // namespace

bool scheduledFileSaysPending(const QString& fileText) {
    const QStringList lines = fileText.split('\n');
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (!trimmed.startsWith(QStringLiteral("USEC=")))
            continue;
        // Digits only: the number reading stops at a NUL and would take what comes before.
        const QString digits = trimmed.mid(5);
        if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) {
                return c >= u'0' && c <= u'9';
            }))
            return false;
        bool ok = false;
        const qulonglong usec = digits.toULongLong(&ok);
        return ok && usec != 0;
    }
    return false;
}

bool SystemPendingShutdownProbe::pending() {
    if (const std::optional<bool> answer = logindSaysPending())
        return *answer;
    QFile file(QString::fromLatin1(ScheduledFile));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return scheduledFileSaysPending(QString::fromUtf8(file.read(4096)));
}

} // namespace pathwick

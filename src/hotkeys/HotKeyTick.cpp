#include "hotkeys/HotKeyTick.h"

#include "common/StringServices.h"
#include "hotkeys/HotKeyTexts.h"
#include "hotkeys/KeyNames.h"
#include "platform/linux/CommandLineSplit.h"
#include "settings/Catalogue.h"

#include <algorithm>

namespace pathwick::hotkeys {

namespace {

constexpr int ShiftKey = 16;
constexpr int CtrlKey = 17;
constexpr int AltKey = 18;
constexpr auto CrLf = "\r\n";

QString displayName(const HotKeyName& key) {
    QString name = KeyShortName(key.keyNumber);
    if (key.modifiers.shift)
        name += QLatin1String(texts::ShiftName);
    if (key.modifiers.ctrl)
        name += QLatin1String(texts::CtrlName);
    if (key.modifiers.alt)
        name += QLatin1String(texts::AltName);
    return name;
}

// The characters from..to (UTF-16 positions, clamped), widened so no character outside the
// basic plane is cut in half.
QString wholeCharacters(const QString& text, qsizetype from, qsizetype to) {
    from = std::clamp<qsizetype>(from, 0, text.size());
    to = std::clamp<qsizetype>(to, from, text.size());
    if (from > 0 && text.at(from).isLowSurrogate())
        --from;
    if (to < text.size() && to > from && text.at(to - 1).isHighSurrogate())
        ++to;
    return text.mid(from, to - from);
}

QString productTitle(const char* suffix) {
    return QLatin1String(ProductName) + QLatin1String(suffix);
}

} // namespace

bool combinationHeld(const HotKeyName& key, const platform::KeySnapshot& keys) {
    return keys.isDown(key.keyNumber) && keys.isDown(ShiftKey) == key.modifiers.shift &&
           keys.isDown(CtrlKey) == key.modifiers.ctrl && keys.isDown(AltKey) == key.modifiers.alt;
}

TickDecision decideTick(const QList<StoredHotKey>& entries, const platform::KeySnapshot& keys,
                        const QString& lastFired,
                        const std::function<QString(const QString&)>& readData) {
    // With no key down nothing matches, and the table need not be gone through.
    if (keys.none())
        return {};
    TickDecision decision;
    decision.lastFired = lastFired;
    bool combinationDown = false;
    bool haveCommand = false;
    bool haveText = false;
    for (const StoredHotKey& entry : entries) {
        if (!combinationHeld(entry.key, keys))
            continue;
        combinationDown = true;
        if (entry.name == decision.lastFired)
            continue;
        decision.lastFired = entry.name;
        decision.keyName = displayName(entry.key);
        const QString data = readData(entry.name);
        if (entry.key.command && !trimSpaces(data).isEmpty()) {
            decision.command = data;
            haveCommand = true;
        }
        if (entry.key.send && !data.isEmpty()) {
            decision.text = data;
            haveText = true;
        }
    }
    if (!combinationDown)
        decision.lastFired.clear();
    if (haveCommand && haveText)
        decision.action = TickDecision::Action::Conflict;
    else if (haveCommand)
        decision.action = TickDecision::Action::Run;
    else if (haveText)
        decision.action = TickDecision::Action::Send;
    return decision;
}

TickMessage conflictMessage(const QString& keyName, const QString& command, const QString& text) {
    QString shownText = swapString(text, QLatin1String(CrLf), QLatin1String(texts::LineBreakShown));
    for (const char* lone : {"\r", "\n"})
        shownText =
            swapString(shownText, QLatin1String(lone), QLatin1String(texts::LineBreakShown));
    const QString body =
        QLatin1String(texts::ConflictNote) + QLatin1String(texts::ConflictKey) + keyName +
        QLatin1String(CrLf) + QLatin1String(texts::ConflictCommand) +
        wholeCharacters(command, command.size() - texts::ConflictCut, command.size()) +
        QLatin1String(CrLf) + QLatin1String(texts::ConflictSend) +
        wholeCharacters(shownText, 0, texts::ConflictCut) + QLatin1String(CrLf) +
        QLatin1String(CrLf) + QLatin1String(texts::ConflictAdvice);
    return {true, productTitle(texts::ConflictTitle), body};
}

TickMessage cantFindMessage(const QString& command) {
    return {true, productTitle(texts::CantFindTitle), QLatin1String(texts::CantFindText) + command};
}

TickMessage runTestMessage(const QString& keyName, const QString& command) {
    return {false, QLatin1String(texts::RunTestTitle), keyName + QLatin1String(CrLf) + command};
}

TickMessage sendTestMessage(const QString& keyName, const QString& expandedText) {
    return {false, QLatin1String(texts::SendTestTitle),
            keyName + QLatin1String(CrLf) + expandedText};
}

TickMessage notTypedMessage(bool keysHeld) {
    return {true, productTitle(texts::NotTypedTitle),
            QLatin1String(keysHeld ? texts::NotTypedKeysHeld : texts::NotTypedNoDisplay)};
}

QList<Launch> launchAttempts(const QString& command) {
    const QString whole = trimSpaces(command);
    QList<Launch> attempts{{whole, QString()}};
    const platform::ProgramAndParameters split = platform::splitProgram(whole);
    if (!split.program.isEmpty() && split.program != whole)
        attempts.append({split.program, split.parameters});
    return attempts;
}

bool isBeep(const QString& command) {
    return trimSpaces(command).toLower() == QLatin1String(texts::Beep);
}

} // namespace pathwick::hotkeys

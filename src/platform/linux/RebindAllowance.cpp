#include "platform/linux/RebindAllowance.h"

namespace pathwick::platform {

namespace {

constexpr int SettleMs = 400;
// Loaded Qt receivers read about one character a millisecond.
constexpr int ReadMsPerCharacter = 4;

} // namespace

int RebindAllowance::settleMs(int charactersBefore) {
    return SettleMs + ReadMsPerCharacter * charactersBefore;
}

qint64 RebindAllowance::waitMs(int changesBack, qint64 nowMs) const {
    // Nothing typed since the last change: no key depends on it, so the keys were last
    // used one change further back.
    if (typedSinceChange_ == 0)
        ++changesBack;
    if (changesBack > int(changes_.size()))
        return 0;
    const Change& change = changes_[changes_.size() - size_t(changesBack)];
    return settleMs(change.typedBefore) - (nowMs - change.atMs);
}

void RebindAllowance::changed(qint64 nowMs) {
    // A change with nothing typed after the one before counts as that one made again:
    // receivers must still get past what was typed before it.
    if (typedSinceChange_ == 0 && !changes_.empty()) {
        changes_.back().atMs = nowMs;
        return;
    }
    changes_.push_back({nowMs, typedSinceChange_});
    if (changes_.size() > 2)
        changes_.pop_front();
    typedSinceChange_ = 0;
}

void RebindAllowance::typed(int characters) {
    typedSinceChange_ += characters;
}

} // namespace pathwick::platform

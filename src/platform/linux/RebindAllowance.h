#pragma once

#include <QtGlobal>

#include <deque>

namespace pathwick::platform {

// When spare keys may be bound anew. A receiver rereads the keyboard map when it gets to a
// change in its queue, and then reads the map as it is at that moment: a key's binding may
// change only once receivers are past the change before the key's last use, that is past
// the characters typed before that change, read at no less than a set pace, and past the
// change itself. Times are milliseconds of one steady clock.
class RebindAllowance {
public:
    static int settleMs(int charactersBefore);

    // How long from nowMs until keys last used after the given change, counted back from
    // the last (1: the last), may be bound anew; 0 or less: now.
    qint64 waitMs(int changesBack, qint64 nowMs) const;
    void changed(qint64 nowMs);
    void typed(int characters);

private:
    struct Change {
        qint64 atMs = 0;
        int typedBefore = 0; // since the change before
    };
    std::deque<Change> changes_; // the last two
    int typedSinceChange_ = 0;
};

} // namespace pathwick::platform

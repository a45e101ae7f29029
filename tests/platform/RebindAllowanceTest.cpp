#include "platform/linux/RebindAllowance.h"

#include <gtest/gtest.h>

using pathwick::platform::RebindAllowance;

namespace {

const int Settle0 = RebindAllowance::settleMs(0);
const int Settle1000 = RebindAllowance::settleMs(1000);

} // namespace

// Keys used after a change wait until receivers are past the text typed before it.
TEST(RebindAllowanceTest, WaitsForTheTextBeforeTheChangeOfTheKeysLastUse) {
    RebindAllowance allowance;
    EXPECT_LE(allowance.waitMs(1, 0), 0);
    allowance.changed(0);
    allowance.typed(1000);
    EXPECT_EQ(allowance.waitMs(1, 100), Settle0 - 100);
    allowance.changed(2000);
    allowance.typed(10);
    EXPECT_EQ(allowance.waitMs(1, 2000), Settle1000);
    // The batch after the next may use keys last used before the change at 0.
    EXPECT_EQ(allowance.waitMs(2, 2000), Settle0 - 2000);
}

// Keys freed once a text is done: a text that comes after binds at once, as nothing was
// typed with the freed keys; the change it makes still counts the text before the freeing.
TEST(RebindAllowanceTest, AChangeWithNothingTypedSinceTheLastDoesNotWaitForIt) {
    RebindAllowance allowance;
    allowance.changed(0);
    allowance.typed(1000);
    const qint64 freed = Settle0 + 1;
    allowance.changed(freed);
    EXPECT_LE(allowance.waitMs(1, freed + 1), 0);
    allowance.changed(freed + 1);
    allowance.typed(5);
    EXPECT_EQ(allowance.waitMs(1, freed + 1), Settle1000);
}

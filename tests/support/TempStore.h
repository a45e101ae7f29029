#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace pathwick::test {

// Gives a test a settings store of its own: while it lives, PATHWICK_STORE names a fresh
// file in a new temporary folder, so nothing touches the user's settings or another test's.
// The store connection is closed on entry and on exit, and PATHWICK_STORE gets its old value
// back afterwards.
//
//     TEST(Something, Works) {
//         pathwick::test::TempStore store;
//         WriteSetting("HKLM", "SOFTWARE\\Pathwick", "X", "D", 1);
//         ...
//     }
class TempStore {
public:
    TempStore();
    ~TempStore();
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    // The store file (not created until the store is first used).
    QString path() const;
    // The temporary folder that holds it; removed with everything in it on exit.
    QString folder() const;

private:
    QTemporaryDir folder_;
    QByteArray previous_;
    bool hadPrevious_;
};

} // namespace pathwick::test

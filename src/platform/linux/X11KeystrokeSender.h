#pragma once

#include "platform/KeystrokeSender.h"
#include "platform/linux/RebindAllowance.h"
#include "platform/linux/TypingPlan.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <set>

namespace pathwick::platform {

// Types through XTest. Before the first key it waits a while for held modifier keys (the
// hot key's own) to be let go, and then releases them itself; Caps Lock is off while it
// types. Characters without a key are bound to spare keys for the text, and no binding
// changes before receivers have had time to read the one before.
class X11KeystrokeSender : public QObject, public KeystrokeSender {
public:
    X11KeystrokeSender();
    ~X11KeystrokeSender() override;
    void type(const QString& text, std::function<void(Outcome)> done) override;

private:
    struct Job {
        QString text;
        std::function<void(Outcome)> done;
    };
    void startNext();
    void waitForRelease();
    void typeBatch();
    void finish(Outcome outcome);
    void bind(const std::vector<Binding>& bindings);
    void restoreBindings();

    std::deque<Job> jobs_;
    bool busy_ = false;
    QElapsedTimer waited_;
    TypingPlan plan_;
    size_t nextBatch_ = 0;
    bool capsWasLocked_ = false;
    std::set<unsigned int> bound_; // spare keys bound now
    QElapsedTimer clock_;
    RebindAllowance allowance_;
    QTimer restore_;
};

} // namespace pathwick::platform

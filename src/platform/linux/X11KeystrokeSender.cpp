#include "platform/linux/X11KeystrokeSender.h"

#include "platform/linux/X11Connection.h"
#include "platform/linux/X11KeyboardLayout.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>

#include <array>

namespace pathwick::platform {

namespace {

constexpr int ReleasePollMs = 10;
constexpr int ReleaseWaitMs = 1000;
constexpr int RestoreAfterMs = 1000;

std::vector<unsigned int> heldKeys(Display* display, const std::vector<unsigned int>& keycodes) {
    std::array<char, 32> keymap{};
    XQueryKeymap(display, keymap.data());
    std::vector<unsigned int> held;
    for (unsigned int keycode : keycodes)
        if (keycode < 256 &&
            (static_cast<unsigned char>(keymap[keycode / 8]) & (1u << (keycode % 8))))
            held.push_back(keycode);
    return held;
}

// Runs of neighbouring keycodes with their keysyms, one mapping change per run, so each
// receiver rereads the map as seldom as possible.
void changeMapping(Display* display, const std::vector<Binding>& bindings) {
    std::map<unsigned int, std::array<KeySym, 2>> byKeycode;
    for (const Binding& binding : bindings)
        byKeycode[binding.keycode] = {binding.keysyms[0], binding.keysyms[1]};
    auto it = byKeycode.begin();
    while (it != byKeycode.end()) {
        const unsigned int first = it->first;
        std::vector<KeySym> symbols;
        unsigned int next = first;
        while (it != byKeycode.end() && it->first == next) {
            symbols.push_back(it->second[0]);
            symbols.push_back(it->second[1]);
            ++it;
            ++next;
        }
        XChangeKeyboardMapping(display, int(first), 2, symbols.data(), int(next - first));
    }
}

} // namespace

X11KeystrokeSender::X11KeystrokeSender() {
    restore_.setSingleShot(true);
    restore_.setInterval(RestoreAfterMs);
    connect(&restore_, &QTimer::timeout, this, [this] {
        if (busy_ || sinceBinding_.elapsed() < pauseNeeded_)
            restore_.start();
        else
            restoreBindings();
    });
}

// The keyboard is left as it was found.
X11KeystrokeSender::~X11KeystrokeSender() {
    if (!bound_.empty())
        restoreBindings();
}

int X11KeystrokeSender::batchPauseMs(const TypingBatch& batch) {
    return 100 + 2 * batch.characters;
}

void X11KeystrokeSender::type(const QString& text, std::function<void(Outcome)> done) {
    jobs_.push_back({text, std::move(done)});
    if (!busy_)
        startNext();
}

void X11KeystrokeSender::startNext() {
    if (jobs_.empty())
        return;
    busy_ = true;
    if (!x11Display()) {
        finish(Outcome::NoDisplay);
        return;
    }
    waited_.start();
    waitForRelease();
}

// The hot key's own Shift, Ctrl or Alt may still be down: given a moment, the user lets go;
// if not, they are released here, as typed keys must not turn into shortcuts.
void X11KeystrokeSender::waitForRelease() {
    Display* display = x11Display();
    const std::vector<unsigned int> modifiers = modifierKeycodes(display);
    std::vector<unsigned int> held = heldKeys(display, modifiers);
    if (!held.empty() && waited_.elapsed() < ReleaseWaitMs) {
        QTimer::singleShot(ReleasePollMs, this, [this] { waitForRelease(); });
        return;
    }
    if (!held.empty()) {
        for (unsigned int keycode : held)
            XTestFakeKeyEvent(display, keycode, False, CurrentTime);
        XSync(display, False);
        if (!heldKeys(display, modifiers).empty()) {
            finish(Outcome::KeysHeld);
            return;
        }
    }

    plan_ = planTyping(jobs_.front().text, readKeyboardLayout(display));
    nextBatch_ = 0;
    XkbStateRec state{};
    XkbGetState(display, XkbUseCoreKbd, &state);
    capsWasLocked_ = state.locked_mods & LockMask;
    if (capsWasLocked_)
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
    typeBatch();
}

void X11KeystrokeSender::typeBatch() {
    const TypingBatch& batch = plan_.batches[nextBatch_];
    if (!batch.bindings.empty()) {
        // Keys bound for the text before must have been read by now.
        const qint64 wait = sinceBinding_.isValid() ? pauseNeeded_ - sinceBinding_.elapsed() : 0;
        if (wait > 0) {
            QTimer::singleShot(int(wait), this, [this] { typeBatch(); });
            return;
        }
    }
    Display* display = x11Display();
    if (!batch.bindings.empty()) {
        bind(batch.bindings);
        sinceBinding_.start();
        pauseNeeded_ = batchPauseMs(batch);
    }
    for (const KeyEvent& event : batch.events)
        XTestFakeKeyEvent(display, event.keycode, event.press, CurrentTime);
    XFlush(display);
    ++nextBatch_;
    if (nextBatch_ < plan_.batches.size()) {
        typeBatch();
        return;
    }
    if (capsWasLocked_)
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
    XSync(display, False);
    finish(Outcome::Typed);
}

void X11KeystrokeSender::finish(Outcome outcome) {
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    busy_ = false;
    if (!bound_.empty())
        restore_.start();
    if (job.done)
        job.done(outcome);
    if (!busy_)
        startNext();
}

void X11KeystrokeSender::bind(const std::vector<Binding>& bindings) {
    Display* display = x11Display();
    const X11ErrorTrap trap(display);
    changeMapping(display, bindings);
    for (const Binding& binding : bindings)
        bound_.insert(binding.keycode);
}

void X11KeystrokeSender::restoreBindings() {
    std::vector<Binding> spare;
    for (unsigned int keycode : bound_)
        spare.push_back({keycode, {NoSymbol, NoSymbol}});
    bound_.clear();
    if (Display* display = x11Display()) {
        const X11ErrorTrap trap(display);
        changeMapping(display, spare);
    }
}

} // namespace pathwick::platform

#include "platform/linux/X11KeystrokeSender.h"

#include "platform/linux/X11Connection.h"
#include "platform/linux/X11KeyboardLayout.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
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

// All bindings in one mapping change, so each receiver rereads the map once for them.
void changeMapping(Display* display, const std::vector<Binding>& bindings) {
    if (bindings.empty())
        return;
    XkbDescPtr xkb = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
    if (!xkb)
        return;
    unsigned int first = xkb->max_key_code, last = xkb->min_key_code;
    for (const Binding& binding : bindings) {
        const unsigned int keycode = binding.keycode;
        if (keycode < xkb->min_key_code || keycode > xkb->max_key_code)
            continue;
        // Set by hand: XkbChangeTypesOfKey crashes when a key loses groups.
        KeySym* symbols = XkbResizeKeySyms(xkb, int(keycode), binding.groups * 2);
        if (!symbols)
            continue;
        XkbSymMapRec& map = xkb->map->key_sym_map[keycode];
        map.width = 2;
        map.group_info = (unsigned char)XkbSetNumGroups(map.group_info, binding.groups);
        for (unsigned char& type : map.kt_index)
            type = XkbTwoLevelIndex;
        for (int group = 0; group < binding.groups; ++group)
            for (int level = 0; level < 2; ++level)
                symbols[group * 2 + level] = binding.keysyms[group][level];
        first = std::min(first, keycode);
        last = std::max(last, keycode);
    }
    if (first <= last) {
        XkbMapChangesRec changes{};
        changes.changed = XkbKeySymsMask;
        changes.first_key_sym = KeyCode(first);
        changes.num_key_syms = (unsigned char)(last - first + 1);
        XkbChangeMap(display, xkb, &changes);
    }
    XkbFreeKeyboard(xkb, 0, True);
}

} // namespace

X11KeystrokeSender::X11KeystrokeSender() {
    clock_.start();
    restore_.setSingleShot(true);
    restore_.setInterval(RestoreAfterMs);
    connect(&restore_, &QTimer::timeout, this, [this] {
        if (busy_ || allowance_.waitMs(1, clock_.elapsed()) > 0)
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

    plan_ = planTyping(jobs_.front().text, readKeyboardLayout(display, bound_));
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
        // A text's first batch may rebind any key; a later one only keys last used two
        // batches back.
        const qint64 wait = allowance_.waitMs(nextBatch_ == 0 ? 1 : 2, clock_.elapsed());
        if (wait > 0) {
            QTimer::singleShot(int(wait), this, [this] { typeBatch(); });
            return;
        }
    }
    Display* display = x11Display();
    if (!batch.bindings.empty())
        bind(batch.bindings);
    for (const KeyEvent& event : batch.events) {
        if (event.group >= 0)
            XkbLockGroup(display, XkbUseCoreKbd, unsigned(event.group));
        else
            XTestFakeKeyEvent(display, event.keycode, event.press, CurrentTime);
    }
    allowance_.typed(batch.characters);
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
    if (Display* display = x11Display()) {
        const X11ErrorTrap trap(display);
        changeMapping(display, bindings);
    }
    for (const Binding& binding : bindings)
        bound_.insert(binding.keycode);
    allowance_.changed(clock_.elapsed());
}

void X11KeystrokeSender::restoreBindings() {
    std::vector<Binding> spare;
    for (unsigned int keycode : bound_)
        spare.push_back({keycode, 0, {}});
    bind(spare);
    bound_.clear();
}

} // namespace pathwick::platform

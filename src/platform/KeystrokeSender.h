#pragma once

#include <QString>

#include <functional>

namespace pathwick::platform {

// Types texts into whichever window has the input focus, against the keyboard layout
// active at that moment.
class KeystrokeSender {
public:
    enum class Outcome {
        Typed,
        NoDisplay, // there is no keyboard to type on
        KeysHeld   // modifier keys stayed down, so the keys would have meant something else
    };
    virtual ~KeystrokeSender() = default;
    // Returns at once; the keys go out from the event loop, texts one after another, and
    // done runs once the last key of the text is sent.
    virtual void type(const QString& text, std::function<void(Outcome)> done) = 0;
};

} // namespace pathwick::platform

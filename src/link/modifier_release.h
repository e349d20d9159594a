// Letting go of the modifier keys a hotkey is pressed with, before the game client is typed
// into: the client must see a plain Ctrl+V and Enter, not Ctrl+Alt+Enter. The player's own
// release is waited for a moment (a key let go of in the middle of the paste would spoil it);
// keys still held then are released with synthesised key events. Alt or Win released on its
// own would open the focused window's menu (or the Start menu), so a Ctrl press covers their
// release when Ctrl is not held already.
#pragma once

#include <cstdint>
#include <vector>

#include "link/virtual_keys.h"

namespace quarnel {

// The keys looked at, in the order a release goes through them.
inline constexpr std::uint8_t kReleasedModifiers[] = {
    kVkLMenu, kVkRMenu, kVkLWin, kVkRWin, kVkLShift, kVkRShift, kVkLControl, kVkRControl};

struct KeyStroke {
    std::uint8_t virtualKey = 0;
    bool keyUp = false;
    bool extended = false; // right Ctrl and Alt, and the Win keys

    bool operator==(const KeyStroke&) const = default;
};

// The strokes that release the held keys (any of kReleasedModifiers, in any order): a Ctrl
// press first when Alt or Win is held without Ctrl, then Alt, Win, Shift, and Ctrl last.
// Nothing when none is held.
std::vector<KeyStroke> ModifierRelease(const std::vector<std::uint8_t>& heldKeys);

// The keyboard as the release sees it.
class ModifierKeys {
public:
    virtual ~ModifierKeys() = default;
    // GetAsyncKeyState: is the key down now?
    virtual bool IsDown(std::uint8_t virtualKey) = 0;
    // keybd_event for the stroke.
    virtual void Send(const KeyStroke& stroke) = 0;
    // Waits, answering what other programs ask of this thread meanwhile.
    virtual void Wait(std::uint32_t milliseconds) = 0;
};

inline constexpr std::uint32_t kModifierPollMs = 10;
inline constexpr std::uint32_t kModifierWaitMs = 500;

// Waits (kModifierPollMs steps, kModifierWaitMs at most) until no modifier is down, then
// releases the ones still down.
void LetGoOfModifiers(ModifierKeys& keys);

} // namespace quarnel

// Hotkey values as the settings file spells them, "Ctrl+Alt+Num8": modifier names and one key
// name joined by "+", read and written back, and the keys the keypad reports with Num Lock
// off. Modifier bits and key codes are those of RegisterHotKey.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// RegisterHotKey's modifier flags.
inline constexpr std::uint32_t kModAlt = 0x1;
inline constexpr std::uint32_t kModControl = 0x2;
inline constexpr std::uint32_t kModShift = 0x4;
inline constexpr std::uint32_t kModWin = 0x8;

struct Hotkey {
    std::uint32_t modifiers = 0; // kMod* bits
    std::uint8_t virtualKey = 0;

    auto operator<=>(const Hotkey&) const = default;
};

// What a value of the settings file reads as: a key, no hotkey (empty), or nothing usable.
struct HotkeyValue {
    enum class Kind { Key, None, Unreadable };
    Kind kind = Kind::None;
    Hotkey key;

    bool operator==(const HotkeyValue&) const = default;
};

// Modifiers first (Ctrl or Control, Alt, Shift, Win or Windows; any order, each once), then
// one key name. Names ignore letter case and blanks ("ctrl + alt + num 8" is Ctrl+Alt+Num8).
// Key names: Num0..Num9, Num/, Num*, Num-, Num+, Num. (also NumpadN), F1..F24, A..Z, 0..9,
// Space, Enter, Tab, Esc, Backspace, Insert, Delete, Home, End, PageUp, PageDown, Up, Down,
// Left, Right, Clear, Pause, ScrollLock, PrintScreen (with the usual short forms Ins, Del,
// PgUp, PgDn, Escape, Return, PrtSc). An empty or blank value is no hotkey.
HotkeyValue ParseHotkey(std::u16string_view text);

// The value as the panel spells it: "Ctrl+Alt+Shift+Win+" in that order, then the key's name.
std::u16string FormatHotkey(const Hotkey& key);

// The key the same keypad key reports while Num Lock is off (Num8 reports Up, Num. Delete);
// nothing for keys that report the same either way.
std::optional<std::uint8_t> NumLockOffKey(std::uint8_t virtualKey);

// Combinations the system keeps for itself and never lets a program register: Ctrl+Alt+Delete,
// the secure attention sequence.
bool IsReservedBySystem(const Hotkey& key);

} // namespace quarnel

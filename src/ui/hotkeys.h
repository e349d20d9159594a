// The panel's hotkeys: the commands they run, their defaults on the numeric keypad, the
// [Hotkeys] section of the settings file, the keys to register (with the keypad's Num Lock
// off twins) and the list that tells the user which key does what and which did not work.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_image.h"
#include "ui/compose.h"
#include "ui/hotkey_keys.h"

namespace quarnel {

// In the order of the settings file and of the list.
enum class HotkeyCommand {
    UpLeft,
    Up,
    UpRight,
    Left,
    Stop,
    Right,
    DownLeft,
    Down,
    DownRight,
    TurnLeft,
    TurnAround,
    TurnRight,
    RaiseAnchor,
    DropAnchor,
    Nav,
    Start,
    Continue,
};
inline constexpr int kHotkeyCommandCount = 17;

inline constexpr std::u16string_view kHotkeysSection = u"Hotkeys";

// The command's key name in the settings file, such as "UpLeft".
std::u16string_view HotkeySettingName(HotkeyCommand command);
// Ctrl+Alt with the keypad laid out like the panel; nothing for Nav, Start and Continue.
std::optional<Hotkey> DefaultHotkey(HotkeyCommand command);

// What a hotkey sends: a compass key, Stop, a turn, Start and Continue are a left click on
// their button without modifier keys (the keys held for the hotkey itself do not count); the
// anchors and Nav send their phrase.
ComposedCommands ComposeHotkey(HotkeyCommand command, int heading, Speed speed,
                               const DirectionTable& directions);

struct HotkeyBinding {
    std::optional<Hotkey> key;                // in effect; nothing for no hotkey
    std::optional<std::u16string> unreadable; // the value that could not be read (default used)
};

struct HotkeySettings {
    std::array<HotkeyBinding, kHotkeyCommandCount> bindings; // by command
    // Lines of the section that set no command: unknown names, lines without "=", and a
    // command's second line.
    std::vector<std::u16string> ignoredLines;
};

HotkeySettings DefaultHotkeySettings();
// A missing line is the default; an empty value is no hotkey; a value that does not read is
// ignored (the default applies) and remembered for the list.
HotkeySettings ReadHotkeySettings(const SettingsImage& image);

// One key to register. A keypad key is registered twice: as itself and as the key it reports
// with Num Lock off.
struct HotkeyRegistration {
    int id = 0; // the hotkey id, from 1
    HotkeyCommand command{};
    Hotkey key;
    bool numLockOff = false;
};

// The bindings, the keys to register and what registering them came to.
class HotkeyTable {
public:
    explicit HotkeyTable(HotkeySettings settings = DefaultHotkeySettings());

    // In command order, each command's own key before any Num Lock off twin. A key that an
    // earlier command already has, and the system's own Ctrl+Alt+Delete, are left out.
    const std::vector<HotkeyRegistration>& registrations() const noexcept { return registrations_; }
    // Records the outcome of registering `id`; ids not registered count as taken.
    void SetRegistered(int id, bool registered);
    // The command of a registered id.
    std::optional<HotkeyCommand> CommandOf(int id) const;

    // One line per command, "Up\tCtrl+Alt+Num8", marked "(taken)", "(used by Up)",
    // "(Num Lock off: taken)" and so on, and one line per ignored line of the section.
    std::vector<std::u16string> ListLines() const;

private:
    // One key of a command: its own key or its keypad twin.
    struct KeySlot {
        bool present = false;                // the command has this key
        int id = 0;                          // its registration, 0 when none was tried
        bool reserved = false;               // the system keeps it
        std::optional<HotkeyCommand> usedBy; // an earlier command has the same key
    };
    bool Works(const KeySlot& slot) const;
    std::u16string Mark(int command) const;

    HotkeySettings settings_;
    std::vector<HotkeyRegistration> registrations_;
    std::vector<bool> registered_; // by id - 1
    std::array<KeySlot, kHotkeyCommandCount> own_{};
    std::array<KeySlot, kHotkeyCommandCount> twin_{};
};

} // namespace quarnel

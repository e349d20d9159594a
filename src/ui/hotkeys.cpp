#include "ui/hotkeys.h"

#include <map>

namespace quarnel {
namespace {

constexpr std::uint32_t kCtrlAlt = kModControl | kModAlt;

struct CommandInfo {
    std::u16string_view name;
    std::uint8_t defaultKey;        // with Ctrl+Alt; 0 for none
    std::u16string_view buttonCode; // a click on this button, or
    std::u16string_view text;       // this phrase
};

// Indexed by HotkeyCommand. The keypad's layout is the panel's: 7 8 9 over 4 5 6 over 1 2 3,
// the turns on / * -, the anchors on 0 and ".".
constexpr std::array<CommandInfo, kHotkeyCommandCount> kCommands = {{
    {u"UpLeft", 0x67, u"08", {}},
    {u"Up", 0x68, u"01", {}},
    {u"UpRight", 0x69, u"02", {}},
    {u"Left", 0x64, u"07", {}},
    {u"Stop", 0x65, u"00", {}},
    {u"Right", 0x66, u"03", {}},
    {u"DownLeft", 0x61, u"06", {}},
    {u"Down", 0x62, u"05", {}},
    {u"DownRight", 0x63, u"04", {}},
    {u"TurnLeft", 0x6F, u"L9", {}},
    {u"TurnAround", 0x6A, u"18", {}},
    {u"TurnRight", 0x6D, u"R9", {}},
    {u"RaiseAnchor", 0x60, {}, u"Raise Anchor"},
    {u"DropAnchor", 0x6E, {}, u"Drop Anchor"},
    {u"Nav", 0, {}, u"Nav"},
    {u"Start", 0, u"T2", {}},
    {u"Continue", 0, u"T3", {}},
}};

const CommandInfo& Info(HotkeyCommand command) {
    return kCommands[static_cast<size_t>(command)];
}

std::optional<int> CommandIndex(std::u16string_view name) {
    for (size_t i = 0; i < kCommands.size(); ++i)
        if (SameSettingsName(kCommands[i].name, name))
            return static_cast<int>(i);
    return std::nullopt;
}

} // namespace

std::u16string_view HotkeySettingName(HotkeyCommand command) {
    return Info(command).name;
}

std::optional<Hotkey> DefaultHotkey(HotkeyCommand command) {
    const std::uint8_t key = Info(command).defaultKey;
    if (key == 0)
        return std::nullopt;
    return Hotkey{kCtrlAlt, key};
}

ComposedCommands ComposeHotkey(HotkeyCommand command, int heading, Speed speed,
                               const DirectionTable& directions) {
    const CommandInfo& info = Info(command);
    if (!info.buttonCode.empty()) {
        CommandPress press;
        press.code = info.buttonCode;
        press.heading = heading;
        press.speed = speed;
        press.button = PressedButton::Left;
        return ComposeCommands(press, directions);
    }
    ComposedCommands result;
    result.heading = heading;
    result.texts.emplace_back(info.text);
    return result;
}

HotkeySettings DefaultHotkeySettings() {
    HotkeySettings settings;
    for (int i = 0; i < kHotkeyCommandCount; ++i)
        settings.bindings[i].key = DefaultHotkey(static_cast<HotkeyCommand>(i));
    return settings;
}

HotkeySettings ReadHotkeySettings(const SettingsImage& image) {
    HotkeySettings settings = DefaultHotkeySettings();
    const SettingsSection* section = image.Section(kHotkeysSection);
    if (section == nullptr)
        return settings;
    std::array<bool, kHotkeyCommandCount> seen{};
    for (const std::u16string& line : section->lines) {
        // The image keeps name=value lines stripped around the "=".
        const size_t equals = line.find(u'=');
        const std::optional<int> index =
            equals == std::u16string::npos
                ? std::nullopt
                : CommandIndex(std::u16string_view(line).substr(0, equals));
        if (!index || seen[*index]) {
            settings.ignoredLines.push_back(line);
            continue;
        }
        seen[*index] = true;
        const std::u16string_view value = std::u16string_view(line).substr(equals + 1);
        const HotkeyValue parsed = ParseHotkey(value);
        HotkeyBinding& binding = settings.bindings[*index];
        switch (parsed.kind) {
        case HotkeyValue::Kind::Key:
            binding.key = parsed.key;
            break;
        case HotkeyValue::Kind::None:
            binding.key.reset();
            break;
        case HotkeyValue::Kind::Unreadable:
            binding.unreadable = std::u16string(value);
            break;
        }
    }
    return settings;
}

HotkeyTable::HotkeyTable(HotkeySettings settings) : settings_(std::move(settings)) {
    std::map<Hotkey, HotkeyCommand> claimed;
    auto plan = [&](KeySlot& slot, HotkeyCommand command, Hotkey key, bool numLockOff) {
        slot.present = true;
        if (IsReservedBySystem(key)) {
            slot.reserved = true;
            return;
        }
        if (const auto found = claimed.find(key); found != claimed.end()) {
            slot.usedBy = found->second;
            return;
        }
        claimed.emplace(key, command);
        slot.id = static_cast<int>(registrations_.size()) + 1;
        registrations_.push_back({slot.id, command, key, numLockOff});
    };
    for (int i = 0; i < kHotkeyCommandCount; ++i)
        if (const auto& key = settings_.bindings[i].key)
            plan(own_[i], static_cast<HotkeyCommand>(i), *key, false);
    // The twins come second: a key a command names itself wins over another's twin.
    for (int i = 0; i < kHotkeyCommandCount; ++i) {
        const auto& key = settings_.bindings[i].key;
        if (!key || own_[i].usedBy)
            continue;
        if (const auto twin = NumLockOffKey(key->virtualKey))
            plan(twin_[i], static_cast<HotkeyCommand>(i), Hotkey{key->modifiers, *twin}, true);
    }
    registered_.assign(registrations_.size(), false);
}

void HotkeyTable::SetRegistered(int id, bool registered) {
    if (id >= 1 && id <= static_cast<int>(registered_.size()))
        registered_[id - 1] = registered;
}

std::optional<HotkeyCommand> HotkeyTable::CommandOf(int id) const {
    if (id < 1 || id > static_cast<int>(registered_.size()) || !registered_[id - 1])
        return std::nullopt;
    return registrations_[id - 1].command;
}

bool HotkeyTable::Works(const KeySlot& slot) const {
    return slot.id != 0 && registered_[slot.id - 1];
}

std::u16string HotkeyTable::Mark(int command) const {
    const KeySlot& own = own_[command];
    const KeySlot& twin = twin_[command];
    if (own.usedBy)
        return std::u16string(u" (used by ") + std::u16string(HotkeySettingName(*own.usedBy)) +
               u")";
    if (!Works(own))
        return Works(twin) ? u" (taken with Num Lock on)" : u" (taken)";
    if (twin.present && twin.usedBy)
        return std::u16string(u" (Num Lock off: used by ") +
               std::u16string(HotkeySettingName(*twin.usedBy)) + u")";
    if (twin.present && !Works(twin))
        return u" (taken with Num Lock off)";
    return {};
}

std::vector<std::u16string> HotkeyTable::ListLines() const {
    std::vector<std::u16string> lines;
    for (int i = 0; i < kHotkeyCommandCount; ++i) {
        const HotkeyBinding& binding = settings_.bindings[i];
        std::u16string line(HotkeySettingName(static_cast<HotkeyCommand>(i)));
        line += u'\t';
        if (binding.key)
            line += FormatHotkey(*binding.key) + Mark(i);
        else
            line += u"none";
        if (binding.unreadable)
            line += u" (unreadable: " + *binding.unreadable + u")";
        lines.push_back(std::move(line));
    }
    for (const std::u16string& ignored : settings_.ignoredLines)
        lines.push_back(ignored + u"\tignored");
    return lines;
}

} // namespace quarnel

#include "ui/hotkey_keys.h"

#include <array>

namespace quarnel {
namespace {

struct KeyName {
    std::u16string_view name; // canonical spelling first among equal codes
    std::uint8_t virtualKey;
};

// Named keys; letters, digits and function keys are worked out below.
constexpr KeyName kNamedKeys[] = {
    {u"Num0", 0x60},       {u"Num1", 0x61},        {u"Num2", 0x62},    {u"Num3", 0x63},
    {u"Num4", 0x64},       {u"Num5", 0x65},        {u"Num6", 0x66},    {u"Num7", 0x67},
    {u"Num8", 0x68},       {u"Num9", 0x69},        {u"Num*", 0x6A},    {u"Num+", 0x6B},
    {u"Num-", 0x6D},       {u"Num.", 0x6E},        {u"Num/", 0x6F},    {u"Numpad0", 0x60},
    {u"Numpad1", 0x61},    {u"Numpad2", 0x62},     {u"Numpad3", 0x63}, {u"Numpad4", 0x64},
    {u"Numpad5", 0x65},    {u"Numpad6", 0x66},     {u"Numpad7", 0x67}, {u"Numpad8", 0x68},
    {u"Numpad9", 0x69},    {u"Space", 0x20},       {u"Enter", 0x0D},   {u"Return", 0x0D},
    {u"Tab", 0x09},        {u"Esc", 0x1B},         {u"Escape", 0x1B},  {u"Backspace", 0x08},
    {u"Insert", 0x2D},     {u"Ins", 0x2D},         {u"Delete", 0x2E},  {u"Del", 0x2E},
    {u"Home", 0x24},       {u"End", 0x23},         {u"PageUp", 0x21},  {u"PgUp", 0x21},
    {u"PageDown", 0x22},   {u"PgDn", 0x22},        {u"Up", 0x26},      {u"Down", 0x28},
    {u"Left", 0x25},       {u"Right", 0x27},       {u"Clear", 0x0C},   {u"Pause", 0x13},
    {u"ScrollLock", 0x91}, {u"PrintScreen", 0x2C}, {u"PrtSc", 0x2C},
};

constexpr std::uint8_t kVkF1 = 0x70;
constexpr int kFunctionKeys = 24;

struct ModifierName {
    std::u16string_view name;
    std::uint32_t bit;
};
constexpr ModifierName kModifierNames[] = {
    {u"Ctrl", kModControl}, {u"Control", kModControl}, {u"Alt", kModAlt},
    {u"Shift", kModShift},  {u"Win", kModWin},         {u"Windows", kModWin},
};
// The order in which a value is written.
constexpr ModifierName kModifierOrder[] = {
    {u"Ctrl", kModControl}, {u"Alt", kModAlt}, {u"Shift", kModShift}, {u"Win", kModWin}};

bool IsBlank(char16_t c) {
    return c <= 32;
}

char16_t Lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}

// A name as compared: lower case, without blanks.
std::u16string Folded(std::u16string_view text) {
    std::u16string folded;
    for (char16_t c : text)
        if (!IsBlank(c))
            folded.push_back(Lower(c));
    return folded;
}

std::optional<std::uint32_t> ModifierBit(std::u16string_view name) {
    const std::u16string folded = Folded(name);
    for (const ModifierName& modifier : kModifierNames)
        if (folded == Folded(modifier.name))
            return modifier.bit;
    return std::nullopt;
}

std::optional<std::uint8_t> KeyCode(std::u16string_view name) {
    const std::u16string folded = Folded(name);
    if (folded.size() == 1) {
        const char16_t c = folded.front();
        if (c >= u'a' && c <= u'z')
            return static_cast<std::uint8_t>(u'A' + (c - u'a'));
        if (c >= u'0' && c <= u'9')
            return static_cast<std::uint8_t>(c);
    }
    if (folded.size() >= 2 && folded.front() == u'f') {
        int number = 0;
        for (size_t i = 1; i < folded.size(); ++i) {
            if (folded[i] < u'0' || folded[i] > u'9' || (i == 1 && folded[i] == u'0'))
                return std::nullopt;
            number = number * 10 + (folded[i] - u'0');
            if (number > kFunctionKeys)
                return std::nullopt;
        }
        if (number >= 1)
            return static_cast<std::uint8_t>(kVkF1 + number - 1);
    }
    for (const KeyName& key : kNamedKeys)
        if (folded == Folded(key.name))
            return key.virtualKey;
    return std::nullopt;
}

std::u16string KeyNameOf(std::uint8_t virtualKey) {
    if ((virtualKey >= u'A' && virtualKey <= u'Z') || (virtualKey >= u'0' && virtualKey <= u'9'))
        return std::u16string(1, static_cast<char16_t>(virtualKey));
    if (virtualKey >= kVkF1 && virtualKey < kVkF1 + kFunctionKeys) {
        std::u16string name = u"F";
        const int number = virtualKey - kVkF1 + 1;
        if (number >= 10)
            name.push_back(static_cast<char16_t>(u'0' + number / 10));
        name.push_back(static_cast<char16_t>(u'0' + number % 10));
        return name;
    }
    for (const KeyName& key : kNamedKeys)
        if (key.virtualKey == virtualKey)
            return std::u16string(key.name);
    // Not a key of ours: its code, so that the text still tells keys apart.
    constexpr char16_t kHex[] = u"0123456789ABCDEF";
    return std::u16string(u"0x") + kHex[virtualKey >> 4] + kHex[virtualKey & 0xF];
}

} // namespace

HotkeyValue ParseHotkey(std::u16string_view text) {
    const auto unreadable = HotkeyValue{HotkeyValue::Kind::Unreadable, {}};
    std::u16string_view rest = text;
    while (!rest.empty() && IsBlank(rest.front()))
        rest.remove_prefix(1);
    while (!rest.empty() && IsBlank(rest.back()))
        rest.remove_suffix(1);
    if (rest.empty())
        return {HotkeyValue::Kind::None, {}};

    // Modifiers are taken from the front while a "+" follows them; what remains is the key,
    // so that a key named with "+" (Num+) needs no escape.
    Hotkey key;
    for (;;) {
        const size_t plus = rest.find(u'+');
        if (plus == std::u16string_view::npos)
            break;
        const std::optional<std::uint32_t> bit = ModifierBit(rest.substr(0, plus));
        if (!bit)
            break;
        if (key.modifiers & *bit)
            return unreadable;
        key.modifiers |= *bit;
        rest.remove_prefix(plus + 1);
    }
    const std::optional<std::uint8_t> code = KeyCode(rest);
    if (!code)
        return unreadable;
    key.virtualKey = *code;
    return {HotkeyValue::Kind::Key, key};
}

std::u16string FormatHotkey(const Hotkey& key) {
    std::u16string text;
    for (const ModifierName& modifier : kModifierOrder) {
        if (key.modifiers & modifier.bit) {
            text += modifier.name;
            text += u'+';
        }
    }
    return text + KeyNameOf(key.virtualKey);
}

std::optional<std::uint8_t> NumLockOffKey(std::uint8_t virtualKey) {
    // Num0 .. Num9: Insert, End, Down, Page Down, Left, Clear, Right, Home, Up, Page Up.
    static constexpr std::array<std::uint8_t, 10> kNavigation = {0x2D, 0x23, 0x28, 0x22, 0x25,
                                                                 0x0C, 0x27, 0x24, 0x26, 0x21};
    if (virtualKey >= 0x60 && virtualKey <= 0x69)
        return kNavigation[virtualKey - 0x60];
    if (virtualKey == 0x6E) // Num. reports Delete
        return 0x2E;
    return std::nullopt;
}

bool IsReservedBySystem(const Hotkey& key) {
    constexpr std::uint32_t kCtrlAlt = kModControl | kModAlt;
    return key.virtualKey == 0x2E && (key.modifiers & kCtrlAlt) == kCtrlAlt;
}

} // namespace quarnel

#include "ui/hotkey_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using quarnel::Hotkey;
using quarnel::HotkeyValue;
using Kind = quarnel::HotkeyValue::Kind;
using quarnel::kModAlt;
using quarnel::kModControl;
using quarnel::kModShift;
using quarnel::kModWin;

constexpr std::uint32_t kCtrlAlt = kModControl | kModAlt;

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

struct GoodValue {
    std::u16string_view text;
    std::uint32_t modifiers;
    std::uint8_t virtualKey;
    std::u16string_view written; // as the panel spells it
};

TEST(HotkeyValues, GoodValuesReadAndAreWrittenInOneSpelling) {
    const GoodValue cases[] = {
        {u"Ctrl+Alt+Num8", kCtrlAlt, 0x68, u"Ctrl+Alt+Num8"},
        {u"Shift+F5", kModShift, 0x74, u"Shift+F5"},
        {u"Ctrl+Alt+F12", kCtrlAlt, 0x7B, u"Ctrl+Alt+F12"},
        {u"F24", 0, 0x87, u"F24"},
        {u"F1", 0, 0x70, u"F1"},
        // Letter case and blanks as a Windows user might type them; any modifier order.
        {u"ctrl+alt+num8", kCtrlAlt, 0x68, u"Ctrl+Alt+Num8"},
        {u"  CTRL + ALT + Num 8  ", kCtrlAlt, 0x68, u"Ctrl+Alt+Num8"},
        {u"Alt+Ctrl+Num8", kCtrlAlt, 0x68, u"Ctrl+Alt+Num8"},
        {u"Control+Windows+Q", kModControl | kModWin, 'Q', u"Ctrl+Win+Q"},
        {u"Shift+Win+Alt+Ctrl+7", kCtrlAlt | kModShift | kModWin, '7', u"Ctrl+Alt+Shift+Win+7"},
        {u"Numpad3", 0, 0x63, u"Num3"},
        // The keypad's operators, the "+" one included.
        {u"Ctrl+Alt+Num/", kCtrlAlt, 0x6F, u"Ctrl+Alt+Num/"},
        {u"Ctrl+Alt+Num*", kCtrlAlt, 0x6A, u"Ctrl+Alt+Num*"},
        {u"Ctrl+Alt+Num-", kCtrlAlt, 0x6D, u"Ctrl+Alt+Num-"},
        {u"Ctrl+Alt+Num+", kCtrlAlt, 0x6B, u"Ctrl+Alt+Num+"},
        {u"Ctrl+Alt+Num.", kCtrlAlt, 0x6E, u"Ctrl+Alt+Num."},
        {u"Ctrl+Num0", kModControl, 0x60, u"Ctrl+Num0"},
        // Named keys and their short forms.
        {u"Alt+PgUp", kModAlt, 0x21, u"Alt+PageUp"},
        {u"Alt+Page Down", kModAlt, 0x22, u"Alt+PageDown"},
        {u"Ctrl+Del", kModControl, 0x2E, u"Ctrl+Delete"},
        {u"Ctrl+Ins", kModControl, 0x2D, u"Ctrl+Insert"},
        {u"Ctrl+Escape", kModControl, 0x1B, u"Ctrl+Esc"},
        {u"Ctrl+Return", kModControl, 0x0D, u"Ctrl+Enter"},
        {u"Shift+Space", kModShift, 0x20, u"Shift+Space"},
        {u"Ctrl+Alt+Up", kCtrlAlt, 0x26, u"Ctrl+Alt+Up"},
        {u"Ctrl+Alt+Clear", kCtrlAlt, 0x0C, u"Ctrl+Alt+Clear"},
        {u"Ctrl+Pause", kModControl, 0x13, u"Ctrl+Pause"},
        {u"z", 0, 'Z', u"Z"},
    };
    for (const GoodValue& good : cases) {
        SCOPED_TRACE(Narrow(good.text));
        const HotkeyValue value = quarnel::ParseHotkey(good.text);
        ASSERT_EQ(value.kind, Kind::Key);
        EXPECT_EQ(value.key, (Hotkey{good.modifiers, good.virtualKey}));
        const std::u16string written = quarnel::FormatHotkey(value.key);
        EXPECT_EQ(Narrow(written), Narrow(good.written));
        EXPECT_EQ(quarnel::ParseHotkey(written), value); // and reads back the same
    }
}

TEST(HotkeyValues, EmptyValueIsNoHotkey) {
    for (std::u16string_view text : {u"", u"   ", u"\t"})
        EXPECT_EQ(quarnel::ParseHotkey(text).kind, Kind::None);
}

TEST(HotkeyValues, BadValuesAreUnreadable) {
    const std::u16string_view cases[] = {
        u"Ctrl+Alt",       // modifiers without a key
        u"Ctrl+Alt+",      // nothing after the last "+"
        u"+Num8",          // nothing before it
        u"Ctrl+Ctrl+A",    // a modifier twice
        u"Ctrl+Alt+Nm8",   // a misspelt key
        u"Ctrl+Alt+Num10", // no such keypad key
        u"Ctrl+F25",       // past F24
        u"Ctrl+F0",        u"Ctrl+F01",
        u"Ctl+A",          // a misspelt modifier
        u"Ctrl+Alt+Num8+", // a key used as a modifier
        u"Ctrl+AB",
        u"Ctrl-Alt-Num8", // another separator
        u"Ctrl++",
        u"Ｃtrl+A", // a fullwidth letter
    };
    for (std::u16string_view text : cases) {
        SCOPED_TRACE(Narrow(text));
        EXPECT_EQ(quarnel::ParseHotkey(text).kind, Kind::Unreadable);
    }
}

TEST(HotkeyValues, UnknownKeyCodesAreWrittenAsTheirCode) {
    EXPECT_EQ(Narrow(quarnel::FormatHotkey({kModControl, 0xBA})), "Ctrl+0xBA");
}

TEST(HotkeyValues, KeypadKeysReportNavigationKeysWithNumLockOff) {
    const std::pair<std::uint8_t, std::uint8_t> twins[] = {
        {0x60, 0x2D}, {0x61, 0x23}, {0x62, 0x28}, {0x63, 0x22}, {0x64, 0x25}, {0x65, 0x0C},
        {0x66, 0x27}, {0x67, 0x24}, {0x68, 0x26}, {0x69, 0x21}, {0x6E, 0x2E}};
    for (const auto& [keypad, navigation] : twins)
        EXPECT_EQ(quarnel::NumLockOffKey(keypad), navigation) << int(keypad);
    // The operators report the same whatever Num Lock says, and so does every other key.
    for (std::uint8_t same : {0x6F, 0x6A, 0x6D, 0x6B, 0x26, 0x7B, 0x41})
        EXPECT_FALSE(quarnel::NumLockOffKey(same)) << int(same);
}

TEST(HotkeyValues, CtrlAltDeleteBelongsToTheSystem) {
    EXPECT_TRUE(quarnel::IsReservedBySystem({kCtrlAlt, 0x2E}));
    EXPECT_TRUE(quarnel::IsReservedBySystem({kCtrlAlt | kModShift, 0x2E}));
    EXPECT_FALSE(quarnel::IsReservedBySystem({kModControl, 0x2E}));
    EXPECT_FALSE(quarnel::IsReservedBySystem({kCtrlAlt, 0x6E}));
}

} // namespace

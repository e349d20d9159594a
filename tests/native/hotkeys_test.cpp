#include "ui/hotkeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using quarnel::ComposedCommands;
using quarnel::Hotkey;
using quarnel::HotkeyCommand;
using quarnel::HotkeySettings;
using quarnel::HotkeyTable;
using quarnel::SettingsImage;
using quarnel::Speed;

constexpr std::uint32_t kCtrlAlt = quarnel::kModControl | quarnel::kModAlt;

std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t unit : text)
        out += unit < 0x80 ? static_cast<char>(unit) : '?';
    return out;
}

std::vector<std::string> Narrow(const std::vector<std::u16string>& lines) {
    std::vector<std::string> out;
    for (const std::u16string& line : lines)
        out.push_back(Narrow(line));
    return out;
}

HotkeySettings FromFile(std::u16string_view text) {
    return quarnel::ReadHotkeySettings(SettingsImage::Parse(text));
}

std::optional<Hotkey> KeyOf(const HotkeySettings& settings, HotkeyCommand command) {
    return settings.bindings[static_cast<size_t>(command)].key;
}

// Every planned key registered, except the ids given.
HotkeyTable Registered(HotkeySettings settings, std::vector<int> taken = {}) {
    HotkeyTable table(std::move(settings));
    for (const auto& key : table.registrations())
        table.SetRegistered(key.id, std::find(taken.begin(), taken.end(), key.id) == taken.end());
    return table;
}

int IdOf(const HotkeyTable& table, Hotkey key) {
    for (const auto& registration : table.registrations())
        if (registration.key == key)
            return registration.id;
    return 0;
}

TEST(HotkeyCommands, NamesAndDefaultKeysFollowTheKeypad) {
    struct Row {
        HotkeyCommand command;
        const char* name;
        std::uint8_t key; // with Ctrl+Alt, 0 for none
    };
    const Row rows[] = {
        {HotkeyCommand::UpLeft, "UpLeft", 0x67},
        {HotkeyCommand::Up, "Up", 0x68},
        {HotkeyCommand::UpRight, "UpRight", 0x69},
        {HotkeyCommand::Left, "Left", 0x64},
        {HotkeyCommand::Stop, "Stop", 0x65},
        {HotkeyCommand::Right, "Right", 0x66},
        {HotkeyCommand::DownLeft, "DownLeft", 0x61},
        {HotkeyCommand::Down, "Down", 0x62},
        {HotkeyCommand::DownRight, "DownRight", 0x63},
        {HotkeyCommand::TurnLeft, "TurnLeft", 0x6F},
        {HotkeyCommand::TurnAround, "TurnAround", 0x6A},
        {HotkeyCommand::TurnRight, "TurnRight", 0x6D},
        {HotkeyCommand::RaiseAnchor, "RaiseAnchor", 0x60},
        {HotkeyCommand::DropAnchor, "DropAnchor", 0x6E},
        {HotkeyCommand::Nav, "Nav", 0},
        {HotkeyCommand::Start, "Start", 0},
        {HotkeyCommand::Continue, "Continue", 0},
    };
    ASSERT_EQ(std::size(rows), static_cast<size_t>(quarnel::kHotkeyCommandCount));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(static_cast<size_t>(row.command), i); // the order
        EXPECT_EQ(Narrow(quarnel::HotkeySettingName(row.command)), row.name);
        if (row.key == 0) {
            EXPECT_FALSE(quarnel::DefaultHotkey(row.command));
        } else {
            EXPECT_EQ(quarnel::DefaultHotkey(row.command), (Hotkey{kCtrlAlt, row.key}));
        }
    }
}

TEST(HotkeyCommands, EachKeySendsWhatAPlainLeftClickOnItsButtonSends) {
    struct Row {
        HotkeyCommand command;
        int heading;
        Speed speed;
        int newHeading;
        bool relabel;
        const char* text;
    };
    const Row rows[] = {
        {HotkeyCommand::Up, 0, Speed::High, 0, false, "Forward"},
        {HotkeyCommand::UpRight, 1, Speed::High, 1, false, "Forward"}, // the bow's way
        {HotkeyCommand::Left, 0, Speed::High, 0, false, "Left"},
        {HotkeyCommand::Up, 4, Speed::High, 4, false, "Forward Right"},
        {HotkeyCommand::DownLeft, 3, Speed::High, 3, false, "Forward"},
        {HotkeyCommand::DownRight, 0, Speed::Slow, 0, false, "Slow Back Right"},
        {HotkeyCommand::Down, 3, Speed::One, 3, false, "One Forward Left"},
        {HotkeyCommand::UpLeft, -1, Speed::High, -1, false, "Right"}, // no selection
        {HotkeyCommand::Stop, 2, Speed::One, 2, true, "Stop"},
        {HotkeyCommand::TurnLeft, 1, Speed::High, 4, true, "Turn Left"},
        {HotkeyCommand::TurnAround, 3, Speed::High, 1, true, "Turn Around"},
        {HotkeyCommand::TurnRight, 4, Speed::Slow, 1, true, "Turn Right"},
        {HotkeyCommand::TurnRight, 0, Speed::High, 0, true, "Turn Right"},
        {HotkeyCommand::RaiseAnchor, 2, Speed::Slow, 2, false, "Raise Anchor"},
        {HotkeyCommand::DropAnchor, 0, Speed::High, 0, false, "Drop Anchor"},
        {HotkeyCommand::Nav, 1, Speed::One, 1, false, "Nav"},
        {HotkeyCommand::Start, 1, Speed::Slow, 1, false, "Start"},
        {HotkeyCommand::Continue, 0, Speed::One, 0, false, "Continue"},
    };
    const quarnel::DirectionTable directions = quarnel::StandardDirectionTable();
    for (const Row& row : rows) {
        SCOPED_TRACE(Narrow(quarnel::HotkeySettingName(row.command)) + " at heading " +
                     std::to_string(row.heading));
        const ComposedCommands commands =
            quarnel::ComposeHotkey(row.command, row.heading, row.speed, directions);
        EXPECT_EQ(commands.heading, row.newHeading);
        EXPECT_EQ(commands.relabel, row.relabel);
        EXPECT_EQ(Narrow(commands.texts), (std::vector<std::string>{row.text}));
    }
}

TEST(HotkeySettingsFile, MissingSectionOrLinesAreTheDefaults) {
    const HotkeySettings none = FromFile(u"[System]\ncb1=1\n");
    const HotkeySettings partial = FromFile(u"[Hotkeys]\nStop=Shift+F5\n");
    for (int i = 0; i < quarnel::kHotkeyCommandCount; ++i) {
        const auto command = static_cast<HotkeyCommand>(i);
        EXPECT_EQ(KeyOf(none, command), quarnel::DefaultHotkey(command));
        if (command != HotkeyCommand::Stop) {
            EXPECT_EQ(KeyOf(partial, command), quarnel::DefaultHotkey(command));
        }
    }
    EXPECT_EQ(KeyOf(partial, HotkeyCommand::Stop), (Hotkey{quarnel::kModShift, 0x74}));
    EXPECT_TRUE(none.ignoredLines.empty());
}

TEST(HotkeySettingsFile, ValuesEmptyValuesAndUnreadableOnes) {
    const HotkeySettings settings = FromFile(u"[hotkeys]\n"
                                             u"stop = Ctrl+Alt+F12\n" // names ignore case
                                             u"Up=\n"                 // no hotkey
                                             u"Nav=Ctrl+Alt+N\n"
                                             u"Left=Ctrl+Alt+Nm4\n" // ignored: the default
                                             u"Start=Ctrl+Ctrl\n"   // ignored: still none
                                             u"Sail=Ctrl+Alt+S\n"   // no such command
                                             u"no equals sign\n"
                                             u"Stop=Ctrl+Alt+F11\n" // a second line
                                             u"[System]\nUp=Ctrl+Alt+U\n");
    EXPECT_EQ(KeyOf(settings, HotkeyCommand::Stop), (Hotkey{kCtrlAlt, 0x7B}));
    EXPECT_FALSE(KeyOf(settings, HotkeyCommand::Up));
    EXPECT_EQ(KeyOf(settings, HotkeyCommand::Nav), (Hotkey{kCtrlAlt, 'N'}));
    EXPECT_EQ(KeyOf(settings, HotkeyCommand::Left), quarnel::DefaultHotkey(HotkeyCommand::Left));
    EXPECT_FALSE(KeyOf(settings, HotkeyCommand::Start));
    const auto& left = settings.bindings[static_cast<size_t>(HotkeyCommand::Left)];
    const auto& start = settings.bindings[static_cast<size_t>(HotkeyCommand::Start)];
    EXPECT_EQ(Narrow(left.unreadable.value_or(u"-")), "Ctrl+Alt+Nm4");
    EXPECT_EQ(Narrow(start.unreadable.value_or(u"-")), "Ctrl+Ctrl");
    EXPECT_FALSE(settings.bindings[static_cast<size_t>(HotkeyCommand::Stop)].unreadable);
    EXPECT_EQ(Narrow(settings.ignoredLines),
              (std::vector<std::string>{"Sail=Ctrl+Alt+S", "no equals sign", "Stop=Ctrl+Alt+F11"}));
}

TEST(HotkeyTablePlan, DefaultsRegisterEachKeypadKeyAndItsNumLockOffTwin) {
    const HotkeyTable table;
    std::vector<std::string> planned;
    for (const auto& key : table.registrations())
        planned.push_back(std::to_string(key.id) + " " +
                          Narrow(quarnel::HotkeySettingName(key.command)) + " " +
                          Narrow(quarnel::FormatHotkey(key.key)) + (key.numLockOff ? " off" : ""));
    // Ctrl+Alt+Delete (Num. with Num Lock off) is the system's and never tried.
    const std::vector<std::string> expected = {
        "1 UpLeft Ctrl+Alt+Num7",
        "2 Up Ctrl+Alt+Num8",
        "3 UpRight Ctrl+Alt+Num9",
        "4 Left Ctrl+Alt+Num4",
        "5 Stop Ctrl+Alt+Num5",
        "6 Right Ctrl+Alt+Num6",
        "7 DownLeft Ctrl+Alt+Num1",
        "8 Down Ctrl+Alt+Num2",
        "9 DownRight Ctrl+Alt+Num3",
        "10 TurnLeft Ctrl+Alt+Num/",
        "11 TurnAround Ctrl+Alt+Num*",
        "12 TurnRight Ctrl+Alt+Num-",
        "13 RaiseAnchor Ctrl+Alt+Num0",
        "14 DropAnchor Ctrl+Alt+Num.",
        "15 UpLeft Ctrl+Alt+Home off",
        "16 Up Ctrl+Alt+Up off",
        "17 UpRight Ctrl+Alt+PageUp off",
        "18 Left Ctrl+Alt+Left off",
        "19 Stop Ctrl+Alt+Clear off",
        "20 Right Ctrl+Alt+Right off",
        "21 DownLeft Ctrl+Alt+End off",
        "22 Down Ctrl+Alt+Down off",
        "23 DownRight Ctrl+Alt+PageDown off",
        "24 RaiseAnchor Ctrl+Alt+Insert off",
    };
    EXPECT_EQ(planned, expected);
}

TEST(HotkeyTablePlan, OnlyRegisteredIdsRunACommand) {
    HotkeyTable table;
    EXPECT_FALSE(table.CommandOf(2)); // nothing registered yet
    table.SetRegistered(2, true);
    table.SetRegistered(16, true);
    EXPECT_EQ(table.CommandOf(2), HotkeyCommand::Up);
    EXPECT_EQ(table.CommandOf(16), HotkeyCommand::Up); // the twin runs the same command
    table.SetRegistered(16, false);
    EXPECT_FALSE(table.CommandOf(16));
    for (int id : {0, -1, 25, 1000}) {
        table.SetRegistered(id, true); // ignored
        EXPECT_FALSE(table.CommandOf(id)) << id;
    }
}

TEST(HotkeyTablePlan, AKeyTwiceGoesToTheFirstCommandAndOwnKeysWinOverTwins) {
    // UpRight asks for Up's Num8; DownLeft for Ctrl+Alt+Up, which is Num8 with Num Lock off.
    const HotkeyTable table = Registered(FromFile(u"[Hotkeys]\n"
                                                  u"UpRight=Ctrl+Alt+Num8\n"
                                                  u"DownLeft=Ctrl+Alt+Up\n"));
    EXPECT_EQ(table.CommandOf(IdOf(table, {kCtrlAlt, 0x68})), HotkeyCommand::Up);
    EXPECT_EQ(table.CommandOf(IdOf(table, {kCtrlAlt, 0x26})), HotkeyCommand::DownLeft);
    const std::vector<std::string> lines = Narrow(table.ListLines());
    EXPECT_EQ(lines[1], "Up\tCtrl+Alt+Num8 (Num Lock off: used by DownLeft)");
    EXPECT_EQ(lines[2], "UpRight\tCtrl+Alt+Num8 (used by Up)");
    EXPECT_EQ(lines[6], "DownLeft\tCtrl+Alt+Up");
    for (const auto& key : table.registrations())
        EXPECT_NE(key.command, HotkeyCommand::UpRight);
}

TEST(HotkeyTableList, NamesEachCommandWithItsKeyAndWhatWentWrong) {
    HotkeyTable table = Registered(FromFile(u"[Hotkeys]\n"
                                            u"Stop=Ctrl+Alt+F12\n"
                                            u"Left=Ctrl+Alt+Nm4\n"
                                            u"TurnAround=\n"
                                            u"Nav=Ctrl+Q\n"
                                            u"Start=what\n"
                                            u"Anchor=Ctrl+A\n"),
                                   {});
    // Another program holds Ctrl+Alt+Num7 and Ctrl+Alt+Down, and the twin of Num8 too.
    table.SetRegistered(IdOf(table, {kCtrlAlt, 0x67}), false);
    table.SetRegistered(IdOf(table, {kCtrlAlt, 0x28}), false);
    table.SetRegistered(IdOf(table, {kCtrlAlt, 0x62}), false);
    table.SetRegistered(IdOf(table, {kCtrlAlt, 0x26}), false);
    table.SetRegistered(IdOf(table, {kCtrlAlt, 0x7B}), false);
    const std::vector<std::string> expected = {
        "UpLeft\tCtrl+Alt+Num7 (taken with Num Lock on)",
        "Up\tCtrl+Alt+Num8 (taken with Num Lock off)",
        "UpRight\tCtrl+Alt+Num9",
        "Left\tCtrl+Alt+Num4 (unreadable: Ctrl+Alt+Nm4)",
        "Stop\tCtrl+Alt+F12 (taken)",
        "Right\tCtrl+Alt+Num6",
        "DownLeft\tCtrl+Alt+Num1",
        "Down\tCtrl+Alt+Num2 (taken)",
        "DownRight\tCtrl+Alt+Num3",
        "TurnLeft\tCtrl+Alt+Num/",
        "TurnAround\tnone",
        "TurnRight\tCtrl+Alt+Num-",
        "RaiseAnchor\tCtrl+Alt+Num0",
        "DropAnchor\tCtrl+Alt+Num. (taken with Num Lock off)", // Ctrl+Alt+Delete
        "Nav\tCtrl+Q",
        "Start\tnone (unreadable: what)",
        "Continue\tnone",
        "Anchor=Ctrl+A\tignored",
    };
    EXPECT_EQ(Narrow(table.ListLines()), expected);
}

TEST(HotkeyTableList, AKeyNeverRegisteredCountsAsTaken) {
    const HotkeyTable table; // nothing registered, as when every RegisterHotKey failed
    EXPECT_EQ(Narrow(table.ListLines()[1]), "Up\tCtrl+Alt+Num8 (taken)");
}

} // namespace

#include "ui/compose.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using quarnel::CommandPress;
using quarnel::ComposeCommands;
using quarnel::ComposedCommands;
using quarnel::PressedButton;
using quarnel::Speed;
using Texts = std::vector<std::u16string>;

ComposedCommands Compose(CommandPress press) {
    return ComposeCommands(press, quarnel::StandardDirectionTable());
}

CommandPress Press(std::u16string_view code, int heading = 0, Speed speed = Speed::High,
                   PressedButton button = PressedButton::Left) {
    CommandPress press;
    press.code = code;
    press.heading = heading;
    press.speed = speed;
    press.button = button;
    return press;
}

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

TEST(ComposeCommands, DirectionTableHoldsTheEightWords) {
    const quarnel::DirectionTable table = quarnel::StandardDirectionTable();
    const Texts expected = {u"Forward", u"Forward Right", u"Right", u"Back Right",
                            u"Back",    u"Back Left",     u"Left",  u"Forward Left"};
    for (size_t index = 1; index <= 8; ++index)
        EXPECT_EQ(table[index], expected[index - 1]) << index;
}

// Direction index (and so the word) for each direction button (rows) under headings
// -1, 0, 1, 2, 3, 4 (columns).
TEST(ComposeCommands, DirectionButtonsUnderEveryHeading) {
    const int headings[] = {-1, 0, 1, 2, 3, 4};
    const int expected[8][6] = {
        {4, 1, 8, 6, 4, 2}, // Btn_01
        {5, 2, 1, 7, 5, 3}, // Btn_02
        {6, 3, 2, 8, 6, 4}, // Btn_03
        {7, 4, 3, 1, 7, 5}, // Btn_04
        {8, 5, 4, 2, 8, 6}, // Btn_05
        {1, 6, 5, 3, 1, 7}, // Btn_06
        {2, 7, 6, 4, 2, 8}, // Btn_07
        {3, 8, 7, 5, 3, 1}, // Btn_08
    };
    const quarnel::DirectionTable words = quarnel::StandardDirectionTable();
    for (int button = 1; button <= 8; ++button) {
        const std::u16string code = u"0" + std::u16string(1, static_cast<char16_t>(u'0' + button));
        for (int column = 0; column < 6; ++column) {
            const int heading = headings[column];
            const ComposedCommands result = Compose(Press(code, heading));
            const Texts want = {words[static_cast<size_t>(expected[button - 1][column])]};
            EXPECT_EQ(result.texts, want) << "Btn_0" << button << " heading " << heading;
            EXPECT_EQ(result.heading, heading);
            EXPECT_FALSE(result.relabel);
        }
    }
}

TEST(ComposeCommands, DirectionWordComesFromTheGivenTable) {
    quarnel::DirectionTable table = quarnel::StandardDirectionTable();
    table[8] = u"eighth";
    EXPECT_EQ(ComposeCommands(Press(u"02", 4), table).texts, Texts{u"Right"});
    EXPECT_EQ(ComposeCommands(Press(u"08", 0), table).texts, Texts{u"eighth"});
}

TEST(ComposeCommands, TurnTable) {
    struct Row {
        int before, left, around, right;
    };
    const Row rows[] = {{0, 0, 0, 0}, {1, 4, 3, 2}, {2, 1, 4, 3},
                        {3, 2, 1, 4}, {4, 3, 2, 1}, {-1, 4, 1, 0}};
    for (const Row& row : rows) {
        const struct {
            std::u16string_view code;
            int after;
            const char16_t* text;
        } turns[] = {{u"L9", row.left, u"Turn Left"},
                     {u"18", row.around, u"Turn Around"},
                     {u"R9", row.right, u"Turn Right"}};
        for (const auto& turn : turns) {
            const ComposedCommands result = Compose(Press(turn.code, row.before));
            EXPECT_EQ(result.heading, turn.after) << Narrow(turn.code) << " from " << row.before;
            EXPECT_TRUE(result.relabel);
            EXPECT_EQ(result.texts, Texts{turn.text});
        }
    }
}

// Stop and the turns ignore speed, mouse button and modifier keys.
TEST(ComposeCommands, StopAndTurnsWhateverElseIsPressed) {
    const std::pair<std::u16string_view, const char16_t*> buttons[] = {
        {u"00", u"Stop"}, {u"L9", u"Turn Left"}, {u"18", u"Turn Around"}, {u"R9", u"Turn Right"}};
    for (const auto& [code, text] : buttons)
        for (Speed speed : {Speed::High, Speed::Slow, Speed::One})
            for (PressedButton mouse :
                 {PressedButton::Left, PressedButton::Right, PressedButton::Middle})
                for (int keys = 0; keys < 8; ++keys) {
                    CommandPress press = Press(code, 2, speed, mouse);
                    press.ctrl = (keys & 1) != 0;
                    press.alt = (keys & 2) != 0;
                    press.shift = (keys & 4) != 0;
                    const ComposedCommands result = Compose(press);
                    EXPECT_EQ(result.texts, Texts{text}) << Narrow(code) << " keys " << keys;
                    EXPECT_TRUE(result.relabel);
                }
    EXPECT_EQ(Compose(Press(u"00", 3)).heading, 3);
}

TEST(ComposeCommands, SpeedPrefixTable) {
    struct Row {
        Speed speed;
        bool ctrl;
        PressedButton button;
        const char16_t* text;
    };
    using enum PressedButton;
    const Row rows[] = {
        {Speed::High, false, Left, u"Forward"},       {Speed::High, false, Right, u"Forward"},
        {Speed::High, false, Middle, u"Forward"},     {Speed::High, true, Left, u"Slow Forward"},
        {Speed::High, true, Right, u"One Forward"},   {Speed::High, true, Middle, u"Forward"},
        {Speed::Slow, false, Left, u"Slow Forward"},  {Speed::Slow, true, Right, u"Slow Forward"},
        {Speed::Slow, true, Middle, u"Slow Forward"}, {Speed::Slow, false, Right, u"Slow Forward"},
        {Speed::One, false, Left, u"One Forward"},    {Speed::One, true, Left, u"One Forward"},
        {Speed::One, true, Middle, u"One Forward"},   {Speed::One, false, Right, u"One Forward"},
    };
    for (const Row& row : rows) {
        CommandPress press = Press(u"01", 0, row.speed, row.button);
        press.ctrl = row.ctrl;
        EXPECT_EQ(Compose(press).texts, Texts{row.text})
            << "speed " << static_cast<int>(row.speed) << " ctrl " << row.ctrl << " button "
            << static_cast<int>(row.button);
    }
}

TEST(ComposeCommands, SlowPrefixUnderAHeading) {
    EXPECT_EQ(Compose(Press(u"02", 1, Speed::Slow)).texts, Texts{u"Slow Forward"});
}

// Alt or Shift on a direction button: nothing is sent and the heading stays.
TEST(ComposeCommands, AltOrShiftSuppressesDirections) {
    for (int keys = 1; keys < 8; ++keys) {
        if ((keys & 6) == 0)
            continue; // Ctrl alone sends
        for (int button = 1; button <= 8; ++button) {
            const std::u16string code =
                u"0" + std::u16string(1, static_cast<char16_t>(u'0' + button));
            CommandPress press = Press(code, 3, Speed::Slow, PressedButton::Right);
            press.ctrl = (keys & 1) != 0;
            press.alt = (keys & 2) != 0;
            press.shift = (keys & 4) != 0;
            const ComposedCommands result = Compose(press);
            EXPECT_TRUE(result.texts.empty()) << "button " << button << " keys " << keys;
            EXPECT_EQ(result.heading, 3);
            EXPECT_FALSE(result.relabel);
        }
    }
}

TEST(ComposeCommands, SpecialButtonsWhateverIsHeld) {
    const std::pair<std::u16string_view, Texts> rows[] = {
        {u"T1", {u"Start Tracking"}},
        {u"T2", {u"Start"}},
        {u"T3", {u"Continue"}},
        {u"DS", {u"Doracron", u"Sueacron"}},
    };
    for (const auto& [code, texts] : rows)
        for (int keys = 0; keys < 8; ++keys) {
            CommandPress press = Press(code, 4, Speed::One, PressedButton::Middle);
            press.ctrl = (keys & 1) != 0;
            press.alt = (keys & 2) != 0;
            press.shift = (keys & 4) != 0;
            const ComposedCommands result = Compose(press);
            EXPECT_EQ(result.texts, texts) << Narrow(code) << " keys " << keys;
            EXPECT_EQ(result.heading, 4);
            EXPECT_FALSE(result.relabel);
        }
}

TEST(ComposeCommands, CodesAreCaseSensitive) {
    for (std::u16string_view code : {u"l9", u"r9", u"ds", u"t1", u"09", u"0", u""}) {
        const ComposedCommands result = Compose(Press(code, 2));
        EXPECT_TRUE(result.texts.empty()) << Narrow(code);
        EXPECT_EQ(result.heading, 2);
    }
}

} // namespace

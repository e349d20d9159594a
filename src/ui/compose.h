// The command rules of the panel: which texts a press on a command button sends, and how a
// turn moves the heading selector on. Plain values in and out; no window, no keyboard.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

enum class Speed { High, Slow, One };
enum class PressedButton { Left, Right, Middle };

// Command texts by direction index 1 to 8; slot 0 is unused.
using DirectionTable = std::array<std::u16string, 9>;

// The texts of the eight directions, clockwise from straight ahead.
DirectionTable StandardDirectionTable();

struct CommandPress {
    std::u16string_view code; // last two characters of the button's name
    int heading = 0;          // selector index 0..4, or -1 without a selection
    Speed speed = Speed::High;
    PressedButton button = PressedButton::Left;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
};

struct ComposedCommands {
    int heading = 0;                   // the heading after the press
    bool relabel = false;              // the direction buttons need new captions
    std::vector<std::u16string> texts; // to deliver, in order
};

ComposedCommands ComposeCommands(const CommandPress& press, const DirectionTable& directions);

// The screen direction 1 to 8 of a direction button's code ("01" to "08"); 0 for any other.
int ScreenDirectionOfCode(std::u16string_view code);

} // namespace quarnel

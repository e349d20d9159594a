#include "ui/compose.h"

namespace quarnel {
namespace {

// A quarter turn moves the bow two screen directions on, one heading step. Heading 0 means
// ship-relative buttons, which no turn changes.
int TurnedHeading(std::u16string_view code, int heading) {
    if (heading == 0)
        return 0;
    if (code == u"L9") {
        const int turned = heading - 1;
        return turned < 1 ? 4 : turned;
    }
    if (code == u"18") {
        const int turned = heading + 2;
        return turned > 4 ? turned - 4 : turned;
    }
    if (code == u"R9") {
        const int turned = heading + 1;
        return turned > 4 ? 1 : turned;
    }
    return heading;
}

// The ship-relative direction index of screen direction d when the bow points to 2 * heading.
// One correction each way covers every heading from -1 to 4.
int DirectionIndex(int screenDirection, int heading) {
    if (heading == 0)
        return screenDirection;
    int index = screenDirection - 2 * heading + 1;
    if (index > 8)
        index -= 8;
    if (index < 1)
        index += 8;
    return index;
}

std::u16string_view SpeedPrefix(Speed speed, PressedButton button, bool ctrl) {
    // Ctrl turns a High press into Slow (left) or One (right); the middle button ignores it.
    if (speed == Speed::High && ctrl && button != PressedButton::Middle)
        return button == PressedButton::Left ? u"Slow " : u"One ";
    switch (speed) {
    case Speed::Slow:
        return u"Slow ";
    case Speed::One:
        return u"One ";
    case Speed::High:
        break;
    }
    return u"";
}

} // namespace

DirectionTable StandardDirectionTable() {
    return {u"",     u"Forward",   u"Forward Right", u"Right",       u"Back Right",
            u"Back", u"Back Left", u"Left",          u"Forward Left"};
}

ComposedCommands ComposeCommands(const CommandPress& press, const DirectionTable& directions) {
    ComposedCommands result;
    result.heading = press.heading;
    const std::u16string_view code = press.code;

    struct StopOrTurn {
        std::u16string_view code;
        std::u16string_view text;
    };
    static constexpr StopOrTurn kStopAndTurns[] = {
        {u"00", u"Stop"}, {u"L9", u"Turn Left"}, {u"18", u"Turn Around"}, {u"R9", u"Turn Right"}};
    for (const StopOrTurn& rule : kStopAndTurns) {
        if (code == rule.code) {
            result.heading = TurnedHeading(code, press.heading);
            result.relabel = true;
            result.texts.emplace_back(rule.text);
            return result;
        }
    }

    if (code == u"T1")
        result.texts = {u"Start Tracking"};
    else if (code == u"T2")
        result.texts = {u"Start"};
    else if (code == u"T3")
        result.texts = {u"Continue"};
    else if (code == u"DS")
        result.texts = {u"Doracron", u"Sueacron"};
    if (!result.texts.empty())
        return result;

    // A direction button, "01" to "08": its code is its screen direction.
    const int screenDirection = ScreenDirectionOfCode(code);
    if (screenDirection == 0 || press.alt || press.shift)
        return result;
    const std::u16string& word =
        directions[static_cast<size_t>(DirectionIndex(screenDirection, press.heading))];
    std::u16string text(SpeedPrefix(press.speed, press.button, press.ctrl));
    text += word;
    result.texts.push_back(std::move(text));
    return result;
}

int ScreenDirectionOfCode(std::u16string_view code) {
    if (code.size() != 2 || code[0] != u'0' || code[1] < u'1' || code[1] > u'8')
        return 0;
    return code[1] - u'0';
}

} // namespace quarnel

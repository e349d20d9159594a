#include "link/modifier_release.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using quarnel::KeyStroke;
using namespace quarnel; // the key codes

std::string Describe(const std::vector<KeyStroke>& strokes) {
    std::string out;
    for (const KeyStroke& stroke : strokes) {
        char text[32];
        std::snprintf(text, sizeof text, "%s%02x%s ", stroke.keyUp ? "^" : "v", stroke.virtualKey,
                      stroke.extended ? "e" : "");
        out += text;
    }
    return out;
}

TEST(ModifierRelease, ReleasesWhatIsHeldWithCtrlLastAndCoversAltAndWin) {
    struct Row {
        std::vector<std::uint8_t> held;
        const char* strokes; // v down, ^ up, e extended
    };
    const Row rows[] = {
        {{}, ""},
        {{kVkLControl, kVkLMenu}, "^a4 ^a2 "},   // the hotkey's Ctrl+Alt: Alt while Ctrl is down
        {{kVkLMenu, kVkLControl}, "^a4 ^a2 "},   // whatever order they are given in
        {{kVkRControl, kVkRMenu}, "^a5e ^a3e "}, // right keys are extended
        {{kVkLShift}, "^a0 "},                   // Shift opens no menu
        {{kVkLControl, kVkRShift}, "^a1 ^a2 "},
        {{kVkLMenu}, "va2 ^a4 ^a2 "},                // Alt alone: Ctrl pressed over its release
        {{kVkLWin, kVkLShift}, "va2 ^5be ^a0 ^a2 "}, // likewise the Win key
        {{kVkRWin, kVkRControl}, "^5ce ^a3e "},
        {{kVkLControl, kVkRControl, kVkLMenu, kVkRMenu, kVkLShift, kVkRShift, kVkLWin, kVkRWin},
         "^a4 ^a5e ^5be ^5ce ^a0 ^a1 ^a2 ^a3e "},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Describe(quarnel::ModifierRelease(row.held)), row.strokes)
            << "held: " << ::testing::PrintToString(row.held);
}

// A keyboard on which keys come up after a number of waits, or never.
class ScriptedKeys final : public quarnel::ModifierKeys {
public:
    std::set<std::uint8_t> down;
    int releaseAfterWaits = -1; // the player lets go after this many waits; -1 never
    int waits = 0;
    std::uint32_t waited = 0;
    std::vector<KeyStroke> sent;

    bool IsDown(std::uint8_t key) override { return down.count(key) != 0; }
    void Send(const KeyStroke& stroke) override {
        sent.push_back(stroke);
        if (stroke.keyUp)
            down.erase(stroke.virtualKey);
    }
    void Wait(std::uint32_t milliseconds) override {
        ++waits;
        waited += milliseconds;
        if (waits == releaseAfterWaits)
            down.clear();
    }
};

TEST(LetGoOfModifiers, NothingHeldNeitherWaitsNorTypes) {
    ScriptedKeys keys;
    quarnel::LetGoOfModifiers(keys);
    EXPECT_EQ(keys.waits, 0);
    EXPECT_TRUE(keys.sent.empty());
}

TEST(LetGoOfModifiers, ThePlayersOwnReleaseIsWaitedFor) {
    ScriptedKeys keys;
    keys.down = {kVkLControl, kVkLMenu};
    keys.releaseAfterWaits = 4;
    quarnel::LetGoOfModifiers(keys);
    EXPECT_EQ(keys.waits, 4);
    EXPECT_EQ(keys.waited, 4 * quarnel::kModifierPollMs);
    EXPECT_TRUE(keys.sent.empty());
}

TEST(LetGoOfModifiers, KeysStillHeldAfterTheWaitAreReleased) {
    ScriptedKeys keys;
    keys.down = {kVkLControl, kVkLMenu};
    quarnel::LetGoOfModifiers(keys);
    EXPECT_EQ(keys.waited, quarnel::kModifierWaitMs);
    EXPECT_EQ(Describe(keys.sent), "^a4 ^a2 ");
    EXPECT_TRUE(keys.down.empty());
}

} // namespace

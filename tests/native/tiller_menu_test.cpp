#include "ui/tiller_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

// "caption=command" per entry, "caption>" before a submenu's entries and "<" after them.
std::vector<std::string> Flatten(const std::vector<quarnel::TillerMenuEntry>& entries) {
    std::vector<std::string> out;
    for (const auto& entry : entries) {
        if (entry.submenu.empty()) {
            out.push_back(Narrow(entry.caption) + "=" + Narrow(entry.command));
            continue;
        }
        EXPECT_TRUE(entry.command.empty()) << Narrow(entry.caption);
        out.push_back(Narrow(entry.caption) + ">");
        for (const std::string& inner : Flatten(entry.submenu))
            out.push_back(inner);
        out.push_back("<");
    }
    return out;
}

TEST(TillerMenu, ListsTheCommandsWithoutButtonsAndThePointsOneToNine) {
    std::vector<std::string> expected = {"Raise Anchor=Raise Anchor", "Drop Anchor=Drop Anchor",
                                         "Nav=Nav", "Start=Start", "Continue=Continue"};
    for (const char* word : {"Goto", "Single"}) {
        expected.push_back(std::string(word) + ">");
        for (int point = 1; point <= 9; ++point) {
            const std::string text = std::string(word) + " " + std::to_string(point);
            expected.push_back(text + "=" + text);
        }
        expected.push_back("<");
    }
    EXPECT_EQ(Flatten(quarnel::TillerMenuEntries()), expected);
    EXPECT_EQ(Narrow(quarnel::kHotkeyListCaption), "Hotkeys");
}

} // namespace

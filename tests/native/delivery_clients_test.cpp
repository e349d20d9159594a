// The delivery to today's clients, ClassicUO and Orion: the keys each gets, which window is
// chosen, and the delivery driven through a model of ClassicUO's chat line.
#include "link/delivery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_port.h"
#include "classicuo_chat.h"

namespace {

using namespace delivery_testing;

const Calls kClassicUoKeys = {
    "Map 10",         "Key 10 2a down", "Map 0d",         "Key 0d 1c down", "Map 0d",
    "Key 0d 1c up",   "Map 10",         "Key 10 2a up",   "Sleep 100",      "Map 11",
    "Key 11 1d down", "Map 56",         "Key 56 32 down", "Map 56",         "Key 56 32 up",
    "Map 11",         "Key 11 1d up",   "Sleep 100",      "Map 0d",         "Key 0d 1c down",
    "Map 0d",         "Key 0d 1c up",
};

TEST(Delivery, ClassicUoGetsShiftEnterPasteEnterAndThePanelStaysBehind) {
    RecordingPort port;
    port.topByClass = {{u"TForm1", 99}};
    port.visibleUnowned = {{40, u"Sailor - ClassicUO - 1.0.0"}};
    port.classOf = {{40, u"SDL_app"}};
    EXPECT_EQ(quarnel::PasteIntoGameClient(port), quarnel::GameClient::ClassicUo);
    // No focus message (SDL has no chat child) and no raise of the panel: the client keeps
    // the keyboard.
    const Calls expected =
        Concat({{"FindWindow Ultima Online -> 0", "FindChild 0 Ultima Online -> 0", "Collect",
                 "Caption 40", "Class 40", "Raise 40", "AwaitInFront 40"},
                kClassicUoKeys});
    EXPECT_EQ(port.calls, expected);
}

TEST(Delivery, OrionGetsTheClassicKeysWithoutFocusMessage) {
    RecordingPort port;
    port.topByClass = {{u"TForm1", 99}};
    port.visibleUnowned = {{50, u"Ultima Online - Sailor (Practice)"}};
    port.classOf = {{50, u"Orion UO Client"}};
    EXPECT_EQ(quarnel::PasteIntoGameClient(port), quarnel::GameClient::Orion);
    const Calls expected =
        Concat({{"FindWindow Ultima Online -> 0", "FindChild 0 Ultima Online -> 0", "Collect",
                 "Caption 50", "Class 50", "Raise 50", "AwaitInFront 50"},
                kPrimaryKeys});
    EXPECT_EQ(port.calls, expected);
}

// Which window of a desktop gets the keys. Windows are listed top of the Z-order first.
struct DesktopWindow {
    int id;
    std::u16string className, caption, image;
};
struct ChoiceCase {
    const char* what;
    std::vector<DesktopWindow> windows;
    quarnel::GameClient client;
    int raised; // 0: none
};

TEST(Delivery, ChoiceOfTodaysClientWindow) {
    using quarnel::GameClient;
    const std::u16string cuo = u"C:\\UO\\ClassicUO.exe";
    const ChoiceCase cases[] = {
        {"ClassicUO in the world",
         {{1, u"SDL_app", u"Sailor - ClassicUO - 1.0.0", cuo}},
         GameClient::ClassicUo,
         1},
        {"ClassicUO before login",
         {{1, u"SDL_app", u"ClassicUO - 1.0.0", u"D:\\cuo\\run.exe"}},
         GameClient::ClassicUo,
         1},
        {"a plug-in's caption keeps the mark",
         {{1, u"SDL_app", u"[Razor] Sailor (Atlantic) - ClassicUO - 0.1.11", u""}},
         GameClient::ClassicUo,
         1},
        {"the image alone, in any letter case",
         {{1, u"SDL_app", u"Sailor", u"C:\\UO\\classicuo.EXE"}},
         GameClient::ClassicUo,
         1},
        {"another SDL program is never typed into",
         {{1, u"SDL_app", u"RetroArch", u"C:\\RetroArch\\retroarch.exe"}},
         GameClient::None,
         0},
        {"the mark is case-sensitive and needs its blanks",
         {{1, u"SDL_app", u"classicuo - 1.0", u"x.exe"},
          {2, u"SDL_app", u"Sailor-ClassicUO", u"x.exe"},
          {3, u"SDL_app", u"My ClassicUO.exe notes", u"C:\\ClassicUO.exe\\x.exe"}},
         GameClient::None,
         0},
        {"only SDL's window class counts",
         {{1, u"Notepad", u"notes - ClassicUO - tips.txt", u"C:\\notepad.exe"},
          {2, u"#32770", u"ClassicUO", cuo}},
         GameClient::None,
         0},
        {"a decoy SDL window in front is passed over",
         {{1, u"SDL_app", u"DOSBox 0.74", u"C:\\dosbox.exe"},
          {2, u"SDL_app", u"Sailor - ClassicUO - 1.0.0", cuo}},
         GameClient::ClassicUo,
         2},
        {"of two ClassicUO windows the top one",
         {{1, u"SDL_app", u"Mate - ClassicUO - 1.0.0", cuo},
          {2, u"SDL_app", u"Sailor - ClassicUO - 1.0.0", cuo}},
         GameClient::ClassicUo,
         1},
        {"Orion by its class",
         {{1, u"Orion UO Client", u"Ultima Online", u""}},
         GameClient::Orion,
         1},
        {"Orion in front of ClassicUO",
         {{1, u"Orion UO Client", u"Ultima Online - Sailor (Shard)", u""},
          {2, u"SDL_app", u"Sailor - ClassicUO - 1.0.0", cuo}},
         GameClient::Orion,
         1},
        {"ClassicUO in front of Orion",
         {{1, u"SDL_app", u"ClassicUO - 1.0.0", cuo},
          {2, u"Orion UO Client", u"Ultima Online", u""}},
         GameClient::ClassicUo,
         1},
        {"a \"UOSA \" caption ends the search",
         {{1, u"SDL_app", u"Sailor - ClassicUO - 1.0.0", cuo}, {2, u"Thing", u"UOSA x", u""}},
         GameClient::None,
         0},
    };
    for (const ChoiceCase& c : cases) {
        RecordingPort port;
        for (const DesktopWindow& window : c.windows) {
            port.visibleUnowned.push_back({window.id, window.caption});
            port.classOf[window.id] = window.className;
            port.imageOf[window.id] = window.image;
        }
        EXPECT_EQ(quarnel::PasteIntoGameClient(port), c.client) << c.what;
        Calls raises;
        for (const std::string& call : port.calls)
            if (call.starts_with("Raise "))
                raises.push_back(call);
        const Calls expected = c.raised == 0 ? Calls{} : Calls{"Raise " + std::to_string(c.raised)};
        EXPECT_EQ(raises, expected) << c.what;
    }
}

TEST(Delivery, PrimaryClientComesBeforeClassicUo) {
    RecordingPort port;
    port.topByClass = {{u"Ultima Online", 10}, {u"TForm1", 99}};
    port.visibleUnowned = {{40, u"Sailor - ClassicUO - 1.0.0"}};
    port.classOf = {{40, u"SDL_app"}};
    EXPECT_EQ(quarnel::PasteIntoGameClient(port), quarnel::GameClient::Primary);
    EXPECT_EQ(std::count(port.calls.begin(), port.calls.end(), "Collect"), 0);
}

// ClassicUO's keyboard as its window sees the key events: Shift and Ctrl held, Enter and
// Ctrl+V handed to the chat line.
struct ClassicUoKeyboard {
    practice::ClassicUoChat chat;
    std::u16string clipboard;
    bool shift = false, ctrl = false;
    std::vector<std::u16string> said;

    void Key(std::uint8_t virtualKey, bool down) {
        if (virtualKey == 0x10)
            shift = down;
        else if (virtualKey == 0x11)
            ctrl = down;
        else if (down && virtualKey == 0x0D) {
            if (auto text = chat.Enter(shift))
                said.push_back(*text);
        } else if (down && virtualKey == 0x56 && ctrl) {
            chat.Type(clipboard);
        }
    }
};

// The states a player can leave ClassicUO's chat in, and what one delivery does there.
struct ChatCase {
    const char* what;
    bool enterOpensChat, startClosed;
    std::u16string typed; // what the player had typed into the line
    std::vector<std::u16string> said;
    bool openAfter;
};

const ChatCase kChatCases[] = {
    {"option off", false, false, u"", {u"Forward"}, true},
    {"option off, the player's text in the line", false, false, u"hel", {u"hel", u"Forward"}, true},
    {"option on, line closed", true, true, u"", {u"Forward"}, false},
    {"option on, line open", true, false, u"", {u"Forward"}, false},
    {"option on, line open with the player's text",
     true,
     false,
     u"hel",
     {u"hel", u"Forward"},
     false},
};

TEST(ClassicUoChat, ADeliverySaysTheTextOnceInEveryStateOfTheChat) {
    for (const ChatCase& c : kChatCases) {
        ClassicUoKeyboard keyboard{
            practice::ClassicUoChat(c.enterOpensChat, c.startClosed), u"Forward", false, false, {}};
        keyboard.chat.Type(c.typed);
        RecordingPort port;
        port.visibleUnowned = {{40, u"Sailor - ClassicUO - 1.0.0"}};
        port.classOf = {{40, u"SDL_app"}};
        port.onKey = [&](std::uint8_t virtualKey, std::uint32_t flags) {
            keyboard.Key(virtualKey, flags == 0);
        };
        quarnel::PasteIntoGameClient(port);
        EXPECT_EQ(keyboard.said, c.said) << c.what;
        EXPECT_EQ(keyboard.chat.open(), c.openAfter) << c.what;
        EXPECT_FALSE(keyboard.shift || keyboard.ctrl) << c.what << ": a modifier left down";
    }
}

// The chat rules themselves, driven key by key: "S" Shift+Enter, "E" Enter, "V" Ctrl+V.
TEST(ClassicUoChat, RulesOfTheLine) {
    struct Case {
        const char* keys;
        bool enterOpensChat, startClosed;
        std::size_t timesSaid;
        bool openAfter;
    };
    const Case cases[] = {
        {"VEE", false, false, 1, true}, // the classic keys with the option off
        {"VEE", true, true, 0, false},  // ... on: Ctrl+V falls on a closed line
        {"VEE", true, false, 1, true},  // ... open: says, closes, and opens again
        {"SVS", true, true, 1, true},   // Shift+Enter opens and keeps open
        {"SVS", true, false, 1, true},  {"SVS", false, false, 1, true},
        {"EE", true, true, 0, false}, // opening empties, an empty line says nothing
        {"SS", true, false, 0, true},
    };
    for (const Case& c : cases) {
        practice::ClassicUoChat chat(c.enterOpensChat, c.startClosed);
        std::size_t said = 0;
        for (const char* key = c.keys; *key != '\0'; ++key) {
            if (*key == 'V')
                chat.Type(u"Forward");
            else if (chat.Enter(*key == 'S'))
                ++said;
        }
        EXPECT_EQ(said, c.timesSaid) << c.keys << " on=" << c.enterOpensChat;
        EXPECT_EQ(chat.open(), c.openAfter) << c.keys << " on=" << c.enterOpensChat;
    }
}

} // namespace

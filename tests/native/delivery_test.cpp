#include "link/delivery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "classicuo_chat.h"
#include "toolkit/error.h"

namespace {

using quarnel::LinkBlock;
using quarnel::LinkWindow;
using Calls = std::vector<std::string>;

std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t unit : text)
        out += unit < 0x80 ? static_cast<char>(unit) : '?';
    return out;
}

LinkWindow Handle(int id) {
    return reinterpret_cast<LinkWindow>(static_cast<std::uintptr_t>(id));
}
int Id(LinkWindow window) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(window));
}
int Id(LinkBlock block) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(block));
}

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02x", value);
    return text;
}

// A scripted desktop that records every platform call in order. Window ids stand for
// handles; 0 is null.
class RecordingPort final : public quarnel::GameLinkPort {
public:
    std::map<std::u16string, int> topByClass; // FindWindowW answers
    std::map<std::pair<int, std::u16string>, int> childByClass;
    std::vector<std::pair<int, std::u16string>> visibleUnowned; // id and caption, in Z-order
    std::map<int, std::u16string> classOf;                      // ClassName answers
    std::map<int, std::u16string> imageOf;                      // ProcessImagePath answers
    std::function<void(std::uint8_t virtualKey, std::uint32_t flags)> onKey;
    bool openSucceeds = true;
    bool allocateSucceeds = true;
    bool setDataSucceeds = true;
    std::u16string blockContents;
    Calls calls;

    LinkWindow FindTopLevel(std::u16string_view className) override {
        const auto found = topByClass.find(std::u16string(className));
        const int id = found == topByClass.end() ? 0 : found->second;
        Record("FindWindow " + Narrow(className) + " -> " + std::to_string(id));
        return Handle(id);
    }
    LinkWindow FindChild(LinkWindow parent, std::u16string_view className) override {
        const auto found = childByClass.find({Id(parent), std::u16string(className)});
        const int id = found == childByClass.end() ? 0 : found->second;
        Record("FindChild " + std::to_string(Id(parent)) + " " + Narrow(className) + " -> " +
               std::to_string(id));
        return Handle(id);
    }
    std::vector<LinkWindow> VisibleUnownedTopLevels() override {
        Record("Collect");
        std::vector<LinkWindow> windows;
        for (const auto& [id, caption] : visibleUnowned)
            windows.push_back(Handle(id));
        return windows;
    }
    std::u16string Caption(LinkWindow window) override {
        Record("Caption " + std::to_string(Id(window)));
        for (const auto& [id, caption] : visibleUnowned)
            if (id == Id(window))
                return caption;
        return {};
    }
    std::u16string ClassName(LinkWindow window) override {
        Record("Class " + std::to_string(Id(window)));
        const auto found = classOf.find(Id(window));
        return found == classOf.end() ? std::u16string() : found->second;
    }
    std::u16string ProcessImagePath(LinkWindow window) override {
        Record("Image " + std::to_string(Id(window)));
        const auto found = imageOf.find(Id(window));
        return found == imageOf.end() ? std::u16string() : found->second;
    }
    void BringToTop(LinkWindow window) override { Record("Raise " + std::to_string(Id(window))); }
    void PostSetFocus(LinkWindow window) override {
        Record("PostSetFocus " + std::to_string(Id(window)));
    }
    std::uint32_t MapVirtualKeyToScanCode(std::uint32_t virtualKey) override {
        Record("Map " + Hex(virtualKey));
        // High bits set, as the extended lookup would give, to show that only the low byte
        // goes out.
        switch (virtualKey) {
        case 0x10:
            return 0x2A;
        case 0x11:
            return 0xE01D;
        case 0x56:
            return 0x0132;
        case 0x0D:
            return 0x1C;
        default:
            return 0xFF;
        }
    }
    void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override {
        Record("Key " + Hex(virtualKey) + " " + Hex(scanCode) +
               (flags == 0   ? " down"
                : flags == 2 ? " up"
                             : " flags?"));
        if (onKey)
            onKey(virtualKey, flags);
    }
    void Sleep(std::uint32_t milliseconds) override {
        Record("Sleep " + std::to_string(milliseconds));
    }
    bool OpenClipboard() override {
        Record("OpenClipboard");
        return openSucceeds;
    }
    std::u16string LastErrorDescription() override {
        Record("LastError");
        return u"Access denied";
    }
    LinkBlock AllocateBlock(std::size_t bytes) override {
        Record("Alloc " + std::to_string(bytes));
        return allocateSucceeds ? reinterpret_cast<LinkBlock>(std::uintptr_t{77}) : nullptr;
    }
    bool FillBlock(LinkBlock block, std::u16string_view units) override {
        Record("Fill " + std::to_string(Id(block)));
        blockContents = units;
        return true;
    }
    void FreeBlock(LinkBlock block) override { Record("Free " + std::to_string(Id(block))); }
    void EmptyClipboard() override { Record("EmptyClipboard"); }
    bool SetUnicodeTextData(LinkBlock block) override {
        Record("SetUnicodeText " + std::to_string(Id(block)));
        return setDataSucceeds;
    }
    void CloseClipboard() override { Record("CloseClipboard"); }

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

const Calls kPrimaryKeys = {
    "Map 11",         "Key 11 1d down", "Map 56",       "Key 56 32 down", "Map 56",
    "Key 56 32 up",   "Map 11",         "Key 11 1d up", "Sleep 100",      "Map 0d",
    "Key 0d 1c down", "Map 0d",         "Key 0d 1c up", "Sleep 100",      "Map 0d",
    "Key 0d 1c down", "Map 0d",         "Key 0d 1c up",
};

Calls Concat(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(Delivery, PrimaryClientWithChild) {
    RecordingPort port;
    port.topByClass = {{u"Ultima Online", 10}, {u"TForm1", 99}, {u"UOWIN", 30}};
    port.childByClass = {{{10, u"Ultima Online"}, 11}};
    port.visibleUnowned = {{20, u"UOSA client"}}; // never looked at
    quarnel::PasteIntoGameClient(port);
    const Calls expected =
        Concat({{"FindWindow Ultima Online -> 10", "FindChild 10 Ultima Online -> 11", "Raise 10",
                 "PostSetFocus 11"},
                kPrimaryKeys,
                {"FindWindow TForm1 -> 99", "Raise 99"}});
    EXPECT_EQ(port.calls, expected);
}

TEST(Delivery, HotkeyDeliveryLeavesTheClientInFront) {
    RecordingPort port;
    port.topByClass = {{u"Ultima Online", 10}, {u"TForm1", 99}};
    port.childByClass = {{{10, u"Ultima Online"}, 11}};
    quarnel::PasteIntoGameClient(port, quarnel::RaisePanel::No);
    const Calls expected =
        Concat({{"FindWindow Ultima Online -> 10", "FindChild 10 Ultima Online -> 11", "Raise 10",
                 "PostSetFocus 11"},
                kPrimaryKeys});
    EXPECT_EQ(port.calls, expected);
}

TEST(Delivery, FallbackDeliveryIsTheSameWithoutRaisingThePanel) {
    RecordingPort withRaise;
    RecordingPort without;
    for (RecordingPort* port : {&withRaise, &without}) {
        port->topByClass = {{u"UOWIN", 30}, {u"TForm1", 99}};
        port->visibleUnowned = {{21, u"UOSA client"}};
    }
    quarnel::PasteIntoGameClient(withRaise, quarnel::RaisePanel::Yes);
    quarnel::PasteIntoGameClient(without, quarnel::RaisePanel::No);
    EXPECT_EQ(without.calls, withRaise.calls);
    EXPECT_EQ(without.calls.back(), "Key 0d 00 up");
}

TEST(Delivery, PrimaryClientWithoutChildStillTypes) {
    RecordingPort port;
    port.topByClass = {{u"Ultima Online", 10}, {u"TForm1", 99}};
    quarnel::PasteIntoGameClient(port);
    const Calls expected =
        Concat({{"FindWindow Ultima Online -> 10", "FindChild 10 Ultima Online -> 0", "Raise 10",
                 "PostSetFocus 0"},
                kPrimaryKeys,
                {"FindWindow TForm1 -> 99", "Raise 99"}});
    EXPECT_EQ(port.calls, expected);
}

TEST(Delivery, FallbackClientGetsRaiseAndOneEnter) {
    RecordingPort port;
    port.topByClass = {{u"UOWIN", 30}, {u"TForm1", 99}};
    // The marker counts anywhere in the caption, case-sensitively, with its blank; only the
    // first marked window matters, and the target is found by class alone.
    port.visibleUnowned = {{21, u"Notepad"},
                           {22, u"uosa lower case"},
                           {23, u"Game UOSA"},
                           {24, u"[UOSA Client]"},
                           {25, u"UOSA second"}};
    quarnel::PasteIntoGameClient(port);
    const Calls expected = {"FindWindow Ultima Online -> 0",
                            "FindChild 0 Ultima Online -> 0",
                            "Collect",
                            "Caption 21",
                            "Caption 22",
                            "Caption 23",
                            "Caption 24",
                            "FindWindow UOWIN -> 30",
                            "Raise 30",
                            "Sleep 300",
                            "Key 0d 00 down",
                            "Key 0d 00 up"};
    EXPECT_EQ(port.calls, expected);
}

TEST(Delivery, FallbackMarkerWithoutTargetEndsTheSearch) {
    RecordingPort port;
    port.visibleUnowned = {{21, u"UOSA one"}, {22, u"UOSA two"}};
    quarnel::PasteIntoGameClient(port);
    const Calls expected = {"FindWindow Ultima Online -> 0", "FindChild 0 Ultima Online -> 0",
                            "Collect", "Caption 21", "FindWindow UOWIN -> 0"};
    EXPECT_EQ(port.calls, expected);
}

TEST(Delivery, NoClientTypesNothing) {
    RecordingPort port;
    port.topByClass = {{u"UOWIN", 30}, {u"TForm1", 99}}; // UOWIN alone is no client
    port.visibleUnowned = {{21, u"UOSA"}, {22, u"Ultima Online"}};
    port.classOf = {{21, u"Notepad"}, {22, u"SDL_app"}}; // an SDL game that is not ClassicUO
    port.imageOf = {{22, u"C:\\Games\\dosbox.exe"}};
    EXPECT_EQ(quarnel::PasteIntoGameClient(port), quarnel::GameClient::None);
    const Calls expected = {"FindWindow Ultima Online -> 0",
                            "FindChild 0 Ultima Online -> 0",
                            "Collect",
                            "Caption 21",
                            "Caption 22",
                            "Class 21",
                            "Class 22",
                            "Image 22"};
    EXPECT_EQ(port.calls, expected);
}

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
                 "Caption 40", "Class 40", "Raise 40"},
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
                 "Caption 50", "Class 50", "Raise 50"},
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

TEST(Clipboard, PutsOnlyUnicodeTextAndCloses) {
    RecordingPort port;
    quarnel::PutOnClipboard(port, u"Slow Forward");
    const Calls expected = {"OpenClipboard",  "Alloc 26",          "Fill 77",
                            "EmptyClipboard", "SetUnicodeText 77", "CloseClipboard"};
    EXPECT_EQ(port.calls, expected);
    EXPECT_EQ(port.blockContents, std::u16string(u"Slow Forward\0", 13));
}

TEST(Clipboard, EmptyTextLeavesOneZeroUnit) {
    RecordingPort port;
    quarnel::PutOnClipboard(port, u"");
    const Calls expected = {"OpenClipboard",  "Alloc 2",           "Fill 77",
                            "EmptyClipboard", "SetUnicodeText 77", "CloseClipboard"};
    EXPECT_EQ(port.calls, expected);
    EXPECT_EQ(port.blockContents, std::u16string(1, u'\0'));
}

TEST(Clipboard, OpenFailureNamesTheSystemErrorAndTouchesNothing) {
    RecordingPort port;
    port.openSucceeds = false;
    try {
        quarnel::PutOnClipboard(port, u"Stop");
        FAIL() << "no error";
    } catch (const toolkit::UserError& error) {
        EXPECT_EQ(error.text(), u"クリップボード Access denied を開けません");
    }
    EXPECT_EQ(port.calls, (Calls{"OpenClipboard", "LastError"}));
}

TEST(Clipboard, RefusedDataIsFreedAndTheClipboardClosed) {
    RecordingPort port;
    port.setDataSucceeds = false;
    try {
        quarnel::PutOnClipboard(port, u"Stop");
        FAIL() << "no error";
    } catch (const toolkit::UserError& error) {
        EXPECT_EQ(error.text(), u"システム リソース不足です");
    }
    const Calls expected = {"OpenClipboard",     "Alloc 10", "Fill 77",       "EmptyClipboard",
                            "SetUnicodeText 77", "Free 77",  "CloseClipboard"};
    EXPECT_EQ(port.calls, expected);
}

TEST(Clipboard, AllocationFailureClosesTheClipboard) {
    RecordingPort port;
    port.allocateSucceeds = false;
    EXPECT_THROW(quarnel::PutOnClipboard(port, u"Stop"), toolkit::UserError);
    EXPECT_EQ(port.calls, (Calls{"OpenClipboard", "Alloc 10", "CloseClipboard"}));
}

} // namespace

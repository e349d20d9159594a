#include "link/delivery.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

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
    void BringToTop(LinkWindow window) override { Record("Raise " + std::to_string(Id(window))); }
    void PostSetFocus(LinkWindow window) override {
        Record("PostSetFocus " + std::to_string(Id(window)));
    }
    std::uint32_t MapVirtualKeyToScanCode(std::uint32_t virtualKey) override {
        Record("Map " + Hex(virtualKey));
        // High bits set, as the extended lookup would give, to show that only the low byte
        // goes out.
        switch (virtualKey) {
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
    quarnel::PasteIntoGameClient(port);
    const Calls expected = {"FindWindow Ultima Online -> 0", "FindChild 0 Ultima Online -> 0",
                            "Collect", "Caption 21", "Caption 22"};
    EXPECT_EQ(port.calls, expected);
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

#include "link/delivery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_port.h"
#include "toolkit/error.h"

namespace {

using namespace delivery_testing;

TEST(Delivery, PrimaryClientWithChild) {
    RecordingPort port;
    port.topByClass = {{u"Ultima Online", 10}, {u"TForm1", 99}, {u"UOWIN", 30}};
    port.childByClass = {{{10, u"Ultima Online"}, 11}};
    port.visibleUnowned = {{20, u"UOSA client"}}; // never looked at
    quarnel::PasteIntoGameClient(port);
    const Calls expected =
        Concat({{"FindWindow Ultima Online -> 10", "FindChild 10 Ultima Online -> 11", "Raise 10",
                 "PostSetFocus 11", "AwaitInFront 10"},
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
                 "PostSetFocus 11", "AwaitInFront 10"},
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
                 "PostSetFocus 0", "AwaitInFront 10"},
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

// The panel's hotkeys and tiller menu in-process: what it registers from the defaults and from
// the settings file, a key another program holds, a hotkey's command with the keys of the
// hotkey still down, and the menu's items with the hotkey list.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "support/panel_form_fixture.h"
#include "support/test_files.h"
#include "toolkit/application.h"
#include "toolkit/win_handles.h"
#include "ui/unit1.h"

namespace {

using quarnel::HotkeyCommand;
using quarnel::TForm1;

constexpr UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;
constexpr int kProbeId = 0xBFFF;

// Is the combination free for another program? (This thread stands in for one.)
bool Free(UINT modifiers, UINT virtualKey) {
    if (!::RegisterHotKey(nullptr, kProbeId, modifiers, virtualKey))
        return false;
    ::UnregisterHotKey(nullptr, kProbeId);
    return true;
}

std::wstring ItemText(HMENU menu, int position) {
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

bool IsSeparator(HMENU menu, int position) {
    // GetMenuState mixes a submenu's item count into its answer; the item type does not.
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return (info.fType & MFT_SEPARATOR) != 0;
}

std::vector<std::wstring> Items(HMENU menu) {
    std::vector<std::wstring> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        items.push_back(IsSeparator(menu, i) ? L"-" : ItemText(menu, i));
    return items;
}

class HotkeyFormTest : public testing_support::PanelFormTest {
protected:
    void TearDown() override {
        PanelFormTest::TearDown();
        ::UnregisterHotKey(nullptr, kProbeId);
    }
    // The hotkey list of the menu, one item per line.
    std::vector<std::wstring> HotkeyList() const {
        std::vector<std::u16string> commands;
        const toolkit::PopupMenu menu = form_->BuildTillerMenu(commands);
        const int last = ::GetMenuItemCount(menu.handle()) - 1;
        EXPECT_EQ(ItemText(menu.handle(), last), L"Hotkeys");
        return Items(::GetSubMenu(menu.handle(), last));
    }
    int IdOf(HotkeyCommand command) const {
        for (const auto& key : form_->hotkeys().registrations())
            if (key.command == command && !key.numLockOff)
                return key.id;
        return 0;
    }
    // WM_HOTKEY as the system posts it.
    void PressHotkey(HotkeyCommand command) {
        ::SendMessageW(form_->hwnd(), WM_HOTKEY, static_cast<WPARAM>(IdOf(command)), 0);
    }
};

TEST_F(HotkeyFormTest, TheKeypadIsTheDefaultWithNumLockOnAndOffAndIsReleasedOnClose) {
    Start();
    for (UINT key : {VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD9, VK_NUMPAD4, VK_NUMPAD5,  VK_NUMPAD6,
                     VK_NUMPAD1, VK_NUMPAD2, VK_NUMPAD3, VK_DIVIDE,  VK_MULTIPLY, VK_SUBTRACT,
                     VK_NUMPAD0, VK_DECIMAL, VK_HOME,    VK_UP,      VK_PRIOR,    VK_LEFT,
                     VK_CLEAR,   VK_RIGHT,   VK_END,     VK_DOWN,    VK_NEXT,     VK_INSERT})
        EXPECT_FALSE(Free(kCtrlAlt, key)) << "Ctrl+Alt+" << key << " is the panel's";
    EXPECT_TRUE(Free(kCtrlAlt, VK_ADD));
    EXPECT_TRUE(errors_.empty());
    ::SendMessageW(form_->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(Free(kCtrlAlt, VK_NUMPAD8));
    EXPECT_TRUE(Free(kCtrlAlt, VK_UP));
}

TEST_F(HotkeyFormTest, TheSettingsFileNamesTheKeysAndAnUnreadableLineIsListed) {
    WriteFile("\xEF\xBB\xBF[System]\r\ncb1=0\r\n[Hotkeys]\r\nStop=Ctrl+Alt+F12\r\n"
              "Nav=Ctrl+Alt+Nm8\r\nUp=\r\nSail=Ctrl+Alt+S\r\n");
    Start();
    EXPECT_FALSE(Free(kCtrlAlt, VK_F12));
    EXPECT_TRUE(Free(kCtrlAlt, VK_NUMPAD5)) << "Stop moved to F12";
    EXPECT_TRUE(Free(kCtrlAlt, VK_NUMPAD8)) << "Up has no hotkey";
    EXPECT_TRUE(errors_.empty());
    const std::vector<std::wstring> list = HotkeyList();
    ASSERT_EQ(list.size(), 18u);
    EXPECT_EQ(list[1], L"Up\tnone");
    EXPECT_EQ(list[4], L"Stop\tCtrl+Alt+F12");
    EXPECT_EQ(list[13], L"DropAnchor\tCtrl+Alt+Num. (taken with Num Lock off)");
    EXPECT_EQ(list[14], L"Nav\tnone (unreadable: Ctrl+Alt+Nm8)");
    EXPECT_EQ(list[17], L"Sail=Ctrl+Alt+S\tignored");
}

TEST_F(HotkeyFormTest, AKeyAnotherProgramHoldsIsListedAsTakenAndStopsNothing) {
    ASSERT_TRUE(::RegisterHotKey(nullptr, kProbeId, kCtrlAlt, VK_NUMPAD9));
    TForm1& form = Start();
    EXPECT_TRUE(errors_.empty()) << "no message at start";
    EXPECT_TRUE(::IsWindow(form.hwnd()));
    const std::vector<std::wstring> list = HotkeyList();
    EXPECT_EQ(list[2], L"UpRight\tCtrl+Alt+Num9 (taken with Num Lock on)");
    EXPECT_EQ(list[1], L"Up\tCtrl+Alt+Num8");
    EXPECT_FALSE(Free(kCtrlAlt, VK_PRIOR)) << "Num9 with Num Lock off still works";
}

TEST_F(HotkeyFormTest, AHotkeyRunsItsCommandWhateverKeysAreStillDown) {
    TForm1& form = Start();
    form.cb1.SetItemIndex(1);
    form.cb1Change();
    // The Alt of the hotkey's chord still down: a click with Alt sends nothing, a hotkey does.
    ::keybd_event(VK_MENU, 0x38, 0, 0);
    PressHotkey(HotkeyCommand::UpRight);
    EXPECT_EQ(form.lblMes.Text(), L"Forward");
    EXPECT_GE(::GetAsyncKeyState(VK_MENU), 0) << "the panel let go of Alt before typing";
    ::keybd_event(VK_MENU, 0x38, KEYEVENTF_KEYUP, 0);

    PressHotkey(HotkeyCommand::TurnLeft);
    EXPECT_EQ(form.lblMes.Text(), L"Turn Left");
    EXPECT_EQ(form.cb1.ItemIndex(), 4);
    EXPECT_EQ(form.Btn_08.Text(), L"\u25C6") << "relabelled for the new heading";
    PressHotkey(HotkeyCommand::RaiseAnchor);
    EXPECT_EQ(form.lblMes.Text(), L"Raise Anchor");
    ::SendMessageW(form.hwnd(), WM_HOTKEY, 999, 0); // not one of ours
    EXPECT_EQ(form.lblMes.Text(), L"Raise Anchor");
    EXPECT_TRUE(errors_.empty());
}

TEST_F(HotkeyFormTest, TheMenuOffersTheTillerCommandsThenTheHotkeys) {
    Start();
    std::vector<std::u16string> commands;
    const toolkit::PopupMenu menu = form_->BuildTillerMenu(commands);
    const std::vector<std::wstring> top = {L"Raise Anchor", L"Drop Anchor", L"Nav",
                                           L"Start",        L"Continue",    L"Goto",
                                           L"Single",       L"-",           L"Hotkeys"};
    EXPECT_EQ(Items(menu.handle()), top);
    for (int position : {5, 6}) {
        HMENU points = ::GetSubMenu(menu.handle(), position);
        ASSERT_NE(points, nullptr);
        ASSERT_EQ(::GetMenuItemCount(points), 9);
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(ItemText(points, i), top[position] + L" " + std::to_wstring(i + 1));
    }
    // Each item's id names the phrase it sends: its own caption.
    int items = 0;
    auto checkIds = [&](HMENU inMenu) {
        for (int i = 0; i < ::GetMenuItemCount(inMenu); ++i) {
            const UINT id = ::GetMenuItemID(inMenu, i);
            if (id == 0 || id == static_cast<UINT>(-1))
                continue;
            ++items;
            ASSERT_LE(id, commands.size());
            const std::u16string& command = commands[id - 1];
            EXPECT_EQ(std::wstring(command.begin(), command.end()), ItemText(inMenu, i));
        }
    };
    checkIds(menu.handle());
    checkIds(::GetSubMenu(menu.handle(), 5));
    checkIds(::GetSubMenu(menu.handle(), 6));
    EXPECT_EQ(items, 5 + 9 + 9);
    // The hotkey list is information only.
    HMENU list = ::GetSubMenu(menu.handle(), 8);
    ASSERT_EQ(::GetMenuItemCount(list), quarnel::kHotkeyCommandCount);
    for (int i = 0; i < quarnel::kHotkeyCommandCount; ++i)
        EXPECT_TRUE(::GetMenuState(list, i, MF_BYPOSITION) & MF_DISABLED) << i;
    EXPECT_EQ(ItemText(list, 0), L"UpLeft\tCtrl+Alt+Num7");
}

} // namespace

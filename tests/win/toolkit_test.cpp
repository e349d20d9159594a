// The toolkit's routing of clicks, focus and parent notifications, on real windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/popup_menu.h"
#include "toolkit/push_button_base.h"
#include "toolkit/win_handles.h"

namespace {

using toolkit::MouseButton;

struct RecordedDown {
    std::wstring name;
    MouseButton button;
    int x, y;
};

// A push button that records its default-look switch and owner-draw requests.
class ProbeButton : public toolkit::PushButtonBase {
public:
    std::vector<bool> styleCalls;
    int drawRequests = 0;

    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_DRAWITEM) {
            ++drawRequests;
            result = TRUE;
            return true;
        }
        return PushButtonBase::HandleReflected(message, wParam, lParam, result);
    }

protected:
    void SetButtonStyle(bool active) override {
        styleCalls.push_back(active);
        PushButtonBase::SetButtonStyle(active);
    }
};

class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        toolkit::Application::Instance().SetErrorSink(
            [this](const std::u16string& text) { errors.push_back(text); });
        form.Create(L"ToolkitTestForm", L"toolkit", 300, 200);
        first.set_name(L"Btn_01");
        first.Create(form, L"one", {0, 0, 60, 40});
        second.set_name(L"Btn_L9");
        second.Create(form, L"two", {70, 0, 60, 40});
        check.Create(form.hwnd(), L"check", {0, 50, 100, 17});
        combo.Create(form.hwnd(), {0, 80, 150, 24});
        combo.AddItem(L"a");
        combo.AddItem(L"b");
        label.Create(form.hwnd(), L"label", {0, 120, 100, 14});
        for (ProbeButton* button : {&first, &second})
            button->onMouseDown = [this](toolkit::PushButtonBase& sender, MouseButton mouse, int x,
                                         int y) {
                downs.push_back({sender.name(), mouse, x, y});
            };
        form.Show();
    }

    toolkit::Form form;
    ProbeButton first, second;
    toolkit::CheckBox check;
    toolkit::ComboBox combo;
    toolkit::Label label;
    std::vector<RecordedDown> downs;
    std::vector<std::u16string> errors;
};

TEST_F(ToolkitTest, ButtonCodeIsTheLastTwoCharactersOfTheName) {
    EXPECT_EQ(first.Code(), L"01");
    EXPECT_EQ(second.Code(), L"L9");
}

TEST_F(ToolkitTest, MouseDownReportsEachButtonWithItsPosition) {
    const struct {
        UINT message;
        WPARAM keys;
        MouseButton expected;
    } cases[] = {{WM_LBUTTONDOWN, MK_LBUTTON, MouseButton::Left},
                 {WM_RBUTTONDOWN, MK_RBUTTON, MouseButton::Right},
                 {WM_MBUTTONDOWN, MK_MBUTTON, MouseButton::Middle}};
    for (const auto& c : cases) {
        downs.clear();
        ::SendMessageW(second.hwnd(), c.message, c.keys, MAKELPARAM(7, 9));
        ::SendMessageW(second.hwnd(), c.message + 1, 0, MAKELPARAM(7, 9)); // release
        ASSERT_EQ(downs.size(), 1u);
        EXPECT_EQ(downs[0].name, L"Btn_L9");
        EXPECT_EQ(downs[0].button, c.expected);
        EXPECT_EQ(downs[0].x, 7);
        EXPECT_EQ(downs[0].y, 9);
    }
}

TEST_F(ToolkitTest, ErrorInAHandlerIsShownAndTheProgramGoesOn) {
    first.onMouseDown = [](toolkit::PushButtonBase&, MouseButton, int, int) {
        throw toolkit::UserError(u"\u30AF\u30EA\u30C3\u30D7\u30DC\u30FC\u30C9");
    };
    ::SendMessageW(first.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ::SendMessageW(first.hwnd(), WM_LBUTTONUP, 0, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], u"\u30AF\u30EA\u30C3\u30D7\u30DC\u30FC\u30C9.");
    ::SendMessageW(second.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ::SendMessageW(second.hwnd(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(downs.size(), 1u);
}

TEST_F(ToolkitTest, FocusChangeRuleGivesTheDefaultLook) {
    second.SetDefault(true);
    ::SetFocus(first.hwnd());
    ASSERT_FALSE(first.styleCalls.empty());
    EXPECT_TRUE(first.styleCalls.back());   // the focused push button is active
    EXPECT_FALSE(second.styleCalls.back()); // even the default one is not
    ::SetFocus(check.hwnd());
    EXPECT_FALSE(first.styleCalls.back()); // focus left the push buttons:
    EXPECT_TRUE(second.styleCalls.back()); // the default button takes the look back
    ::SetFocus(combo.hwnd());
    EXPECT_TRUE(second.styleCalls.back());
}

TEST_F(ToolkitTest, ButtonDestroyedBeforeItsFormLeavesTheFocusRule) {
    auto extra = std::make_unique<ProbeButton>();
    extra->Create(form, L"extra", {140, 0, 60, 40});
    ::SetFocus(extra->hwnd());
    EXPECT_TRUE(extra->styleCalls.back());
    extra.reset();
    // The form must not call the destroyed button when the focus moves on.
    ::SetFocus(first.hwnd());
    EXPECT_TRUE(first.styleCalls.back());
}

TEST_F(ToolkitTest, OwnerDrawRequestsAreReflectedToTheButton) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = first.hwnd();
    const LRESULT result =
        ::SendMessageW(form.hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(first.drawRequests, 1);
    EXPECT_EQ(second.drawRequests, 0);
    EXPECT_EQ(result, TRUE);
}

TEST_F(ToolkitTest, CheckBoxFromCodeRunsItsClickHandlerOnlyOnChange) {
    int clicks = 0;
    check.onClick = [&] { ++clicks; };
    check.SetChecked(true);
    EXPECT_TRUE(check.Checked());
    EXPECT_EQ(clicks, 1);
    check.SetChecked(true); // no change, no click
    EXPECT_EQ(clicks, 1);
    // The user's click arrives as BN_CLICKED through the parent.
    ::SendMessageW(check.hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(check.Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ToolkitTest, DropDownListChangeEventIsTheUsersOnly) {
    int changes = 0;
    combo.onChange = [&] { ++changes; };
    combo.SetItemIndex(1);
    EXPECT_EQ(combo.ItemIndex(), 1);
    combo.SetItemIndex(7); // outside: no selection
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(changes, 0);
    ::SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo.hwnd()), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo.hwnd()));
    EXPECT_EQ(changes, 1);
}

TEST_F(ToolkitTest, LabelAndFormRouteMouseDownsAndDoubleClicks) {
    std::vector<std::wstring> events;
    label.onMouseDown = [&](MouseButton button, int x, int y) {
        events.push_back(L"label down " + std::to_wstring(static_cast<int>(button)) + L" " +
                         std::to_wstring(x) + L"," + std::to_wstring(y));
    };
    label.onDblClick = [&] { events.push_back(L"label dblclick"); };
    form.onMouseDown = [&](MouseButton button, int x, int y) {
        events.push_back(L"form down " + std::to_wstring(static_cast<int>(button)) + L" " +
                         std::to_wstring(x) + L"," + std::to_wstring(y));
    };
    form.onDblClick = [&] { events.push_back(L"form dblclick"); };
    ::SendMessageW(label.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
    ::SendMessageW(label.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 6));
    ::SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 150));
    ::SendMessageW(form.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(201, 151));
    const std::vector<std::wstring> expected = {L"label down 1 3,4", L"label dblclick",
                                                L"label down 0 5,6", L"form down 0 200,150",
                                                L"form dblclick",    L"form down 0 201,151"};
    EXPECT_EQ(events, expected);
}

TEST_F(ToolkitTest, BorderSwitchKeepsTheOuterRectangleAndTopmost) {
    RECT before{};
    ::GetWindowRect(form.hwnd(), &before);
    const int clientHeight = form.ClientHeight();
    form.SetBorder(toolkit::Form::Border::None);
    RECT after{};
    ::GetWindowRect(form.hwnd(), &after);
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_GT(form.ClientHeight(), clientHeight);
    EXPECT_EQ(::GetWindowLongW(form.hwnd(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_TRUE(::GetWindowLongW(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    form.SetBorder(toolkit::Form::Border::Sizeable);
    ::GetWindowRect(form.hwnd(), &after);
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_EQ(form.ClientHeight(), clientHeight);
}

TEST_F(ToolkitTest, ClientSizeSettersKeepTheTopLeftCorner) {
    form.SetLeft(40);
    form.SetTop(50);
    form.SetClientHeight(321);
    form.SetClientWidth(123);
    EXPECT_EQ(form.ClientWidth(), 123);
    EXPECT_EQ(form.ClientHeight(), 321);
    EXPECT_EQ(form.Left(), 40);
    EXPECT_EQ(form.Top(), 50);
}

TEST_F(ToolkitTest, HotkeysReachTheFormAndAreReleasedWithTheWindow) {
    constexpr UINT kKey = VK_F13; // no other program of the test wants it
    std::vector<int> ids;
    form.onHotKey = [&](int id) { ids.push_back(id); };
    ASSERT_TRUE(form.RegisterHotKey(7, MOD_CONTROL | MOD_ALT, kKey));
    EXPECT_FALSE(form.RegisterHotKey(8, MOD_CONTROL | MOD_ALT, kKey)) << "the same keys twice";
    EXPECT_FALSE(::RegisterHotKey(nullptr, 9, MOD_CONTROL | MOD_ALT, kKey)) << "held by the form";
    ::SendMessageW(form.hwnd(), WM_HOTKEY, 7, MAKELPARAM(MOD_CONTROL | MOD_ALT, kKey));
    EXPECT_EQ(ids, std::vector<int>{7});
    ::DestroyWindow(form.hwnd());
    EXPECT_TRUE(::RegisterHotKey(nullptr, 9, MOD_CONTROL | MOD_ALT, kKey)) << "released";
    ::UnregisterHotKey(nullptr, 9);
}

TEST_F(ToolkitTest, ContextMenuRequestsOnTheClientAreaReachTheForm) {
    std::vector<std::wstring> events;
    form.onContextMenu = [&](HWND source, std::optional<POINT> screen) {
        const wchar_t* from = source == label.hwnd()  ? L"label"
                              : source == form.hwnd() ? L"form"
                                                      : L"?";
        events.push_back(std::wstring(from) + (screen ? L" at " + std::to_wstring(screen->x) +
                                                            L"," + std::to_wstring(screen->y)
                                                      : L" from the keyboard"));
    };
    POINT inside{250, 150};
    ::ClientToScreen(form.hwnd(), &inside);
    const LPARAM at = MAKELPARAM(inside.x, inside.y);
    // A label leaves the request to its parent, as every window without a menu of its own.
    ::SendMessageW(label.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(label.hwnd()), at);
    ::SendMessageW(form.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.hwnd()), at);
    ::SendMessageW(form.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.hwnd()), -1);
    RECT outer{};
    ::GetWindowRect(form.hwnd(), &outer);
    // Outside the client area the platform keeps it (nothing here: no window under it).
    ::SendMessageW(form.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.hwnd()),
                   MAKELPARAM(outer.right + 50, outer.bottom + 50));
    const std::wstring point = std::to_wstring(inside.x) + L"," + std::to_wstring(inside.y);
    const std::vector<std::wstring> expected = {L"label at " + point, L"form at " + point,
                                                L"form from the keyboard"};
    EXPECT_EQ(events, expected);
}

TEST(PopupMenus, ItemsInfoLinesAndSubmenus) {
    toolkit::PopupMenu menu;
    menu.AddItem(1, L"Raise & Lower");
    menu.AddSeparator();
    toolkit::PopupMenu list;
    list.AddInfo(L"Up\tCtrl+Alt+Num8");
    menu.AddSubmenu(L"Hotkeys", std::move(list));
    ASSERT_EQ(::GetMenuItemCount(menu.handle()), 3);
    wchar_t text[64] = {};
    ::GetMenuStringW(menu.handle(), 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Raise && Lower") << "an ampersand is shown, not a mnemonic";
    EXPECT_EQ(::GetMenuItemID(menu.handle(), 0), 1u);
    EXPECT_TRUE(::GetMenuState(menu.handle(), 1, MF_BYPOSITION) & MF_SEPARATOR);
    HMENU submenu = ::GetSubMenu(menu.handle(), 2);
    ASSERT_NE(submenu, nullptr);
    ::GetMenuStringW(submenu, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Up\tCtrl+Alt+Num8");
    EXPECT_TRUE(::GetMenuState(submenu, 0, MF_BYPOSITION) & MF_DISABLED);
}

TEST(UniqueHandles, SelectionIsPutBackAndObjectsFreed) {
    const DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    HDC screen = ::GetDC(nullptr);
    {
        toolkit::UniqueMemoryDc memory(::CreateCompatibleDC(screen));
        HGDIOBJ original = ::GetCurrentObject(memory.get(), OBJ_BITMAP);
        toolkit::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, 8, 8));
        {
            auto selection = toolkit::Select(memory.get(), bitmap.get());
            EXPECT_EQ(::GetCurrentObject(memory.get(), OBJ_BITMAP), bitmap.get());
        }
        EXPECT_EQ(::GetCurrentObject(memory.get(), OBJ_BITMAP), original);
        toolkit::UniqueFont font = toolkit::CreateUiFont(12);
        EXPECT_NE(font.get(), nullptr);
    }
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
}

} // namespace

// WinSearch against real windows: which top-level windows are collected, in which order,
// and how texts are read.
#include "link/win_search.h"
#include "toolkit/win_handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using quarnel::WindowList;

constexpr wchar_t kClass[] = L"QuarnelSearchTest";

using OwnedWindow = toolkit::UniqueWindow;

class WinSearch : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        ::RegisterClassExW(&windowClass);
    }

    HWND Make(const std::wstring& caption, bool visible, HWND owner = nullptr,
              DWORD style = WS_POPUP) {
        HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClass,
                                        caption.c_str(), style | (visible ? WS_VISIBLE : 0), 0, 0,
                                        4, 4, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(window, nullptr);
        windows_.emplace_back(window);
        return window;
    }

    static std::vector<HWND> Collected(const WindowList& list) {
        std::vector<HWND> handles;
        for (UINT_PTR i = 1; i <= list[0]; ++i)
            handles.push_back(reinterpret_cast<HWND>(list[i]));
        return handles;
    }

    static bool Contains(const std::vector<HWND>& handles, HWND window) {
        return std::find(handles.begin(), handles.end(), window) != handles.end();
    }

    std::vector<OwnedWindow> windows_;
};

TEST_F(WinSearch, CollectsVisibleUnownedTopLevelWindowsOnly) {
    HWND older = Make(L"UOSA older", true);
    HWND hidden = Make(L"UOSA hidden", false);
    HWND owned = Make(L"UOSA owned", true, older);
    HWND untitled = Make(L"", true);
    HWND child = ::CreateWindowExW(0, kClass, L"UOSA child", WS_CHILD | WS_VISIBLE, 0, 0, 2, 2,
                                   older, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    HWND newer = Make(L"UOSA newer", true);

    WindowList list;
    list.fill(0xA5A5);
    list[0] = 12345; // a stale count is overwritten
    const std::int32_t count = quarnel::CollectTopLevelWindows(list);
    const std::vector<HWND> handles = Collected(list);

    EXPECT_EQ(static_cast<UINT_PTR>(count), list[0]);
    EXPECT_TRUE(Contains(handles, older));
    EXPECT_TRUE(Contains(handles, untitled));
    EXPECT_TRUE(Contains(handles, newer));
    EXPECT_FALSE(Contains(handles, hidden));
    EXPECT_FALSE(Contains(handles, owned));
    EXPECT_FALSE(Contains(handles, child));
    // Top of the Z-order first: the newer window lies above the older one.
    const auto position = [&](HWND window) {
        return std::find(handles.begin(), handles.end(), window) - handles.begin();
    };
    EXPECT_LT(position(newer), position(older));
    // Slots past the count are left alone.
    for (std::size_t i = static_cast<std::size_t>(count) + 1; i < list.size(); ++i)
        ASSERT_EQ(list[i], 0xA5A5u) << "slot " << i;
}

TEST_F(WinSearch, CallbackSkipsHiddenAndOwnedWindowsAndAlwaysGoesOn) {
    HWND visible = Make(L"visible", true);
    HWND hidden = Make(L"hidden", false);
    HWND owned = Make(L"owned", true, visible);
    WindowList list{};
    EXPECT_NE(quarnel::CollectWindowProc(hidden, reinterpret_cast<LPARAM>(&list)), FALSE);
    EXPECT_NE(quarnel::CollectWindowProc(owned, reinterpret_cast<LPARAM>(&list)), FALSE);
    EXPECT_EQ(list[0], 0u);
    EXPECT_EQ(list[1], 0u);
    EXPECT_NE(quarnel::CollectWindowProc(visible, reinterpret_cast<LPARAM>(&list)), FALSE);
    EXPECT_EQ(list[0], 1u);
    EXPECT_EQ(list[1], reinterpret_cast<UINT_PTR>(visible));
}

TEST_F(WinSearch, FullListStoresNothingPastItsLastSlot) {
    struct Guarded {
        WindowList list{};
        UINT_PTR after = 0x5EA5EA;
    } guarded;
    HWND visible = Make(L"visible", true);
    guarded.list[0] = 500;
    EXPECT_NE(quarnel::CollectWindowProc(visible, reinterpret_cast<LPARAM>(&guarded.list)), FALSE);
    EXPECT_EQ(guarded.list[0], 500u);
    EXPECT_EQ(guarded.after, 0x5EA5EAu);
}

TEST_F(WinSearch, MoreThanFiveHundredWindowsFillTheListExactly) {
    for (int i = 0; i < 520; ++i)
        Make(L"many " + std::to_wstring(i), true);
    struct Guarded {
        WindowList list{};
        UINT_PTR after = 0x5EA5EA;
    } guarded;
    EXPECT_EQ(quarnel::CollectTopLevelWindows(guarded.list), 500);
    EXPECT_EQ(guarded.after, 0x5EA5EAu);
    const std::vector<HWND> handles = Collected(guarded.list);
    // The newest 500 lie on top, so they are the ones collected.
    for (std::size_t i = 20; i < windows_.size(); ++i)
        ASSERT_TRUE(Contains(handles, windows_[i].get())) << "window " << i;
    EXPECT_FALSE(Contains(handles, windows_[0].get()));
}

TEST_F(WinSearch, TextsOfWindows) {
    HWND titled = Make(L"UOSA Client", true);
    HWND untitled = Make(L"", true);
    const std::wstring longCaption(300, L'x');
    HWND longTitled = Make(longCaption, true);
    HWND gone = Make(L"gone", true);
    windows_.pop_back(); // destroys it

    EXPECT_EQ(quarnel::GetWindowCaptionText(titled), u"UOSA Client");
    EXPECT_EQ(quarnel::GetWindowCaptionText(untitled), u"");
    EXPECT_EQ(quarnel::GetWindowCaptionText(longTitled), std::u16string(259, u'x'));
    EXPECT_EQ(quarnel::GetWindowCaptionText(gone), u"");
    EXPECT_EQ(quarnel::GetWindowClassText(titled), u"QuarnelSearchTest");
    EXPECT_EQ(quarnel::GetWindowClassText(gone), u"");
    EXPECT_EQ(quarnel::GetWindowClassText(nullptr), u"");
}

TEST_F(WinSearch, OwnerTest) {
    HWND owner = Make(L"owner", true);
    HWND owned = Make(L"owned", true, owner);
    EXPECT_TRUE(quarnel::HasOwnerWindow(owned));
    EXPECT_FALSE(quarnel::HasOwnerWindow(owner));
}

} // namespace

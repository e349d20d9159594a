// The glass button as a control: construction, properties, the events it reacts to.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/aero_buttons.h"
#include "support/aero_support.h"
#include "support/memory_surface.h"
#include "toolkit/controls.h"

namespace {

using quarnel::TAeroButton;
using testing_support::AeroAnswers;
using testing_support::ButtonHost;
using testing_support::MessageLog;
using toolkit::MouseButton;

bool UpdatePending(HWND window) {
    return ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

TEST(AeroButton, StartsWithTheDocumentedDefaults) {
    TAeroButton fresh;
    EXPECT_EQ(fresh.ImageIndex(), -1);
    EXPECT_EQ(fresh.ImagePos(), quarnel::ipLeft);
    EXPECT_EQ(fresh.Spacing(), 4);
    EXPECT_EQ(fresh.Images(), nullptr);
    EXPECT_EQ(fresh.DesignWidth(), 75);
    EXPECT_EQ(fresh.DesignHeight(), 25);
    EXPECT_TRUE(fresh.TabStop());
    EXPECT_FALSE(fresh.Hot());
    EXPECT_FALSE(fresh.DefaultLook());
    EXPECT_FALSE(fresh.WordWrap());
    EXPECT_TRUE(fresh.DoubleBuffered());
    EXPECT_FALSE(fresh.ParentDoubleBuffered()); // buffered whatever the parent does
}

TEST(AeroButton, WindowIsAnOwnerDrawTabStopPushButton) {
    AeroAnswers answers(true);
    ButtonHost host;
    const LONG style = ::GetWindowLongW(host.button().hwnd(), GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_NE(style & WS_TABSTOP, 0);
    EXPECT_EQ(host.button().Width(), 75);
    EXPECT_EQ(host.button().Height(), 25);
}

TEST(AeroButton, VersionReadsTheVersionNumberAndIgnoresWrites) {
    TAeroButton button;
    EXPECT_EQ(button.GetVersionNr(), 0x01000001u);
    EXPECT_EQ(button.Version(), L"1.0.0.1");
    button.SetVersion(L"9.9.9.9");
    EXPECT_EQ(button.Version(), L"1.0.0.1");

    // A descendant's number is what Version shows.
    struct Later : TAeroButton {
        std::uint32_t GetVersionNr() const override { return 0x02030405; }
    } later;
    EXPECT_EQ(later.Version(), L"2.3.4.5");
}

TEST(AeroButton, PropertySettersInvalidateOnlyOnChange) {
    AeroAnswers answers(true);
    ButtonHost host;
    TAeroButton& button = host.button();
    const HWND window = button.hwnd();
    quarnel::ImageList images;
    struct Setter {
        const char* name;
        std::function<void()> same;
        std::function<void()> other;
    };
    const Setter setters[] = {
        {"ImageIndex", [&] { button.SetImageIndex(-1); }, [&] { button.SetImageIndex(2); }},
        {"Images", [&] { button.SetImages(nullptr); }, [&] { button.SetImages(&images); }},
        {"ImagePos", [&] { button.SetImagePos(quarnel::ipLeft); },
         [&] { button.SetImagePos(quarnel::ipTop); }},
        {"Spacing", [&] { button.SetSpacing(4); }, [&] { button.SetSpacing(10); }},
    };
    MessageLog log;
    for (const Setter& setter : setters) {
        SCOPED_TRACE(setter.name);
        ::ValidateRect(window, nullptr);
        log.Clear();
        setter.same();
        EXPECT_FALSE(UpdatePending(window));
        setter.other();
        // Marked for the next paint, the whole button, nothing drawn at once.
        RECT update{};
        EXPECT_TRUE(::GetUpdateRect(window, &update, FALSE));
        EXPECT_EQ(update.right - update.left, 75);
        EXPECT_EQ(update.bottom - update.top, 25);
        EXPECT_EQ(log.Count(window, WM_PAINT), 0);
        // Setting the new value again adds nothing.
        ::ValidateRect(window, nullptr);
        setter.other();
        EXPECT_FALSE(UpdatePending(window));
    }
}

TEST(AeroButton, RemovedImageListIsDroppedAndRepainted) {
    AeroAnswers answers(true);
    ButtonHost host;
    quarnel::ImageList images;
    quarnel::ImageList otherImages;
    host.button().SetImages(&images);
    host.button().SetImageIndex(0);
    ::ValidateRect(host.button().hwnd(), nullptr);

    host.button().Notification(&otherImages, TAeroButton::Operation::Remove);
    host.button().Notification(&images, TAeroButton::Operation::Insert);
    EXPECT_EQ(host.button().Images(), &images);
    EXPECT_FALSE(UpdatePending(host.button().hwnd()));

    host.button().Notification(&images, TAeroButton::Operation::Remove);
    EXPECT_EQ(host.button().Images(), nullptr);
    EXPECT_TRUE(UpdatePending(host.button().hwnd()));
}

TEST(AeroButton, LeftDoubleClickIsAFreshPressNotADoubleClick) {
    AeroAnswers answers(true);
    ButtonHost host;
    std::vector<MouseButton> downs;
    host.button().onMouseDown = [&](toolkit::PushButtonBase&, MouseButton which, int, int) {
        downs.push_back(which);
    };
    const HWND window = host.button().hwnd();
    MessageLog log;
    const LPARAM at = MAKELPARAM(7, 9);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(window, WM_LBUTTONUP, 0, at);
    ::SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON | MK_CONTROL, at);
    ::SendMessageW(window, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(downs, (std::vector<MouseButton>{MouseButton::Left, MouseButton::Left}));
    // The second press reached the button as a button-down with the same flags and place.
    const auto presses = log.Of(window, WM_LBUTTONDOWN);
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[1].wParam, static_cast<WPARAM>(MK_LBUTTON | MK_CONTROL));
    EXPECT_EQ(presses[1].lParam, at);
}

TEST(AeroButton, HotTrackingRepaintsOnEnterAndLeaveOnce) {
    AeroAnswers answers(true);
    ButtonHost host;
    auto& button = host.button();
    const HWND window = button.hwnd();
    int enters = 0;
    button.onMouseEnter = [&] { ++enters; };
    MessageLog log;

    button.MouseEnter();
    EXPECT_TRUE(button.Hot());
    EXPECT_EQ(log.Count(window, WM_PAINT), 1) << "repainted at once";
    EXPECT_FALSE(UpdatePending(window));

    log.Clear();
    button.MouseEnter();
    EXPECT_TRUE(button.Hot());
    EXPECT_EQ(log.Count(window, WM_PAINT), 0) << "a second enter repaints nothing";
    EXPECT_EQ(enters, 2) << "the event is raised either way";

    log.Clear();
    button.MouseLeave();
    EXPECT_FALSE(button.Hot());
    EXPECT_EQ(log.Count(window, WM_PAINT), 1);
    log.Clear();
    button.MouseLeave();
    EXPECT_EQ(log.Count(window, WM_PAINT), 0);
}

TEST(AeroButton, MouseMovesTrackHotThroughTheBase) {
    AeroAnswers answers(true);
    ButtonHost host;
    const HWND window = host.button().hwnd();
    ::SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(host.button().Hot());
    ::SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(host.button().Hot());
}

// Polls every 50 ms, dispatching messages, until `done` holds or `milliseconds` pass.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 3000) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        ButtonHost::Pump();
        if (done())
            return true;
        ::Sleep(50);
    }
    return false;
}

POINT ScreenPoint(HWND window, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    return point;
}

TEST(AeroButton, RealPointerMakesTheButtonHotAndLeavingMakesItNormal) {
    AeroAnswers answers(true);
    ButtonHost host;
    const POINT over = ScreenPoint(host.button().hwnd(), 20, 12);
    ::SetCursorPos(over.x, over.y);
    EXPECT_TRUE(WaitFor([&] { return host.button().Hot(); }));
    ::SetCursorPos(over.x + 400, over.y + 400);
    EXPECT_TRUE(WaitFor([&] { return !host.button().Hot(); }));
}

void Click(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(input));
}

// Every click of a fast series is a press, whatever the mouse button: the platform reports
// the second click of a pair as a double click, and the button turns it into a button-down.
struct FastPair {
    const char* name;
    DWORD downFlag, upFlag;
    UINT downMessage, doubleMessage;
    MouseButton button;
};

class AeroButtonFastPair : public ::testing::TestWithParam<FastPair> {};

TEST_P(AeroButtonFastPair, RealDoubleClickGivesTwoMouseDowns) {
    const FastPair pair = GetParam();
    AeroAnswers answers(true);
    ButtonHost host;
    std::vector<MouseButton> downs;
    host.button().onMouseDown = [&](toolkit::PushButtonBase&, MouseButton which, int, int) {
        downs.push_back(which);
    };
    const POINT over = ScreenPoint(host.button().hwnd(), 20, 12);
    ::SetCursorPos(over.x, over.y);
    ASSERT_TRUE(WaitFor([&] { return host.button().Hot(); }));
    MessageLog log;
    Click(pair.downFlag);
    Click(pair.upFlag);
    Click(pair.downFlag);
    Click(pair.upFlag);
    EXPECT_TRUE(WaitFor([&] { return downs.size() >= 2; }));
    EXPECT_EQ(downs, (std::vector<MouseButton>{pair.button, pair.button}));
    EXPECT_EQ(log.Count(host.button().hwnd(), pair.doubleMessage), 1)
        << "the platform saw a double click";
    EXPECT_EQ(log.Count(host.button().hwnd(), pair.downMessage), 2);
}

INSTANTIATE_TEST_SUITE_P(
    EachMouseButton, AeroButtonFastPair,
    ::testing::Values(FastPair{"Left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, WM_LBUTTONDOWN,
                               WM_LBUTTONDBLCLK, MouseButton::Left},
                      FastPair{"Right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, WM_RBUTTONDOWN,
                               WM_RBUTTONDBLCLK, MouseButton::Right},
                      FastPair{"Middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP,
                               WM_MBUTTONDOWN, WM_MBUTTONDBLCLK, MouseButton::Middle}),
    [](const ::testing::TestParamInfo<FastPair>& info) { return std::string(info.param.name); });

TEST(AeroButton, ClassicLookNeverTracksHot) {
    AeroAnswers answers(false);
    ButtonHost host;
    auto& button = host.button();
    MessageLog log;
    button.MouseEnter();
    EXPECT_FALSE(button.Hot());
    button.MouseLeave();
    EXPECT_FALSE(button.Hot());
    EXPECT_EQ(log.Count(button.hwnd(), WM_PAINT), 0);
}

TEST(AeroButton, EraseBackgroundIsAnsweredOnlyWhileStylesAreActive) {
    AeroAnswers answers(true);
    ButtonHost host;
    const HWND window = host.button().hwnd();
    testing_support::MemorySurface surface(75, 25);
    surface.Fill(RGB(1, 2, 3));
    EXPECT_EQ(::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.dc()), 0), 1);
    EXPECT_EQ(surface.Count(RGB(1, 2, 3)), 75 * 25) << "nothing drawn";

    // The classic look leaves erasing to the platform's button, which fills the background.
    answers.SetStyles(false);
    ::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.dc()), 0);
    EXPECT_EQ(surface.Count(RGB(1, 2, 3)), 0);
}

TEST(AeroButton, FocusGivesTheDefaultLookWithoutTouchingTheButtonStyle) {
    AeroAnswers answers(true);
    ButtonHost host;
    auto& button = host.button();
    toolkit::CheckBox box;
    box.Create(host.form().hwnd(), L"box", {10, 60, 80, 17});
    TAeroButton second;
    second.Create(host.form(), L"Other", {100, 10, 75, 25});
    second.SetDefault(true);
    MessageLog log;

    ::SetFocus(button.hwnd());
    EXPECT_TRUE(button.DefaultLook());
    EXPECT_FALSE(second.DefaultLook());
    EXPECT_GE(log.Count(button.hwnd(), WM_PAINT), 1) << "repainted at once";
    EXPECT_EQ(::GetWindowLongW(button.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    // Focus on a control that is no push button: the default button takes the look back.
    ::SetFocus(box.hwnd());
    EXPECT_FALSE(button.DefaultLook());
    EXPECT_TRUE(second.DefaultLook());
    EXPECT_EQ(::GetWindowLongW(second.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST(AeroButton, FocusGainAndLossInvalidate) {
    AeroAnswers answers(true);
    ButtonHost host;
    toolkit::CheckBox box;
    box.Create(host.form().hwnd(), L"box", {10, 60, 80, 17});
    // The default button stays active whichever of the two has the focus, so only the focus
    // change itself marks it for repainting.
    host.button().SetDefault(true);
    const HWND window = host.button().hwnd();
    ::SetFocus(box.hwnd());
    ButtonHost::Pump();
    ASSERT_TRUE(host.button().DefaultLook());
    ::ValidateRect(window, nullptr);
    ::SetFocus(window);
    EXPECT_TRUE(UpdatePending(window));
    ButtonHost::Pump();
    ::ValidateRect(window, nullptr);
    ::SetFocus(box.hwnd());
    EXPECT_TRUE(UpdatePending(window));
}

TEST(AeroButton, MeasureItemAnswersTheControlSize) {
    AeroAnswers answers(true);
    ButtonHost host(60, 40);
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = 100;
    ::SendMessageW(host.form().hwnd(), WM_MEASUREITEM, 100, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.itemWidth, 60u);
    EXPECT_EQ(item.itemHeight, 40u);
}

} // namespace

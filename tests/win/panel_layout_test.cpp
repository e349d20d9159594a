// The panel's window tree against its layout table, and the heading relabelling.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/application.h"
#include "ui/unit1.h"

namespace {

using quarnel::TForm1;

struct ControlRow {
    const wchar_t* name;
    const wchar_t* windowClass;
    int left, top, width, height;
    const wchar_t* caption; // after creation
    int fontHeight;         // em height in pixels
    bool tabStop;
};

// Every control of the panel, in tab order (labels last).
const ControlRow kLayout[] = {
    {L"Btn_08", L"Button", 0, 85, 60, 40, L"Forward\r\nLeft", 12, false},
    {L"Btn_07", L"Button", 0, 131, 60, 40, L"\u2190", 12, false},
    {L"Btn_00", L"Button", 65, 131, 60, 40, L"Stop", 12, false},
    {L"Btn_03", L"Button", 130, 131, 60, 40, L"\u2192", 12, false},
    {L"Btn_06", L"Button", 0, 177, 60, 40, L"Back\r\nLeft", 12, false},
    {L"Btn_05", L"Button", 65, 177, 60, 40, L"\u2193", 12, false},
    {L"Btn_04", L"Button", 130, 177, 60, 40, L"Back\r\nRight", 12, false},
    {L"RBtn_1", L"Button", 5, 65, 45, 17, L"High", 13, true},
    {L"RBtn_2", L"Button", 65, 65, 50, 17, L"Slow", 13, false},
    {L"RBtn_3", L"Button", 130, 65, 49, 17, L"One", 13, false},
    {L"Btn_L9", L"Button", 0, 24, 60, 40, L"Turn\r\nLeft", 12, false},
    {L"Btn_18", L"Button", 65, 24, 60, 40, L"Turn\r\nAround", 12, false},
    {L"Btn_R9", L"Button", 130, 24, 60, 40, L"Turn\r\nRight", 12, false},
    {L"cbSlim", L"Button", 1, 340, 104, 17, L"For w/o border", 11, false},
    {L"cb1", L"ComboBox", 0, 227, 190, 27, L"[ Button ] Heading up", 15, false},
    {L"Btn_T1", L"Button", 0, 260, 190, 25, L"Start Tracking", 12, false},
    {L"Btn_T2", L"Button", 0, 284, 95, 25, L"Start", 12, false},
    {L"Btn_T3", L"Button", 95, 284, 95, 25, L"Continue", 12, false},
    {L"Btn_DS", L"Button", 0, 315, 190, 25, L"Doracron / Sueacron", 12, false},
    {L"Btn_01", L"Button", 65, 85, 60, 40, L"\u2191", 12, false},
    {L"Btn_02", L"Button", 130, 85, 60, 40, L"Forward\r\nRight", 12, false},
    {L"lblMes", L"TLabel", 0, 0, 190, 17, L"", 13, false},
    {L"Label1", L"TLabel", 17, 356, 170, 14, L"Check or Double click on space", 11, false},
    {L"Label3", L"TLabel", 1, 384, 178, 14, L"Ctrl+Left click\u2192Slow, Ctrl+Right", 11, false},
    {L"Label4", L"TLabel", 1, 397, 191, 14, L"click\u2192One, when 'High' is selected.", 11, false},
    {L"Label2", L"TLabel", 1, 410, 8, 14, L"  ", 11, false},
};

std::wstring ClassOf(HWND window) {
    wchar_t buffer[64] = {};
    ::GetClassNameW(window, buffer, 64);
    return buffer;
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[256] = {};
    ::GetWindowTextW(window, buffer, 256);
    return buffer;
}

int FontEmHeight(HWND window) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    if (font == nullptr || ::GetObjectW(font, sizeof(logFont), &logFont) == 0)
        return 0;
    return -logFont.lfHeight;
}

std::wstring FontFace(HWND window) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    ::GetObjectW(font, sizeof(logFont), &logFont);
    return logFont.lfFaceName;
}

RECT RectInParent(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        toolkit::Application::Instance().SetTitle(L"[QUARN] Quarnel");
        toolkit::Application::Instance().SetErrorSink(
            [this](const std::u16string& text) { errors.push_back(text); });
        form.CreateHidden();
    }

    std::vector<HWND> ChildrenInOrder() const {
        std::vector<HWND> children;
        for (HWND child = ::GetWindow(form.hwnd(), GW_CHILD); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        return children;
    }

    TForm1 form;
    std::vector<std::u16string> errors;
};

TEST_F(PanelTest, MainWindowFrameAndOwner) {
    HWND window = form.hwnd();
    EXPECT_EQ(ClassOf(window), L"TForm1");
    EXPECT_EQ(TextOf(window), L"[QUARN] Quarnel 1.20");
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, 190);
    EXPECT_EQ(client.bottom, 436);
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);

    // Owned by the application window, which carries the title and the taskbar button.
    HWND owner = ::GetWindow(window, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(owner, toolkit::Application::Instance().hwnd());
    EXPECT_EQ(TextOf(owner), L"[QUARN] Quarnel");
    EXPECT_NE(ClassOf(owner), L"TForm1");
    EXPECT_EQ(FontEmHeight(window), 16);
    EXPECT_TRUE(errors.empty());
}

TEST_F(PanelTest, EveryControlMatchesTheLayoutTable) {
    const std::vector<HWND> children = ChildrenInOrder();
    ASSERT_EQ(children.size(), std::size(kLayout));
    for (size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kLayout[i];
        HWND child = children[i];
        SCOPED_TRACE(testing::Message() << "control " << i);
        toolkit::Window* object = toolkit::Window::FromHandle(child);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->name(), row.name);
        EXPECT_EQ(ClassOf(child), row.windowClass);
        const RECT rect = RectInParent(child);
        EXPECT_EQ(rect.left, row.left);
        EXPECT_EQ(rect.top, row.top);
        EXPECT_EQ(rect.right - rect.left, row.width);
        if (row.windowClass == std::wstring(L"ComboBox")) {
            // A closed drop-down list is as high as its font makes it (27 with Meiryo UI;
            // the stand-in font under Wine differs by a few pixels).
            EXPECT_NEAR(rect.bottom - rect.top, row.height, 4);
        } else {
            EXPECT_EQ(rect.bottom - rect.top, row.height);
        }
        EXPECT_EQ(TextOf(child), row.caption);
        EXPECT_EQ(FontEmHeight(child), row.fontHeight);
        EXPECT_EQ(FontFace(child), L"Meiryo UI");
        EXPECT_EQ((::GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0, row.tabStop);
    }
}

TEST_F(PanelTest, SelectorsStartAtHighAndShipRelative) {
    EXPECT_TRUE(form.RBtn_1.Checked());
    EXPECT_FALSE(form.RBtn_2.Checked());
    EXPECT_FALSE(form.RBtn_3.Checked());
    ASSERT_EQ(form.cb1.ItemCount(), 5);
    EXPECT_EQ(form.cb1.ItemText(0), L"[ Button ] Heading up");
    EXPECT_EQ(form.cb1.ItemText(4), L"[ Heading ] Upper Left");
    EXPECT_EQ(form.cb1.ItemIndex(), 0);
    EXPECT_EQ(::GetWindowLongW(form.cb1.hwnd(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_FALSE(form.cbSlim.Checked());
}

TEST_F(PanelTest, StatusLineIsPureBlueAndCentred) {
    // Give the status line a text and look at its pixels: blue ink, centred.
    form.lblMes.SetText(L"WWWW");
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 190, 17);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::SendMessageW(form.lblMes.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                   PRF_CLIENT);
    int inkLeft = 190, inkRight = -1;
    bool onlyBlueInk = true;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 190; ++x) {
            const COLORREF pixel = ::GetPixel(memory, x, y);
            if (pixel == face)
                continue;
            inkLeft = std::min(inkLeft, x);
            inkRight = std::max(inkRight, x);
            if (GetRValue(pixel) > GetBValue(pixel) || GetGValue(pixel) > GetBValue(pixel))
                onlyBlueInk = false;
        }
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    ASSERT_LT(inkLeft, inkRight) << "no text drawn";
    EXPECT_TRUE(onlyBlueInk);
    EXPECT_LE(std::abs((inkLeft + inkRight) / 2 - 95), 2);
}

struct HeadingCase {
    int heading;
    const wchar_t* captions[8]; // Btn_01 .. Btn_08
};

const HeadingCase kHeadings[] = {
    {0,
     {L"\u2191", L"Forward\r\nRight", L"\u2192", L"Back\r\nRight", L"\u2193", L"Back\r\nLeft",
      L"\u2190", L"Forward\r\nLeft"}},
    {1, {L"\uFF5C", L"\u25C6", L"\uFF0D", L"\uFF3C", L"\uFF5C", L"\uFF0F", L"\uFF0D", L"\uFF3C"}},
    {2, {L"\uFF5C", L"\uFF0F", L"\uFF0D", L"\u25C6", L"\uFF5C", L"\uFF0F", L"\uFF0D", L"\uFF3C"}},
    {3, {L"\uFF5C", L"\uFF0F", L"\uFF0D", L"\uFF3C", L"\uFF5C", L"\u25C6", L"\uFF0D", L"\uFF3C"}},
    {4, {L"\uFF5C", L"\uFF0F", L"\uFF0D", L"\uFF3C", L"\uFF5C", L"\uFF0F", L"\uFF0D", L"\u25C6"}},
};

TEST_F(PanelTest, ChoosingAHeadingRelabelsTheDirectionButtons) {
    // Pick each heading as the user does: the list reports a selection change.
    for (const HeadingCase& expected : kHeadings) {
        form.lblMes.SetText(L"Forward");
        form.Btn_00.SetText(L"changed");
        ::SendMessageW(form.cb1.hwnd(), CB_SETCURSEL, expected.heading, 0);
        ::SendMessageW(form.hwnd(), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(form.cb1.hwnd()), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(form.cb1.hwnd()));
        SCOPED_TRACE(testing::Message() << "heading " << expected.heading);
        const auto buttons = form.DirectionButtons();
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(TextOf(buttons[i]->hwnd()), expected.captions[i]) << "Btn_0" << i + 1;
        EXPECT_EQ(TextOf(form.lblMes.hwnd()), L"");
        EXPECT_EQ(TextOf(form.Btn_00.hwnd()), L"Stop");
    }
}

TEST_F(PanelTest, NoSelectionKeepsTheCaptions) {
    form.cb1.SetItemIndex(2);
    form.cb1Change();
    form.lblMes.SetText(L"Back");
    form.cb1.SetItemIndex(-1);
    EXPECT_EQ(form.cb1.ItemIndex(), -1);
    form.cb1Change();
    EXPECT_EQ(TextOf(form.Btn_04.hwnd()), L"\u25C6");
    EXPECT_EQ(TextOf(form.lblMes.hwnd()), L"");
    EXPECT_EQ(TextOf(form.Btn_00.hwnd()), L"Stop");
}

TEST_F(PanelTest, SettingTheIndexFromCodeRunsNoChangeHandler) {
    form.lblMes.SetText(L"Left");
    form.cb1.SetItemIndex(3);
    EXPECT_EQ(TextOf(form.lblMes.hwnd()), L"Left");
    EXPECT_EQ(TextOf(form.Btn_01.hwnd()), L"\u2191");
}

TEST_F(PanelTest, ErrorBoxTextFollowsTheFullStopRule) {
    // The box appends "." only when the last character sorts above ".".
    EXPECT_EQ(toolkit::ErrorBoxText(u"abc"), u"abc.");
    EXPECT_EQ(toolkit::ErrorBoxText(u"abc."), u"abc.");
    EXPECT_EQ(toolkit::ErrorBoxText(u"abc "), u"abc ");
    EXPECT_EQ(toolkit::ErrorBoxText(u"\u958B\u3051\u307E\u305B\u3093"),
              u"\u958B\u3051\u307E\u305B\u3093.");
    EXPECT_EQ(toolkit::ErrorBoxText(u""), u"");
    toolkit::Guarded([] { throw toolkit::UserError(u"boom"); });
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], u"boom.");
}

} // namespace

// The delivery over the real Win32 port: what the clipboard holds afterwards, the clipboard
// errors, the key lookups, and a whole primary delivery into a stand-in client window of
// this process.
#include "link/delivery.h"
#include "link/win32_port.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/memory_surface.h"
#include "toolkit/application.h"
#include "toolkit/error.h"
#include "toolkit/win_handles.h"
#include "ui/unit1.h"

namespace {

using quarnel::Win32GameLinkPort;

using OwnedWindow = toolkit::UniqueWindow;

OwnedWindow MakeOwnerWindow() {
    return OwnedWindow(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 1, 1, nullptr,
                                         nullptr, nullptr, nullptr));
}

std::wstring ClipboardUnicodeText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr))
        return L"<closed>";
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    } else {
        text = L"<none>";
    }
    ::CloseClipboard();
    return text;
}

std::string ClipboardAnsiText() {
    std::string text;
    if (!::OpenClipboard(nullptr))
        return "<closed>";
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

// Puts something else on the clipboard first: an 8-bit text and a private format.
UINT FillClipboardWithOtherData() {
    const UINT privateFormat = ::RegisterClipboardFormatW(L"QuarnelTestPrivate");
    EXPECT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    for (UINT format : {static_cast<UINT>(CF_TEXT), privateFormat}) {
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 4);
        std::memcpy(::GlobalLock(block), "old", 4);
        ::GlobalUnlock(block);
        ::SetClipboardData(format, block);
    }
    ::CloseClipboard();
    return privateFormat;
}

// Holds the clipboard open from another thread until released.
class ClipboardHolder {
public:
    ClipboardHolder() {
        thread_ = std::thread([this] {
            opened_ = ::OpenClipboard(nullptr) != FALSE;
            ready_ = true;
            while (!release_)
                ::Sleep(5);
            if (opened_)
                ::CloseClipboard();
        });
        while (!ready_)
            ::Sleep(5);
    }
    ~ClipboardHolder() {
        release_ = true;
        thread_.join();
    }
    bool opened() const { return opened_; }

private:
    std::atomic<bool> ready_{false}, release_{false}, opened_{false};
    std::thread thread_;
};

TEST(GameLinkClipboard, HoldsOnlyTheUnicodeText) {
    const OwnedWindow owner = MakeOwnerWindow();
    const UINT privateFormat = FillClipboardWithOtherData();
    Win32GameLinkPort port(owner.get());
    const std::u16string text = u"Slow Forward \u00E9";
    quarnel::PutOnClipboard(port, text);

    EXPECT_EQ(ClipboardUnicodeText(), L"Slow Forward \u00E9");
    EXPECT_FALSE(::IsClipboardFormatAvailable(privateFormat)) << "the clipboard was not emptied";
    EXPECT_EQ(::GetClipboardOwner(), owner.get());
    // An 8-bit reader gets the platform's conversion, not the old 8-bit text.
    char expected[64] = {};
    ::WideCharToMultiByte(CP_ACP, 0, L"Slow Forward \u00E9", -1, expected, sizeof expected, nullptr,
                          nullptr);
    EXPECT_EQ(ClipboardAnsiText(), expected);

    quarnel::PutOnClipboard(port, u"");
    EXPECT_EQ(ClipboardUnicodeText(), L"");
}

TEST(GameLinkClipboard, HeldClipboardGivesTheOpenErrorAndKeepsItsContents) {
    const OwnedWindow owner = MakeOwnerWindow();
    Win32GameLinkPort port(owner.get());
    quarnel::PutOnClipboard(port, u"before");
    std::u16string message;
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.opened());
        try {
            quarnel::PutOnClipboard(port, u"after");
            ADD_FAILURE() << "no error";
        } catch (const toolkit::UserError& error) {
            message = error.text();
        }
    }
    const std::u16string prefix = u"クリップボード ";
    const std::u16string suffix = u" を開けません";
    ASSERT_GT(message.size(), prefix.size() + suffix.size());
    EXPECT_EQ(message.substr(0, prefix.size()), prefix);
    EXPECT_EQ(message.substr(message.size() - suffix.size()), suffix);
    const std::u16string reason =
        message.substr(prefix.size(), message.size() - prefix.size() - suffix.size());
    EXPECT_EQ(reason.find_first_of(u"\r\n"), std::u16string::npos);
    EXPECT_EQ(ClipboardUnicodeText(), L"before");
}

TEST(GameLinkPort, ScanCodesOfTheTypedKeys) {
    Win32GameLinkPort port(nullptr);
    EXPECT_EQ(port.MapVirtualKeyToScanCode(0x11) & 0xFF, 0x1Du);
    EXPECT_EQ(port.MapVirtualKeyToScanCode(0x56) & 0xFF, 0x2Fu);
    EXPECT_EQ(port.MapVirtualKeyToScanCode(0x0D) & 0xFF, 0x1Cu);
}

// A delivery's pause answers what other threads send to this one (under Wine a clipboard read
// asks the owner window first) and leaves posted messages for the message loop.
constexpr UINT kPostedDuringPause = WM_APP + 7;

TEST(GameLinkPort, PauseLetsAnotherThreadReadTheClipboardAndKeepsPostedMessages) {
    const OwnedWindow owner = MakeOwnerWindow();
    Win32GameLinkPort port(owner.get());
    quarnel::PutOnClipboard(port, u"Forward");
    ::PostMessageW(owner.get(), kPostedDuringPause, 0, 0);

    using Clock = std::chrono::steady_clock;
    std::atomic<bool> readDone{false};
    Clock::time_point readAt{};
    std::wstring readText;
    std::thread reader([&] {
        readText = ClipboardUnicodeText();
        readAt = Clock::now();
        readDone = true;
    });
    const Clock::time_point pauseStart = Clock::now();
    port.Sleep(1500);
    const Clock::time_point pauseEnd = Clock::now();
    reader.join();

    EXPECT_TRUE(readDone);
    EXPECT_EQ(readText, L"Forward");
    EXPECT_LT(readAt, pauseEnd) << "the reader waited for the pause to end";
    EXPECT_GE(pauseEnd - pauseStart, std::chrono::milliseconds(1500)) << "the pause was cut short";
    MSG posted;
    EXPECT_TRUE(
        ::PeekMessageW(&posted, owner.get(), kPostedDuringPause, kPostedDuringPause, PM_REMOVE))
        << "a posted message was taken during the pause";
}

TEST(GameLinkPort, PauseAnswersSentMessagesAsTheyArrive) {
    const OwnedWindow owner = MakeOwnerWindow();
    Win32GameLinkPort port(owner.get());
    using Clock = std::chrono::steady_clock;
    std::vector<Clock::time_point> answered;
    std::thread sender([&] {
        for (int i = 0; i < 3; ++i) {
            ::SendMessageW(owner.get(), WM_NULL, 0, 0);
            answered.push_back(Clock::now());
        }
    });
    const Clock::time_point pauseStart = Clock::now();
    port.Sleep(1000);
    const Clock::time_point pauseEnd = Clock::now();
    sender.join();
    ASSERT_EQ(answered.size(), 3u);
    EXPECT_LT(answered.back(), pauseEnd);
    EXPECT_GE(pauseEnd - pauseStart, std::chrono::milliseconds(1000));
}

// A top-level window on a thread of its own, as another program's client: counts the WM_NULL
// requests its thread answers; `hang` keeps that thread from answering anything.
class WindowOnItsOwnThread {
public:
    explicit WindowOnItsOwnThread(bool hang) {
        thread_ = std::thread([this, hang] {
            window_ = ::CreateWindowExW(0, L"STATIC", L"other thread", WS_POPUP | WS_VISIBLE, 40,
                                        40, 80, 40, nullptr, nullptr, nullptr, nullptr);
            previous_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
                window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
            ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            ready_ = true;
            while (hang && !stop_)
                ::Sleep(5);
            MSG message;
            while (!stop_ && ::GetMessageW(&message, nullptr, 0, 0) > 0)
                ::DispatchMessageW(&message);
            ::DestroyWindow(window_);
        });
        while (!ready_)
            ::Sleep(1);
    }
    ~WindowOnItsOwnThread() {
        stop_ = true;
        ::PostThreadMessageW(::GetWindowThreadProcessId(window_, nullptr), WM_NULL, 0, 0);
        thread_.join();
    }
    HWND window() const { return window_; }
    int answered() const { return answered_; }

private:
    static LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self =
            reinterpret_cast<WindowOnItsOwnThread*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_NULL && self != nullptr)
            ++self->answered_;
        return ::CallWindowProcW(self->previous_, window, message, wParam, lParam);
    }
    std::thread thread_;
    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
    std::atomic<bool> ready_{false}, stop_{false};
    std::atomic<int> answered_{0};
};

TEST(GameLinkPort, AwaitInFrontReturnsWithTheRaisedWindowInFrontAndItsThreadCaughtUp) {
    const WindowOnItsOwnThread client(false);
    const OwnedWindow owner = MakeOwnerWindow();
    Win32GameLinkPort port(owner.get());
    const quarnel::LinkWindow target = quarnel::ToLinkWindow(client.window());
    port.BringToTop(target);
    port.AwaitInFront(target);
    EXPECT_EQ(::GetForegroundWindow(), client.window());
    EXPECT_GE(client.answered(), 1) << "the client's thread had not answered yet";
}

TEST(GameLinkPort, AwaitInFrontDoesNotWaitForAClientThatNeverAnswers) {
    const WindowOnItsOwnThread hung(true);
    const OwnedWindow owner = MakeOwnerWindow();
    Win32GameLinkPort port(owner.get());
    const auto start = std::chrono::steady_clock::now();
    port.AwaitInFront(quarnel::ToLinkWindow(hung.window()));
    // Bounded by its own limits (about a fifth of a second); far below what a hang would take.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(hung.answered(), 0);
}

// A stand-in client in this process: top-level and child of class "Ultima Online"; the child
// hands the focus on to its edit control, as the game's chat holder does.
constexpr wchar_t kClientClass[] = L"Ultima Online";
HWND g_chat = nullptr;
std::wstring g_submitted;
WNDPROC g_editProc = nullptr;

LRESULT CALLBACK ClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS && (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0) {
        ::SetFocus(g_chat);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ChatProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        wchar_t text[128] = {};
        ::GetWindowTextW(window, text, 128);
        if (text[0] != L'\0')
            g_submitted += std::wstring(text) + L";";
        ::SetWindowTextW(window, L"");
        return 0;
    }
    if (message == WM_CHAR && wParam == L'\r')
        return 0;
    return ::CallWindowProcW(g_editProc, window, message, wParam, lParam);
}

TEST(GameLinkPort, FindsTheClientWindowsAndCaptions) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &ClientProc;
    windowClass.lpszClassName = kClientClass;
    ::RegisterClassExW(&windowClass);
    const OwnedWindow top(::CreateWindowExW(0, kClientClass, L"UOSA caption", WS_POPUP | WS_VISIBLE,
                                            0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr));
    HWND child = ::CreateWindowExW(0, kClientClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                   top.get(), nullptr, nullptr, nullptr);
    Win32GameLinkPort port(nullptr);
    using quarnel::ToHwnd;
    EXPECT_EQ(ToHwnd(port.FindTopLevel(u"Ultima Online")), top.get());
    EXPECT_EQ(ToHwnd(port.FindChild(port.FindTopLevel(u"Ultima Online"), u"Ultima Online")), child);
    EXPECT_EQ(port.FindTopLevel(u"NoSuchClassHere"), nullptr);
    EXPECT_EQ(port.Caption(quarnel::ToLinkWindow(top.get())), u"UOSA caption");
    bool listed = false;
    for (quarnel::LinkWindow window : port.VisibleUnownedTopLevels())
        listed = listed || ToHwnd(window) == top.get();
    EXPECT_TRUE(listed);
}

TEST(GameLinkPort, PrimaryDeliveryPastesAndSubmitsIntoTheChatLine) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &ClientProc;
    windowClass.lpszClassName = kClientClass;
    ::RegisterClassExW(&windowClass);
    const OwnedWindow top(::CreateWindowExW(0, kClientClass, L"client",
                                            WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 100,
                                            nullptr, nullptr, nullptr, nullptr));
    HWND holder = ::CreateWindowExW(0, kClientClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 280, 30,
                                    top.get(), nullptr, nullptr, nullptr);
    g_chat = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 280, 24, holder,
                               nullptr, nullptr, nullptr);
    g_editProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(g_chat, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChatProc)));
    g_submitted.clear();

    const OwnedWindow owner = MakeOwnerWindow();
    Win32GameLinkPort port(owner.get());
    quarnel::PutOnClipboard(port, u"Forward");
    quarnel::PasteIntoGameClient(port);
    // The keys wait in this thread's queue until it looks again.
    for (int waited = 0; waited < 3000 && g_submitted.empty(); waited += 50) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::Sleep(50);
    }
    EXPECT_EQ(g_submitted, L"Forward;");
}

// A window of SDL's class in this process, as ClassicUO or any other SDL program shows one.
OwnedWindow MakeSdlWindow(const wchar_t* caption) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.lpszClassName = L"SDL_app";
    ::RegisterClassExW(&windowClass);
    return OwnedWindow(::CreateWindowExW(0, L"SDL_app", caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                         20, 20, 200, 100, nullptr, nullptr, nullptr, nullptr));
}

TEST(GameLinkPort, ClassNameAndProcessImageOfAWindow) {
    OwnedWindow window = MakeSdlWindow(L"Sailor - ClassicUO - 1.0.0");
    Win32GameLinkPort port(nullptr);
    const quarnel::LinkWindow link = quarnel::ToLinkWindow(window.get());
    EXPECT_EQ(port.ClassName(link), u"SDL_app");
    wchar_t own[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, own, MAX_PATH);
    const std::u16string image = port.ProcessImagePath(link);
    std::u16string ownName(reinterpret_cast<const char16_t*>(own));
    ownName = ownName.substr(ownName.find_last_of(u"\\/") + 1);
    ASSERT_GE(image.size(), ownName.size());
    EXPECT_EQ(image.substr(image.size() - ownName.size()), ownName) << "not this test's image";
    EXPECT_NE(image.find(u'\\'), std::u16string::npos) << "not a full path";

    HWND gone = window.get();
    window.reset();
    EXPECT_EQ(port.ClassName(quarnel::ToLinkWindow(gone)), u"");
    EXPECT_EQ(port.ProcessImagePath(quarnel::ToLinkWindow(gone)), u"");
}

// The status line's ink: pixels leaning to blue, and grey ones (other than the face).
struct Ink {
    int blue = 0, grey = 0;
};
Ink StatusLineInk(quarnel::TForm1& form) {
    testing_support::MemorySurface surface(190, 17);
    ::SendMessageW(form.lblMes.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()),
                   PRF_CLIENT);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    Ink ink;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const COLORREF pixel = surface.Pixel(x, y);
            if (pixel == face)
                continue;
            if (GetBValue(pixel) > GetRValue(pixel) + 16)
                ++ink.blue;
            else if (GetRValue(pixel) == GetGValue(pixel) && GetGValue(pixel) == GetBValue(pixel))
                ++ink.grey;
        }
    return ink;
}

TEST(TForm1Delivery, StatusLineTurnsGreyWhileNoClientIsReached) {
    toolkit::Application::Instance().Initialize();
    quarnel::TForm1 form;
    form.CreateHidden();
    form.lblMes.SetText(L"WWWW");
    const Ink atStart = StatusLineInk(form);
    EXPECT_GT(atStart.blue, 0);
    EXPECT_EQ(atStart.grey, 0);

    // Another SDL program is no client: nothing is typed, and the line says so.
    const OwnedWindow decoy = MakeSdlWindow(L"RetroArch");
    form.ComSendMessage(u"Forward");
    EXPECT_EQ(form.lblMes.Text(), L"Forward");
    const Ink noClient = StatusLineInk(form);
    EXPECT_GT(noClient.grey, 0);
    EXPECT_EQ(noClient.blue, 0);

    const OwnedWindow client = MakeSdlWindow(L"Sailor - ClassicUO - 1.0.0");
    form.ComSendMessage(u"Stop");
    EXPECT_EQ(form.lblMes.Text(), L"Stop");
    const Ink reached = StatusLineInk(form);
    EXPECT_GT(reached.blue, 0);
    EXPECT_EQ(reached.grey, 0);
}

// TForm1's delivery methods: the status line first, then the clipboard.
TEST(TForm1Delivery, StatusLineShowsTheTextEvenWhenTheClipboardFails) {
    toolkit::Application::Instance().Initialize();
    quarnel::TForm1 form;
    form.CreateHidden();

    form.ComSendMessage(u"Forward Right");
    EXPECT_EQ(form.lblMes.Text(), L"Forward Right");
    EXPECT_EQ(ClipboardUnicodeText(), L"Forward Right");
    EXPECT_EQ(::GetClipboardOwner(), toolkit::Application::Instance().hwnd());

    ClipboardHolder holder;
    ASSERT_TRUE(holder.opened());
    EXPECT_THROW(form.ComSendMessage(u"Back"), toolkit::UserError);
    EXPECT_EQ(form.lblMes.Text(), L"Back");
}

} // namespace

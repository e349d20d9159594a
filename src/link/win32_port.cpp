#include "link/win32_port.h"

#include "toolkit/system_error.h"

#include <chrono>
#include <cstring>

#include "link/win_search.h"
#include "toolkit/win_handles.h"
#include "toolkit/wide.h"

namespace quarnel {
namespace {

HGLOBAL ToGlobal(LinkBlock block) {
    return reinterpret_cast<HGLOBAL>(block);
}

using toolkit::Wide;

// A raise that the platform refuses, or a client that does not answer, holds the keys back
// no longer than this.
constexpr std::uint32_t kInFrontLimitMs = 100;
// Enough for the X server's focus events to reach a client under Wine.
constexpr std::uint32_t kFocusEventsMs = 5;

} // namespace

LinkWindow Win32GameLinkPort::FindTopLevel(std::u16string_view className) {
    return ToLinkWindow(::FindWindowW(Wide(className).c_str(), nullptr));
}

LinkWindow Win32GameLinkPort::FindChild(LinkWindow parent, std::u16string_view className) {
    return ToLinkWindow(::FindWindowExW(ToHwnd(parent), nullptr, Wide(className).c_str(), nullptr));
}

std::vector<LinkWindow> Win32GameLinkPort::VisibleUnownedTopLevels() {
    WindowList list;
    const std::int32_t count = CollectTopLevelWindows(list);
    std::vector<LinkWindow> windows;
    windows.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 1; i <= count; ++i)
        windows.push_back(ToLinkWindow(reinterpret_cast<HWND>(list[static_cast<std::size_t>(i)])));
    return windows;
}

std::u16string Win32GameLinkPort::Caption(LinkWindow window) {
    return GetWindowCaptionText(ToHwnd(window));
}

std::u16string Win32GameLinkPort::ClassName(LinkWindow window) {
    return GetWindowClassText(ToHwnd(window));
}

std::u16string Win32GameLinkPort::ProcessImagePath(LinkWindow window) {
    DWORD processId = 0;
    if (::GetWindowThreadProcessId(ToHwnd(window), &processId) == 0)
        return {};
    // The limited right is granted for processes of other users and of higher integrity too.
    const toolkit::UniqueKernelHandle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return {};
    std::wstring path(32768, L'\0'); // the longest path the platform has
    DWORD length = static_cast<DWORD>(path.size());
    if (!::QueryFullProcessImageNameW(process.get(), 0, path.data(), &length))
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(path.data()), length);
}

void Win32GameLinkPort::BringToTop(LinkWindow window) {
    ::BringWindowToTop(ToHwnd(window));
}

void Win32GameLinkPort::PostSetFocus(LinkWindow window) {
    ::PostMessageW(ToHwnd(window), WM_SETFOCUS, 0, 0);
}

// Under Wine a raised client learns from the X server that it has the keyboard a moment after
// the raise, and then sets Ctrl, Shift and Alt to what X says is held: a Ctrl typed before that
// is released again under the V, and the client gets a plain "v" (3 deliveries in 10,000 did).
// Its answer to a message sent after the focus events have arrived shows that it has taken
// them in. On Windows the client is in front at once and answers within a millisecond.
void Win32GameLinkPort::AwaitInFront(LinkWindow window) {
    using Clock = std::chrono::steady_clock;
    const HWND target = ToHwnd(window);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kInFrontLimitMs);
    while (::GetForegroundWindow() != target && Clock::now() < deadline)
        Sleep(1);
    Sleep(kFocusEventsMs);
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_NORMAL, kInFrontLimitMs, &answer);
}

std::uint32_t Win32GameLinkPort::MapVirtualKeyToScanCode(std::uint32_t virtualKey) {
    return ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
}

void Win32GameLinkPort::KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                                 std::uint32_t flags) {
    ::keybd_event(virtualKey, scanCode, flags, 0);
}

// The pause keeps answering messages that other threads and programs send to this thread.
// Under Wine a client's OpenClipboard first asks the clipboard's owner (our application
// window) to answer; a client that reads the clipboard on its window thread, as every real
// one does, would stall until the pause is over and then read its Enter keys after the panel
// has raised itself. Only sent messages are taken: input, posted messages and timers wait
// for the message loop, so no second delivery can start inside this one.
void Win32GameLinkPort::Sleep(std::uint32_t milliseconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return;
        const DWORD woke = ::MsgWaitForMultipleObjectsEx(
            0, nullptr, static_cast<DWORD>(left.count()), QS_SENDMESSAGE, 0);
        if (woke == WAIT_OBJECT_0) {
            MSG message;
            ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        } else if (woke == WAIT_FAILED) {
            ::Sleep(static_cast<DWORD>(left.count())); // the pause still lasts its full length
            return;
        }
    }
}

bool Win32GameLinkPort::OpenClipboard() {
    return ::OpenClipboard(clipboardOwner_) != FALSE;
}

std::u16string Win32GameLinkPort::LastErrorDescription() {
    return toolkit::SystemErrorText(::GetLastError());
}

LinkBlock Win32GameLinkPort::AllocateBlock(std::size_t bytes) {
    return reinterpret_cast<LinkBlock>(::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes));
}

bool Win32GameLinkPort::FillBlock(LinkBlock block, std::u16string_view units) {
    void* memory = ::GlobalLock(ToGlobal(block));
    if (memory == nullptr)
        return false;
    std::memcpy(memory, units.data(), units.size() * sizeof(char16_t));
    ::GlobalUnlock(ToGlobal(block));
    return true;
}

void Win32GameLinkPort::FreeBlock(LinkBlock block) {
    ::GlobalFree(ToGlobal(block));
}

void Win32GameLinkPort::EmptyClipboard() {
    ::EmptyClipboard();
}

bool Win32GameLinkPort::SetUnicodeTextData(LinkBlock block) {
    return ::SetClipboardData(CF_UNICODETEXT, ToGlobal(block)) != nullptr;
}

void Win32GameLinkPort::CloseClipboard() {
    ::CloseClipboard();
}

} // namespace quarnel

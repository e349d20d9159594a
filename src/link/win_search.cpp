#include "link/win_search.h"

namespace quarnel {
namespace {

constexpr int kTextBufferUnits = 260;

template <typename Read> std::u16string ReadText(HWND window, Read read) {
    std::array<wchar_t, kTextBufferUnits> buffer{};
    if (read(window, buffer.data(), kTextBufferUnits) <= 0)
        return {};
    std::size_t length = 0;
    while (length < buffer.size() && buffer[length] != L'\0')
        ++length;
    return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), length);
}

} // namespace

std::u16string GetWindowClassText(HWND window) {
    return ReadText(window, ::GetClassNameW);
}

std::u16string GetWindowCaptionText(HWND window) {
    return ReadText(window, ::GetWindowTextW);
}

bool HasOwnerWindow(HWND window) {
    return ::GetWindow(window, GW_OWNER) != nullptr;
}

std::int32_t CollectTopLevelWindows(WindowList& list) {
    list[0] = 0;
    ::EnumWindows(&CollectWindowProc, reinterpret_cast<LPARAM>(&list));
    return static_cast<std::int32_t>(list[0]);
}

BOOL CALLBACK CollectWindowProc(HWND window, LPARAM list) {
    WindowList& windows = *reinterpret_cast<WindowList*>(list);
    // Past the 500th handle the list is full: later windows are passed over.
    if (windows[0] < kWindowListSlots - 1 && !HasOwnerWindow(window) && ::IsWindowVisible(window)) {
        ++windows[0];
        windows[windows[0]] = reinterpret_cast<UINT_PTR>(window);
    }
    return TRUE;
}

} // namespace quarnel

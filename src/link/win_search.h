// WinSearch: the class name and caption of a window as text, the owner test, and the
// collection of the visible, unowned top-level windows into a caller's list.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace quarnel {

// Slot 0 holds the count, slots 1..count the handles in enumeration order: room for 500.
inline constexpr std::size_t kWindowListSlots = 501;
using WindowList = std::array<UINT_PTR, kWindowListSlots>;

// Text read through a zeroed 260-unit buffer: at most 259 characters, empty on failure.
std::u16string GetWindowClassText(HWND window);
std::u16string GetWindowCaptionText(HWND window);

bool HasOwnerWindow(HWND window);

// Overwrites the list's count and fills it; returns the count.
std::int32_t CollectTopLevelWindows(WindowList& list);

// The EnumWindows callback; `list` is the WindowList. Always asks for more windows.
BOOL CALLBACK CollectWindowProc(HWND window, LPARAM list);

} // namespace quarnel

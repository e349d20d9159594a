// Finding windows and reading them, for winhelper's commands.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace winhelper {

// UTF-8 on one line: line breaks become "|".
std::string Utf8(const std::wstring& text);
// The window's text as its own thread answers WM_GETTEXT, or "<no answer>" after 10 s.
std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
// Every top-level window of the class, in Z-order.
std::vector<HWND> TopLevel(const std::wstring& className);
HWND First(const std::wstring& className);
HWND ChildById(const std::wstring& className, int id);
DWORD ProcessOf(const std::wstring& className);
// A message box (dialog class) with this title.
HWND FindBox(const std::wstring& title);

// Asks `found` every 50 ms until it answers true or `milliseconds` have passed.
template <typename Found> bool PollFor(int milliseconds, Found found) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (found())
            return true;
        ::Sleep(50);
    }
    return false;
}

} // namespace winhelper

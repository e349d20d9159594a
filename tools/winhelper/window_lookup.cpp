#include "winhelper/window_lookup.h"

#include "shared/utf8.h"

namespace winhelper {

// UTF-8 on one line: line breaks become "|".
std::string Utf8(const std::wstring& text) {
    std::string out = shared::Utf8(text);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = '|';
    return out;
}

// The window's text as its own thread answers WM_GETTEXT. No SMTO_ABORTIFHUNG: Wine may take a
// busy thread for a hung one and answer at once with nothing, which read as an empty caption.
// A thread that does not answer within 10 s shows as "<no answer>", never as an empty text.
std::wstring TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                               SMTO_NORMAL, 10000, &copied))
        return L"<no answer>";
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[256] = {};
    ::GetClassNameW(window, buffer, 256);
    return buffer;
}

std::vector<HWND> TopLevel(const std::wstring& className) {
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, className.c_str(), nullptr)) != nullptr)
        found.push_back(window);
    return found;
}

HWND First(const std::wstring& className) {
    const auto all = TopLevel(className);
    return all.empty() ? nullptr : all.front();
}

HWND ChildById(const std::wstring& className, int id) {
    HWND window = First(className);
    return window != nullptr ? ::GetDlgItem(window, id) : nullptr;
}

DWORD ProcessOf(const std::wstring& className) {
    DWORD process = 0;
    if (HWND window = First(className))
        ::GetWindowThreadProcessId(window, &process);
    return process;
}

HWND FindBox(const std::wstring& title) {
    return ::FindWindowW(L"#32770", title.c_str());
}

} // namespace winhelper

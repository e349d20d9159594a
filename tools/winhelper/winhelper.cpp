// winhelper: what end-to-end scripts need to see and poke inside Wine.
//   winhelper top CLASS            one line per top-level window of CLASS:
//                                  hwnd x y w h visible iconic foreground "text"
//   winhelper wait CLASS MS        waits (50 ms polls) until a visible CLASS window exists
//                                  (hidden ones of the class are passed over)
//   winhelper gone CLASS MS        waits until no window of CLASS exists
//   winhelper client CLASS         client area of the first CLASS window in screen pixels: x y w h
//   winhelper children CLASS       one line per child: id class x y w h style checked sel "text"
//                                  (screen coordinates; checked: BM_GETCHECK; sel: CB_GETCURSEL)
//   winhelper post CLASS MSG WPARAM LPARAM      PostMessageW to the first CLASS window
//   winhelper msgbox TITLE MS      waits for a message box captioned TITLE, prints its text
//   winhelper closebox TITLE       closes the message box captioned TITLE (IDOK)
//   winhelper combo CLASS INDEX    selects item INDEX of the first combo box as the user would
//   winhelper holdclip MS          opens the clipboard, prints "held", keeps it open MS ms
//   winhelper clip -               prints the clipboard's Unicode text
//   winhelper held VK              exit code 0 when GetAsyncKeyState reports VK (hex) held
//   winhelper workarea -           the work area (SPI_GETWORKAREA): x y w h
//   winhelper activate CLASS       makes the first CLASS window the foreground window
//   winhelper foreground -         the class name of the foreground window
//   winhelper holdhotkey MODS VK MS  registers the hotkey (RegisterHotKey flags, hex key) for
//                                  this process, prints "held", keeps it MS ms
// Texts are printed as UTF-8. Exit code 0 on success, 1 when nothing was found.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shared/utf8.h"

namespace {

std::string Utf8(const std::wstring& text) {
    std::string out = shared::Utf8(text);
    // Keep one line per window.
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = '|';
    return out;
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    ::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                          SMTO_ABORTIFHUNG, 2000, nullptr);
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

int Top(const std::wstring& className) {
    const auto all = TopLevel(className);
    for (HWND window : all) {
        RECT r{};
        ::GetWindowRect(window, &r);
        std::printf("%p %ld %ld %ld %ld %d %d %d \"%s\"\n", static_cast<void*>(window), r.left,
                    r.top, r.right - r.left, r.bottom - r.top, ::IsWindowVisible(window) ? 1 : 0,
                    ::IsIconic(window) ? 1 : 0, ::GetForegroundWindow() == window ? 1 : 0,
                    Utf8(TextOf(window)).c_str());
    }
    return all.empty() ? 1 : 0;
}

// Any top-level window of the class that is visible (a program may keep hidden ones too).
bool VisibleOfClassExists(const std::wstring& className) {
    for (HWND window = ::FindWindowExW(nullptr, nullptr, className.c_str(), nullptr);
         window != nullptr; window = ::FindWindowExW(nullptr, window, className.c_str(), nullptr))
        if (::IsWindowVisible(window))
            return true;
    return false;
}

int Wait(const std::wstring& className, int milliseconds, bool untilGone) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (untilGone ? ::FindWindowW(className.c_str(), nullptr) == nullptr
                      : VisibleOfClassExists(className))
            return 0;
        ::Sleep(50);
    }
    return 1;
}

int Client(const std::wstring& className) {
    HWND window = First(className);
    if (window == nullptr)
        return 1;
    RECT r{};
    ::GetClientRect(window, &r);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, r.right, r.bottom);
    return 0;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    RECT r{};
    ::GetWindowRect(child, &r);
    const std::wstring className = ClassOf(child);
    LRESULT checked = -1;
    LRESULT selection = -2;
    if (className == L"Button")
        checked = ::SendMessageW(child, BM_GETCHECK, 0, 0);
    if (className == L"ComboBox")
        selection = ::SendMessageW(child, CB_GETCURSEL, 0, 0);
    std::printf("%d %s %ld %ld %ld %ld %08lx %d %d \"%s\"\n", ::GetDlgCtrlID(child),
                Utf8(className).c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                static_cast<unsigned long>(::GetWindowLongW(child, GWL_STYLE)),
                static_cast<int>(checked), static_cast<int>(selection),
                Utf8(TextOf(child)).c_str());
    return TRUE;
}

int Children(const std::wstring& className) {
    HWND window = First(className);
    if (window == nullptr)
        return 1;
    ::EnumChildWindows(window, &PrintChild, 0);
    return 0;
}

HWND FindBox(const std::wstring& title) {
    return ::FindWindowW(L"#32770", title.c_str());
}

int MessageBoxText(const std::wstring& title, int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (HWND box = FindBox(title)) {
            // The message text is the static control with id 0xFFFF.
            std::printf("%s\n", Utf8(TextOf(::GetDlgItem(box, 0xFFFF))).c_str());
            return 0;
        }
        ::Sleep(50);
    }
    return 1;
}

int CloseBox(const std::wstring& title) {
    HWND box = FindBox(title);
    if (box == nullptr)
        return 1;
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}

int SelectCombo(const std::wstring& className, int index) {
    HWND window = First(className);
    HWND combo = window ? ::FindWindowExW(window, nullptr, L"ComboBox", nullptr) : nullptr;
    if (combo == nullptr)
        return 1;
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    return 0;
}

int HoldClipboard(int milliseconds) {
    if (!::OpenClipboard(nullptr))
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    ::Sleep(static_cast<DWORD>(milliseconds));
    ::CloseClipboard();
    return 0;
}

int PrintClipboard() {
    if (!::OpenClipboard(nullptr))
        return 1;
    int result = 1;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(::GlobalLock(data))) {
            std::printf("%s\n", Utf8(text).c_str());
            ::GlobalUnlock(data);
            result = 0;
        }
    }
    ::CloseClipboard();
    return result;
}

int WorkArea() {
    RECT r{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0))
        return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

int Activate(const std::wstring& className) {
    HWND window = First(className);
    if (window == nullptr)
        return 1;
    ::BringWindowToTop(window);
    ::SetForegroundWindow(window);
    return 0;
}

int Foreground() {
    HWND window = ::GetForegroundWindow();
    if (window == nullptr)
        return 1;
    std::printf("%s\n", Utf8(ClassOf(window)).c_str());
    return 0;
}

int HoldHotKey(UINT modifiers, UINT virtualKey, int milliseconds) {
    if (!::RegisterHotKey(nullptr, 1, modifiers, virtualKey))
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
    }
    ::UnregisterHotKey(nullptr, 1);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    const std::wstring command = argv[1];
    const std::wstring target = argv[2];
    int result = 2;
    if (command == L"top")
        result = Top(target);
    else if (command == L"wait" && argc >= 4)
        result = Wait(target, _wtoi(argv[3]), false);
    else if (command == L"gone" && argc >= 4)
        result = Wait(target, _wtoi(argv[3]), true);
    else if (command == L"client")
        result = Client(target);
    else if (command == L"children")
        result = Children(target);
    else if (command == L"post" && argc >= 6)
        result = ::PostMessageW(First(target), static_cast<UINT>(wcstoul(argv[3], nullptr, 0)),
                                wcstoull(argv[4], nullptr, 0), wcstoll(argv[5], nullptr, 0))
                     ? 0
                     : 1;
    else if (command == L"msgbox" && argc >= 4)
        result = MessageBoxText(target, _wtoi(argv[3]));
    else if (command == L"closebox")
        result = CloseBox(target);
    else if (command == L"combo" && argc >= 4)
        result = SelectCombo(target, _wtoi(argv[3]));
    else if (command == L"holdclip")
        result = HoldClipboard(_wtoi(target.c_str()));
    else if (command == L"held")
        result =
            ::GetAsyncKeyState(static_cast<int>(wcstoul(target.c_str(), nullptr, 16))) < 0 ? 0 : 1;
    else if (command == L"clip")
        result = PrintClipboard();
    else if (command == L"workarea")
        result = WorkArea();
    else if (command == L"activate")
        result = Activate(target);
    else if (command == L"foreground")
        result = Foreground();
    else if (command == L"holdhotkey" && argc >= 5)
        result = HoldHotKey(static_cast<UINT>(wcstoul(argv[2], nullptr, 16)),
                            static_cast<UINT>(wcstoul(argv[3], nullptr, 16)), _wtoi(argv[4]));
    std::fflush(stdout);
    return result;
}

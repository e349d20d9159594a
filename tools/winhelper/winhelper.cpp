// winhelper: what end-to-end scripts need to see and poke inside Wine. Run it without
// arguments for its commands. Texts are printed as UTF-8, one line each. Exit code 0 on
// success, 1 when nothing was found, 2 for a command it does not know.
#include <windows.h>

#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shared/utf8.h"
#include "winhelper/soak_commands.h"
#include "winhelper/window_lookup.h"

namespace {

using namespace winhelper;

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
    return PollFor(milliseconds,
                   [&] {
                       return untilGone ? ::FindWindowW(className.c_str(), nullptr) == nullptr
                                        : VisibleOfClassExists(className);
                   })
               ? 0
               : 1;
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

int MessageBoxText(const std::wstring& title, int milliseconds) {
    HWND box = nullptr;
    if (!PollFor(milliseconds, [&] { return (box = FindBox(title)) != nullptr; }))
        return 1;
    // The message text is the static control with id 0xFFFF.
    std::printf("%s\n", Utf8(TextOf(::GetDlgItem(box, 0xFFFF))).c_str());
    return 0;
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

struct Command {
    const wchar_t* name;
    const char* arguments; // as the usage shows them
    const char* what;
    int argumentCount;
    int (*run)(wchar_t** arguments);
};

int Number(const wchar_t* text) {
    return _wtoi(text);
}
UINT Hex(const wchar_t* text) {
    return static_cast<UINT>(wcstoul(text, nullptr, 16));
}
std::vector<int> Numbers(const wchar_t* commaSeparated) {
    std::vector<int> numbers;
    for (const wchar_t* at = commaSeparated; *at != L'\0';) {
        numbers.push_back(_wtoi(at));
        while (*at != L'\0' && *at != L',')
            ++at;
        if (*at == L',')
            ++at;
    }
    return numbers;
}

const Command kCommands[] = {
    {L"top", "CLASS", "one line per top-level window: hwnd x y w h visible iconic foreground text",
     1, [](wchar_t** a) { return Top(a[0]); }},
    {L"wait", "CLASS MS", "waits (50 ms polls) until a visible CLASS window exists", 2,
     [](wchar_t** a) { return Wait(a[0], Number(a[1]), false); }},
    {L"gone", "CLASS MS", "waits until no window of CLASS exists", 2,
     [](wchar_t** a) { return Wait(a[0], Number(a[1]), true); }},
    {L"client", "CLASS", "client area of the first CLASS window on the screen: x y w h", 1,
     [](wchar_t** a) { return Client(a[0]); }},
    {L"children", "CLASS", "one line per child: id class x y w h style checked sel text", 1,
     [](wchar_t** a) { return Children(a[0]); }},
    {L"post", "CLASS MSG WPARAM LPARAM", "PostMessageW to the first CLASS window", 4,
     [](wchar_t** a) {
         return ::PostMessageW(First(a[0]), static_cast<UINT>(wcstoul(a[1], nullptr, 0)),
                               wcstoull(a[2], nullptr, 0), wcstoll(a[3], nullptr, 0))
                    ? 0
                    : 1;
     }},
    {L"msgbox", "TITLE MS", "waits for a message box captioned TITLE, prints its text", 2,
     [](wchar_t** a) { return MessageBoxText(a[0], Number(a[1])); }},
    {L"closebox", "TITLE", "closes the message box captioned TITLE (IDOK)", 1,
     [](wchar_t** a) { return CloseBox(a[0]); }},
    {L"combo", "CLASS INDEX", "selects item INDEX of the first combo box as the user would", 2,
     [](wchar_t** a) { return SelectCombo(a[0], Number(a[1])); }},
    {L"holdclip", "MS", "opens the clipboard, prints \"held\", keeps it open MS ms", 1,
     [](wchar_t** a) { return HoldClipboard(Number(a[0])); }},
    {L"clip", "", "prints the clipboard's Unicode text", 0,
     [](wchar_t**) { return PrintClipboard(); }},
    {L"held", "VK", "exit code 0 when GetAsyncKeyState reports VK (hex) held", 1,
     [](wchar_t** a) { return ::GetAsyncKeyState(static_cast<int>(Hex(a[0]))) < 0 ? 0 : 1; }},
    {L"workarea", "", "the work area (SPI_GETWORKAREA): x y w h", 0,
     [](wchar_t**) { return WorkArea(); }},
    {L"activate", "CLASS", "makes the first CLASS window the foreground window", 1,
     [](wchar_t** a) { return Activate(a[0]); }},
    {L"foreground", "", "the class name of the foreground window", 0,
     [](wchar_t**) { return Foreground(); }},
    {L"gui", "CLASS", "GDI and USER objects of the first CLASS window's process: gdi N user M", 1,
     [](wchar_t** a) { return Gui(a[0]); }},
    {L"deliver", "CLASS LOG ROUNDS IDS",
     "presses the children IDS (comma-separated) in turn, ROUNDS posted left clicks, each "
     "once the client's LOG has one \"line\" more (10 s at most); every 1000 rounds and at "
     "the end: round R received N gdi G user U",
     4, [](wchar_t** a) { return Deliver(a[0], a[1], Number(a[2]), Numbers(a[3])); }},
    {L"crowd", "N SECONDS STOP",
     "opens N visible top-level windows, prints \"ready\", then closes one and opens one every "
     "5 ms for SECONDS or until the file STOP exists; prints \"closed C opened O\"",
     3, [](wchar_t** a) { return Crowd(Number(a[0]), Number(a[1]), a[2]); }},
    {L"closekill", "CLASS MAXUS SEED",
     "posts WM_CLOSE to the first CLASS window, waits a random 0 to MAXUS us, terminates its "
     "process; prints \"delay D exited E\" (E 1: it had ended by itself)",
     3,
     [](wchar_t** a) {
         return CloseAndKill(a[0], _wtoi64(a[1]), static_cast<unsigned>(Number(a[2])));
     }},
    {L"clipbusy", "CLASS ID ROUNDS TITLE",
     "ROUNDS times: holds the clipboard, presses child ID, waits for the box TITLE and closes "
     "it; prints \"rounds R boxes B\" and the first box text",
     4, [](wchar_t** a) { return ClipboardBusy(a[0], Number(a[1]), Number(a[2]), a[3]); }},
    {L"holdhotkey", "MODS VK MS",
     "registers the hotkey (hex RegisterHotKey flags and key), prints \"held\", keeps it MS ms", 3,
     [](wchar_t** a) { return HoldHotKey(Hex(a[0]), Hex(a[1]), Number(a[2])); }},
};

int Usage() {
    std::fprintf(stderr, "usage: winhelper COMMAND [ARGUMENTS]\n");
    for (const Command& command : kCommands)
        std::fprintf(stderr, "  %-10s %-23s %s\n", Utf8(command.name).c_str(), command.arguments,
                     command.what);
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return Usage();
    for (const Command& command : kCommands) {
        if (command.name != std::wstring_view(argv[1]))
            continue;
        if (argc - 2 != command.argumentCount)
            return Usage();
        const int result = command.run(argv + 2);
        std::fflush(stdout);
        return result;
    }
    return Usage();
}

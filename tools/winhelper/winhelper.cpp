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

namespace {

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

// Asks `found` every 50 ms until it answers true or `milliseconds` have passed.
template <typename Found> bool PollFor(int milliseconds, Found found) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (found())
            return true;
        ::Sleep(50);
    }
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

HWND FindBox(const std::wstring& title) {
    return ::FindWindowW(L"#32770", title.c_str());
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

// --- soak helpers --------------------------------------------------------------------

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

// Wine answers GetGuiResources with 0. There the GDI count comes from the process's handle
// table (the PEB's GdiSharedHandleTable: 24-byte entries, owner process in the low 16 bits of
// the second quadword, type in the fifth word, 0 for a free entry), stock objects included,
// and the USER count is the number of the process's windows.
using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);

DWORD GdiTableCount(HANDLE process, DWORD processId) {
    const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr ||
        query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return 0;
    const auto* tableField = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress) + 0xF8;
    std::uint8_t* table = nullptr;
    if (!::ReadProcessMemory(process, tableField, &table, sizeof table, nullptr) || !table)
        return 0;
    constexpr size_t kEntries = 0x10000, kEntrySize = 24;
    std::vector<std::uint8_t> entries(kEntries * kEntrySize);
    if (!::ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr))
        return 0;
    const auto self = static_cast<std::uint16_t>(processId);
    DWORD live = 0;
    for (size_t i = 0; i < kEntries; ++i) {
        const std::uint8_t* entry = entries.data() + i * kEntrySize;
        const auto owner = static_cast<std::uint16_t>(entry[8] | (entry[9] << 8));
        if ((entry[14] & 0x1F) != 0 && (owner == self || owner == 0))
            ++live;
    }
    return live;
}

struct WindowCount {
    DWORD process = 0;
    DWORD count = 0;
};

BOOL CALLBACK CountIfOwned(HWND window, LPARAM data) {
    auto& count = *reinterpret_cast<WindowCount*>(data);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == count.process)
        ++count.count;
    return TRUE;
}

BOOL CALLBACK CountTree(HWND window, LPARAM data) {
    CountIfOwned(window, data);
    ::EnumChildWindows(window, &CountIfOwned, data);
    return TRUE;
}

struct GuiCounts {
    DWORD gdi = 0;
    DWORD user = 0;
};

GuiCounts GuiObjects(DWORD processId) {
    GuiCounts counts;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr)
        return counts;
    counts.gdi = ::GetGuiResources(process, GR_GDIOBJECTS);
    counts.user = ::GetGuiResources(process, GR_USEROBJECTS);
    if (counts.gdi == 0)
        counts.gdi = GdiTableCount(process, processId);
    ::CloseHandle(process);
    if (counts.user == 0) {
        WindowCount windows{processId, 0};
        ::EnumWindows(&CountTree, reinterpret_cast<LPARAM>(&windows));
        counts.user = windows.count;
    }
    return counts;
}

int Gui(const std::wstring& className) {
    const DWORD process = ProcessOf(className);
    if (process == 0)
        return 1;
    const GuiCounts counts = GuiObjects(process);
    std::printf("gdi %lu user %lu\n", counts.gdi, counts.user);
    return 0;
}

void PostClick(HWND button) {
    RECT r{};
    ::GetClientRect(button, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(button, WM_LBUTTONUP, 0, at);
}

// Counts the "line " records of the practice client's log as it grows.
class LineCounter {
public:
    explicit LineCounter(const std::wstring& path) : path_(path) {}
    int Count() {
        HANDLE file = ::CreateFileW(path_.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return lines_;
        LARGE_INTEGER at{};
        at.QuadPart = offset_;
        ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
        char chunk[4096];
        DWORD read = 0;
        while (::ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
            for (DWORD i = 0; i < read; ++i) {
                ++offset_;
                if (chunk[i] == '\n') {
                    if (pending_.rfind("line ", 0) == 0)
                        ++lines_;
                    pending_.clear();
                } else if (pending_.size() < 8) {
                    pending_.push_back(chunk[i]);
                }
            }
        }
        ::CloseHandle(file);
        return lines_;
    }

private:
    std::wstring path_;
    long long offset_ = 0;
    int lines_ = 0;
    std::string pending_;
};

int Deliver(const std::wstring& className, const std::wstring& log, int rounds,
            const std::vector<int>& ids) {
    const DWORD process = ProcessOf(className);
    std::vector<HWND> buttons;
    for (int id : ids)
        buttons.push_back(ChildById(className, id));
    if (process == 0 || ids.empty() ||
        std::find(buttons.begin(), buttons.end(), nullptr) != buttons.end())
        return 1;
    LineCounter counter(log);
    int received = counter.Count();
    const int start = received;
    auto report = [&](int round) {
        const GuiCounts counts = GuiObjects(process);
        std::printf("round %d received %d gdi %lu user %lu\n", round, received - start, counts.gdi,
                    counts.user);
        std::fflush(stdout);
    };
    for (int round = 0; round < rounds; ++round) {
        if (round % 1000 == 0)
            report(round);
        PostClick(buttons[static_cast<size_t>(round) % buttons.size()]);
        for (int waited = 0; waited < 10000 && counter.Count() <= received; waited += 5)
            ::Sleep(5);
        received = counter.Count();
    }
    report(rounds);
    return received - start == rounds ? 0 : 1;
}

LRESULT CALLBACK CrowdProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

int Crowd(int count, int seconds, const std::wstring& stop) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &CrowdProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"SoakCrowd";
    ::RegisterClassW(&windowClass);
    unsigned seed = 12345;
    auto next = [&seed](unsigned bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    int opened = 0;
    auto open = [&] {
        const std::wstring caption = L"Crowd window " + std::to_wstring(++opened);
        HWND window =
            ::CreateWindowExW(WS_EX_NOACTIVATE, L"SoakCrowd", caption.c_str(), WS_POPUP | WS_BORDER,
                              static_cast<int>(next(1200)), static_cast<int>(next(960)), 60, 40,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
        // Shown without taking the activation, as another program's window appears: the keys
        // of a delivery still go to the client.
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
        return window;
    };
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i)
        windows.push_back(open());
    std::printf("ready\n");
    std::fflush(stdout);
    int closed = 0;
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    while (::GetTickCount64() < end &&
           (stop == L"-" || ::GetFileAttributesW(stop.c_str()) == INVALID_FILE_ATTRIBUTES)) {
        // Answer every message (caption requests of a search included) while the crowd turns.
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
        const size_t victim = next(static_cast<unsigned>(windows.size()));
        ::DestroyWindow(windows[victim]);
        ++closed;
        windows[victim] = open();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    for (HWND window : windows)
        ::DestroyWindow(window);
    std::printf("closed %d opened %d\n", closed, opened);
    return 0;
}

int CloseAndKill(const std::wstring& className, long long maxMicroseconds, unsigned seed) {
    HWND window = First(className);
    DWORD processId = 0;
    if (window == nullptr || ::GetWindowThreadProcessId(window, &processId) == 0)
        return 1;
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (process == nullptr)
        return 1;
    seed = seed * 1103515245u + 12345u;
    const long long delay =
        maxMicroseconds > 0 ? static_cast<long long>((seed >> 4) % maxMicroseconds) : 0;
    LARGE_INTEGER frequency{}, start{}, now{};
    ::QueryPerformanceFrequency(&frequency);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ::QueryPerformanceCounter(&start);
    do
        ::QueryPerformanceCounter(&now);
    while ((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart < delay);
    const bool exited = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    if (!exited)
        ::TerminateProcess(process, 9);
    ::WaitForSingleObject(process, 10000);
    ::CloseHandle(process);
    std::printf("delay %lld exited %d\n", delay, exited ? 1 : 0);
    return 0;
}

int ClipboardBusy(const std::wstring& className, int id, int rounds, const std::wstring& title) {
    HWND button = ChildById(className, id);
    if (button == nullptr)
        return 1;
    int boxes = 0;
    std::wstring firstText;
    for (int round = 0; round < rounds; ++round) {
        if (!::OpenClipboard(nullptr))
            break;
        PostClick(button);
        HWND box = nullptr;
        for (int waited = 0; waited < 10000 && box == nullptr; waited += 10) {
            box = FindBox(title);
            if (box == nullptr)
                ::Sleep(10);
        }
        if (box != nullptr) {
            ++boxes;
            if (firstText.empty())
                firstText = TextOf(::GetDlgItem(box, 0xFFFF));
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
            for (int waited = 0; waited < 10000 && ::IsWindow(box); waited += 10)
                ::Sleep(10);
        }
        ::CloseClipboard();
    }
    std::printf("rounds %d boxes %d\n%s\n", rounds, boxes, Utf8(firstText).c_str());
    return boxes == rounds ? 0 : 1;
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

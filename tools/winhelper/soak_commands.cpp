// The commands tools/soak.sh uses: object counts, deliveries by posted clicks, a crowd of
// windows, a close killed at a random moment, and a clipboard held by another program.
#include "winhelper/soak_commands.h"

#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "winhelper/window_lookup.h"

namespace winhelper {
namespace {
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

LRESULT CALLBACK CrowdProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int Gui(const std::wstring& className) {
    const DWORD process = ProcessOf(className);
    if (process == 0)
        return 1;
    const GuiCounts counts = GuiObjects(process);
    std::printf("gdi %lu user %lu\n", counts.gdi, counts.user);
    return 0;
}

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

} // namespace winhelper

// delivery_bench [COUNT]: times complete primary deliveries (clipboard, raise, focus message,
// Ctrl+V, Enter, Enter, raise the panel) into the practice client and prints the time beyond
// the 200 ms of specified pauses. It starts PracticeClient.exe from its own folder when no
// client runs (and ends it afterwards). A window of class "TForm1" stands in for the panel,
// which the delivery raises again at its end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <string>

#include "link/delivery.h"
#include "link/win32_port.h"
#include "toolkit/win_handles.h"

namespace {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / frequency;
}

// The real port, with the time actually spent asleep counted apart.
class TimedPort final : public quarnel::GameLinkPort {
public:
    explicit TimedPort(HWND owner) : real_(owner) {}
    double asleepMs = 0;

    quarnel::LinkWindow FindTopLevel(std::u16string_view c) override {
        return real_.FindTopLevel(c);
    }
    quarnel::LinkWindow FindChild(quarnel::LinkWindow p, std::u16string_view c) override {
        return real_.FindChild(p, c);
    }
    std::vector<quarnel::LinkWindow> VisibleUnownedTopLevels() override {
        return real_.VisibleUnownedTopLevels();
    }
    std::u16string Caption(quarnel::LinkWindow w) override { return real_.Caption(w); }
    std::u16string ClassName(quarnel::LinkWindow w) override { return real_.ClassName(w); }
    std::u16string ProcessImagePath(quarnel::LinkWindow w) override {
        return real_.ProcessImagePath(w);
    }
    double raiseClientMs = 0, raisePanelMs = 0, keysMs = 0;
    void BringToTop(quarnel::LinkWindow w) override {
        const double start = Now();
        real_.BringToTop(w);
        // The first raise is the client's, the second the panel's.
        (raised_++ == 0 ? raiseClientMs : raisePanelMs) += Now() - start;
    }
    void PostSetFocus(quarnel::LinkWindow w) override { real_.PostSetFocus(w); }
    void AwaitInFront(quarnel::LinkWindow w) override { real_.AwaitInFront(w); }
    std::uint32_t MapVirtualKeyToScanCode(std::uint32_t vk) override {
        return real_.MapVirtualKeyToScanCode(vk);
    }
    void KeyEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override {
        const double start = Now();
        real_.KeyEvent(vk, scan, flags);
        keysMs += Now() - start;
    }
    void Sleep(std::uint32_t ms) override {
        const double start = Now();
        real_.Sleep(ms);
        asleepMs += Now() - start;
    }
    bool OpenClipboard() override { return real_.OpenClipboard(); }
    std::u16string LastErrorDescription() override { return real_.LastErrorDescription(); }
    quarnel::LinkBlock AllocateBlock(std::size_t bytes) override {
        return real_.AllocateBlock(bytes);
    }
    bool FillBlock(quarnel::LinkBlock b, std::u16string_view u) override {
        return real_.FillBlock(b, u);
    }
    void FreeBlock(quarnel::LinkBlock b) override { real_.FreeBlock(b); }
    void EmptyClipboard() override { real_.EmptyClipboard(); }
    bool SetUnicodeTextData(quarnel::LinkBlock b) override { return real_.SetUnicodeTextData(b); }
    void CloseClipboard() override { real_.CloseClipboard(); }

private:
    quarnel::Win32GameLinkPort real_;
    int raised_ = 0;
};

// Lets this thread answer what the client and the platform sent meanwhile, as the panel's
// message loop would between two presses.
void Pump(DWORD milliseconds) {
    const DWORD end = ::GetTickCount() + milliseconds;
    do {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
}

// Starts the practice client beside this exe and waits (50 ms polls) for its window.
toolkit::UniqueKernelHandle StartPracticeClient() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring commandLine = path;
    commandLine.erase(commandLine.find_last_of(L"\\/") + 1);
    commandLine = L"\"" + commandLine + L"PracticeClient.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return {};
    toolkit::UniqueKernelHandle thread(process.hThread);
    toolkit::UniqueKernelHandle owned(process.hProcess);
    for (int waited = 0; waited < 20000; waited += 50) {
        if (::FindWindowW(L"Ultima Online", nullptr) != nullptr)
            return owned;
        ::Sleep(50);
    }
    ::TerminateProcess(owned.get(), 1);
    return {};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int count = argc > 1 ? std::max(1, _wtoi(argv[1])) : 40;
    toolkit::UniqueKernelHandle startedClient;
    if (::FindWindowW(L"Ultima Online", nullptr) == nullptr) {
        startedClient = StartPracticeClient();
        if (!startedClient) {
            std::fprintf(stderr, "delivery_bench: the practice client did not start\n");
            return 1;
        }
    }
    WNDCLASSEXW panelClass{};
    panelClass.cbSize = sizeof(panelClass);
    panelClass.lpfnWndProc = ::DefWindowProcW;
    panelClass.lpszClassName = L"TForm1";
    ::RegisterClassExW(&panelClass);
    HWND panel = ::CreateWindowExW(WS_EX_TOPMOST, L"TForm1", L"bench panel",
                                   WS_POPUP | WS_CAPTION | WS_VISIBLE, 900, 600, 190, 100, nullptr,
                                   nullptr, nullptr, nullptr);
    Pump(200);

    std::vector<double> overhead, awake, clipboard, clientRaises, panelRaises, keys, bareRaises;
    HWND client = ::FindWindowW(L"Ultima Online", nullptr);
    for (int i = 0; i < count; ++i) {
        TimedPort port(panel);
        const double start = Now();
        quarnel::PutOnClipboard(port, i % 2 ? u"Slow Forward" : u"Stop");
        const double clipboardDone = Now();
        quarnel::PasteIntoGameClient(port);
        const double elapsed = Now() - start;
        overhead.push_back(elapsed - 2 * quarnel::kPrimaryPauseMs);
        awake.push_back(elapsed - port.asleepMs);
        clipboard.push_back(clipboardDone - start);
        clientRaises.push_back(port.raiseClientMs);
        panelRaises.push_back(port.raisePanelMs);
        keys.push_back(port.keysMs);
        Pump(150);

        // Baseline, side by side: the same two raises with nothing else around them.
        const double bareStart = Now();
        ::BringWindowToTop(client);
        ::BringWindowToTop(panel);
        bareRaises.push_back(Now() - bareStart);
        Pump(150);
    }
    ::DestroyWindow(panel);
    if (startedClient) {
        ::PostMessageW(client, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(startedClient.get(), 5000) != WAIT_OBJECT_0)
            ::TerminateProcess(startedClient.get(), 0);
    }

    std::printf("delivery_bench: %d primary deliveries into the practice client\n", count);
    std::printf("%-44s %10s %10s\n", "", "median ms", "worst ms");
    std::printf("%-44s %10.3f %10.3f\n", "overhead past the 200 ms of pauses", Median(overhead),
                *std::max_element(overhead.begin(), overhead.end()));
    std::printf("%-44s %10.3f %10.3f\n", "  of it awake (calls other than Sleep)", Median(awake),
                *std::max_element(awake.begin(), awake.end()));
    std::printf("%-44s %10.3f %10.3f\n", "  of it the clipboard", Median(clipboard),
                *std::max_element(clipboard.begin(), clipboard.end()));
    std::printf("%-44s %10.3f %10.3f\n", "  of it raising the client", Median(clientRaises),
                *std::max_element(clientRaises.begin(), clientRaises.end()));
    std::printf("%-44s %10.3f %10.3f\n", "  of it raising the panel again", Median(panelRaises),
                *std::max_element(panelRaises.begin(), panelRaises.end()));
    std::printf("%-44s %10.3f %10.3f\n", "  of it the ten key events", Median(keys),
                *std::max_element(keys.begin(), keys.end()));
    std::printf("%-44s %10.3f %10.3f\n", "baseline: two bare raises, client and panel",
                Median(bareRaises), *std::max_element(bareRaises.begin(), bareRaises.end()));
    std::printf("%-44s %10.3f\n", "overhead less the bare raises (median)",
                Median(overhead) - Median(bareRaises));
    std::printf("goal: median overhead under 2 ms: %s\n",
                Median(overhead) < 2.0 ? "met" : "MISSED");
    return 0;
}

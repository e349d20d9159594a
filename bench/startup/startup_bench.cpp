// Start-up benchmark: time from process start to the first complete paint of the main window
// (visible, and no window of it or its children has anything left to paint), for Quarnel.exe,
// a bare Win32 window and a bare window with the panel's controls, in turn, over several runs;
// plus the file sizes.
//   startup_bench [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring BesideMe(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result = path;
    result.resize(result.find_last_of(L"\\/") + 1);
    return result + name;
}

BOOL CALLBACK AnyUpdatePending(HWND child, LPARAM pending) {
    if (::GetUpdateRect(child, nullptr, FALSE))
        *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
}

bool FullyPainted(HWND window) {
    if (window == nullptr || !::IsWindowVisible(window))
        return false;
    bool pending = ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
    ::EnumChildWindows(window, &AnyUpdatePending, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

// Milliseconds from CreateProcess to the first complete paint; -1 on a time-out.
double TimeToFirstPaint(const std::wstring& exe, const wchar_t* windowClass) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    LARGE_INTEGER frequency{}, start{}, now{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process))
        return -1;
    double elapsed = -1;
    HWND window = nullptr;
    for (int polls = 0; polls < 20000; ++polls) {
        window = ::FindWindowW(windowClass, nullptr);
        if (FullyPainted(window)) {
            ::QueryPerformanceCounter(&now);
            elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
            break;
        }
        ::Sleep(1);
    }
    if (window != nullptr)
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? _wtoi(argv[1]) : 15;
    const std::wstring quarnel = BesideMe(L"Quarnel.exe");
    const std::wstring bare = BesideMe(L"bare_window.exe");
    const std::wstring controls = BesideMe(L"controls_window.exe");
    std::vector<double> quarnelTimes, bareTimes, controlsTimes;
    for (int run = 0; run < runs; ++run) {
        const double b = TimeToFirstPaint(bare, L"BareWindow");
        const double c = TimeToFirstPaint(controls, L"ControlsWindow");
        const double q = TimeToFirstPaint(quarnel, L"TForm1");
        if (b > 0 && c > 0 && q > 0) {
            bareTimes.push_back(b);
            controlsTimes.push_back(c);
            quarnelTimes.push_back(q);
        }
    }
    const double quarnelMedian = Median(quarnelTimes);
    const double bareMedian = Median(bareTimes);
    const double controlsMedian = Median(controlsTimes);
    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("start-up to first complete paint, %zu runs (median)\n", quarnelTimes.size());
    std::printf("  %-16s %9.1f ms\n", "Quarnel.exe", quarnelMedian);
    std::printf("  %-16s %9.1f ms\n", "bare window", bareMedian);
    std::printf("  %-16s %9.2f\n", "ratio", ratio(quarnelMedian, bareMedian));
    std::printf("  %-16s %9.1f ms   (the panel's 21 controls, no code of ours)\n", "with controls",
                controlsMedian);
    std::printf("  %-16s %9.2f   (and Quarnel.exe to it %.2f)\n", "its ratio",
                ratio(controlsMedian, bareMedian), ratio(quarnelMedian, controlsMedian));
    const long long quarnelSize = FileSize(quarnel);
    const long long bareSize = FileSize(bare);
    std::printf("exe size\n  %-16s %9lld bytes\n  %-16s %9lld bytes\n  %-16s %9.2f\n",
                "Quarnel.exe", quarnelSize, "bare window", bareSize, "ratio",
                bareSize > 0 ? static_cast<double>(quarnelSize) / static_cast<double>(bareSize)
                             : 0.0);
    return quarnelTimes.empty() ? 1 : 0;
}

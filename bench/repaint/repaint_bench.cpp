// One full repaint of the panel's sixteen command buttons (glass buttons) beside the same
// sixteen buttons as stock BUTTON controls, measured side by side, rounds interleaved, as a
// median ratio; then GDI and USER object counts before and after many repaints.
//   repaint_bench.exe [rounds] [leak-repaints]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <vector>

#include "support/aero_support.h"
#include "toolkit/form.h"
#include "toolkit/push_button_base.h"
#include "ui/unit1.h"

namespace {

double Now() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <typename Buttons> double RepaintAll(const Buttons& buttons) {
    const double start = Now();
    for (HWND button : buttons)
        ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ::GdiFlush();
    return Now() - start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? _wtoi(argv[1]) : 300;
    const int leakRepaints = argc > 2 ? _wtoi(argv[2]) : 1000;

    quarnel::TForm1 panel;
    panel.CreateAndShow();
    panel.SetLeft(0);
    panel.SetTop(0);

    // The same sixteen buttons, same places, captions and font, as stock push buttons.
    toolkit::Form stock;
    stock.Create(L"StockPanel", L"Stock buttons", panel.ClientWidth(), panel.ClientHeight());
    std::vector<std::unique_ptr<toolkit::PushButtonBase>> stockButtons;
    std::vector<HWND> glass;
    std::vector<HWND> plain;
    for (quarnel::CommandButton* button : panel.CommandButtons()) {
        auto copy = std::make_unique<toolkit::PushButtonBase>();
        copy->SetTabStop(false);
        copy->Create(stock, button->Text(),
                     {button->Left(), button->Top(), button->Width(), button->Height()});
        copy->SetFont(button->Font());
        glass.push_back(button->hwnd());
        plain.push_back(copy->hwnd());
        stockButtons.push_back(std::move(copy));
    }
    stock.Show();
    stock.SetLeft(300);
    stock.SetTop(0);
    Pump();

    for (int i = 0; i < 10; ++i) { // warm caches, fonts and themes on both sides
        RepaintAll(glass);
        RepaintAll(plain);
    }
    std::vector<double> glassTimes;
    std::vector<double> plainTimes;
    for (int i = 0; i < rounds; ++i) {
        glassTimes.push_back(RepaintAll(glass));
        plainTimes.push_back(RepaintAll(plain));
    }
    const double glassMedian = Median(glassTimes);
    const double plainMedian = Median(plainTimes);
    std::printf("full repaint of 16 buttons, median of %d rounds\n", rounds);
    std::printf("  glass buttons   %8.3f ms\n", glassMedian);
    std::printf("  stock buttons   %8.3f ms\n", plainMedian);
    std::printf("  ratio           %8.2f x   (goal <= 1.5)\n", glassMedian / plainMedian);

    const int gdiBefore = static_cast<int>(testing_support::GdiObjectCount());
    const int userBefore = testing_support::UserObjectCount();
    for (int i = 0; i < leakRepaints; ++i)
        RepaintAll(glass);
    Pump();
    const int gdiAfter = static_cast<int>(testing_support::GdiObjectCount());
    const int userAfter = testing_support::UserObjectCount();
    std::printf("objects over %d full repaints (%d button paints)\n", leakRepaints,
                leakRepaints * 16);
    std::printf("  GDI   %d -> %d\n", gdiBefore, gdiAfter);
    std::printf("  USER  %d -> %d   (%s)\n", userBefore, userAfter,
                ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS) != 0
                    ? "GetGuiResources"
                    : "windows of the thread: GetGuiResources answers nothing here");
    std::fflush(stdout);
    // Leave without saving the panel's settings.
    ::DestroyWindow(stock.hwnd());
    return gdiAfter == gdiBefore && userAfter == userBefore ? 0 : 1;
}

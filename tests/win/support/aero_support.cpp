#include "support/aero_support.h"

#include "controls/visual_styles.h"

namespace testing_support {
namespace {

bool g_styles = true;
bool StylesAnswer() {
    return g_styles;
}

MessageLog* g_log = nullptr;

} // namespace

AeroAnswers::AeroAnswers(bool stylesActive, bool compositionOn) : composition_(compositionOn) {
    SetStyles(stylesActive);
    quarnel::SetAeroPlatform(this);
}

AeroAnswers::~AeroAnswers() {
    quarnel::SetAeroPlatform(nullptr);
    quarnel::SetVisualStylesQuery(nullptr);
}

void AeroAnswers::SetStyles(bool active) {
    g_styles = active;
    quarnel::SetVisualStylesQuery(&StylesAnswer);
}

ButtonHost::ButtonHost(int width, int height, const wchar_t* caption)
    : form_(std::make_unique<HostForm>()), button_(std::make_unique<ProbeButton>()),
      font_(toolkit::CreateUiFont(12)) {
    form_->Create(L"AeroTestHost", L"Aero test", 200, 120);
    form_->SetLeft(100);
    form_->SetTop(100);
    button_->set_name(L"Btn_00");
    button_->Create(*form_, caption, {10, 10, width, height}, 100);
    button_->SetFont(font_.get());
    form_->Show();
    Pump();
}

ButtonHost::~ButtonHost() {
    // The button's window goes before the form that lists it.
    button_.reset();
    form_.reset();
    Pump();
}

void ButtonHost::Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

MessageLog::MessageLog() {
    g_log = this;
    sent_ = ::SetWindowsHookExW(WH_CALLWNDPROC, &OnSent, nullptr, ::GetCurrentThreadId());
    posted_ = ::SetWindowsHookExW(WH_GETMESSAGE, &OnPosted, nullptr, ::GetCurrentThreadId());
}

MessageLog::~MessageLog() {
    ::UnhookWindowsHookEx(sent_);
    ::UnhookWindowsHookEx(posted_);
    g_log = nullptr;
}

std::vector<MessageLog::Entry> MessageLog::Of(HWND window, UINT message) const {
    std::vector<Entry> found;
    for (const Entry& entry : entries_)
        if (entry.window == window && entry.message == message)
            found.push_back(entry);
    return found;
}

void MessageLog::Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Entry entry{window, message, wParam, lParam, {0, 0}, 0, {0, 0}, nullptr};
    HDC dc = nullptr;
    if (message == WM_DRAWITEM)
        dc = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hDC;
    else if (message == WM_ERASEBKGND || message == WM_PRINTCLIENT)
        dc = reinterpret_cast<HDC>(wParam);
    if (dc != nullptr) {
        entry.dc = dc;
        BITMAP bitmap{};
        if (::GetObjectW(::GetCurrentObject(dc, OBJ_BITMAP), sizeof(bitmap), &bitmap) != 0) {
            entry.bitmapSize = {bitmap.bmWidth, bitmap.bmHeight};
            entry.bitsPerPixel = bitmap.bmBitsPixel;
        }
        ::GetWindowOrgEx(dc, &entry.origin);
    }
    entries_.push_back(entry);
}

LRESULT CALLBACK MessageLog::OnSent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_log != nullptr) {
        const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        g_log->Record(sent.hwnd, sent.message, sent.wParam, sent.lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageLog::OnPosted(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && g_log != nullptr) {
        const auto& posted = *reinterpret_cast<const MSG*>(lParam);
        g_log->Record(posted.hwnd, posted.message, posted.wParam, posted.lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    ::EnumChildWindows(window, &CountChild, count); // all descendants
    return TRUE;
}

} // namespace

int UserObjectCount() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (reported != 0)
        return static_cast<int>(reported);
    int windows = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

} // namespace testing_support

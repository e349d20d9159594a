// The application object: the hidden owner window that carries the taskbar button under the
// application title, the message loop, and the general error box.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "toolkit/error.h"

namespace toolkit {

class Application {
public:
    static constexpr wchar_t kClassName[] = L"TApplication";
    // The icon of the application and its main window, in the exe's resources.
    static constexpr int kMainIconId = 1;

    static Application& Instance();

    // Creates the hidden application window. Safe to call more than once; when the window
    // cannot be created, hwnd() stays null and a later call tries again.
    void Initialize();
    HWND hwnd() const noexcept { return hwnd_; }

    void SetTitle(const std::wstring& title);
    const std::wstring& title() const noexcept { return title_; }

    // The panel: focus and restore requests go to it, and the error box sits above it.
    void SetMainWindow(HWND window) noexcept { mainWindow_ = window; }
    HWND mainWindow() const noexcept { return mainWindow_; }

    // Shows the taskbar button once the main window is visible.
    void ShowTaskbarButton();
    void Minimize();
    void Restore();

    // Runs the message loop until WM_QUIT; returns its exit code. Returns 0 at once when there
    // is no main window (it was never created), as nothing could end the loop.
    int Run();

    // The general error box: the text (with its "." rule), the title, an error icon, OK.
    void ShowError(const std::u16string& text);
    // Tests replace the box; the sink receives the text as the box would show it.
    using ErrorSink = std::function<void(const std::u16string& boxText)>;
    void SetErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }

private:
    Application() = default;
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;

    HWND hwnd_ = nullptr;
    HWND mainWindow_ = nullptr;
    std::wstring title_;
    ErrorSink errorSink_;
};

// Shows an error that escapes an event handler in the general error box; the program goes on.
void ReportEscapedError(std::exception_ptr error) noexcept;

// Runs an event handler; returns false when it ended with an error (already reported).
template <typename Handler> bool Guarded(Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (...) {
        ReportEscapedError(std::current_exception());
        return false;
    }
}

} // namespace toolkit

#include "toolkit/application.h"

#include <commctrl.h>

#include <new>

#include "toolkit/wide.h"

namespace toolkit {
Application& Application::Instance() {
    static Application application;
    return application;
}

void Application::Initialize() {
    if (hwnd_ != nullptr)
        return;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);

    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HICON icon = ::LoadIconW(instance, MAKEINTRESOURCEW(kMainIconId));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Application::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);

    // A zero-sized popup with a caption: it carries the taskbar button while the panel,
    // owned by it, has none of its own.
    const int x = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = ::GetSystemMetrics(SM_CYSCREEN) / 2;
    hwnd_ = ::CreateWindowExW(0, kClassName, title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              x, y, 0, 0, nullptr, nullptr, instance, nullptr);
}

void Application::SetTitle(const std::wstring& title) {
    title_ = title;
    if (hwnd_ != nullptr)
        ::SetWindowTextW(hwnd_, title_.c_str());
}

void Application::ShowTaskbarButton() {
    if (hwnd_ != nullptr)
        ::SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                       SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void Application::Minimize() {
    if (hwnd_ == nullptr)
        return;
    // The panel goes with the taskbar button, and comes back with it.
    if (mainWindow_ != nullptr)
        ::ShowWindow(mainWindow_, SW_HIDE);
    ::ShowWindow(hwnd_, SW_MINIMIZE);
}

void Application::Restore() {
    if (hwnd_ == nullptr || !::IsIconic(hwnd_))
        return;
    ::ShowWindow(hwnd_, SW_RESTORE);
    if (mainWindow_ != nullptr) {
        ::ShowWindow(mainWindow_, SW_SHOW);
        ::SetForegroundWindow(mainWindow_);
    }
}

int Application::Run() {
    // Only the main window's end posts WM_QUIT: without one the loop would never end.
    if (mainWindow_ == nullptr || !::IsWindow(mainWindow_))
        return 0;
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (mainWindow_ != nullptr && ::IsDialogMessageW(mainWindow_, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Application::ShowError(const std::u16string& text) {
    const std::u16string boxText = ErrorBoxText(text);
    if (errorSink_) {
        errorSink_(boxText);
        return;
    }
    HWND owner = mainWindow_ != nullptr && ::IsWindow(mainWindow_) ? mainWindow_ : hwnd_;
    ::MessageBoxW(owner, AsWide(boxText), title_.c_str(), MB_OK | MB_ICONERROR);
}

void ReportEscapedError(std::exception_ptr error) noexcept {
    try {
        try {
            std::rethrow_exception(error);
        } catch (const UserError& userError) {
            Application::Instance().ShowError(userError.text());
        } catch (const std::bad_alloc&) {
            Application::Instance().ShowError(u"Out of memory");
        } catch (const std::exception& other) {
            std::u16string text;
            for (const char* c = other.what(); *c != '\0'; ++c)
                text.push_back(static_cast<unsigned char>(*c));
            Application::Instance().ShowError(text);
        }
    } catch (...) {
        // Nothing may cross a window procedure, not even a failing error box.
    }
}

LRESULT CALLBACK Application::WindowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
    Application& self = Instance();
    switch (message) {
    case WM_ACTIVATE:
        // The taskbar button activates this window: hand the activation to the panel.
        if (LOWORD(wParam) != WA_INACTIVE && self.mainWindow_ != nullptr &&
            ::IsWindowVisible(self.mainWindow_) && !::IsIconic(window)) {
            ::SetActiveWindow(self.mainWindow_);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        // The taskbar button's minimise and restore act on the panel too.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            self.Minimize();
            return 0;
        }
        if ((wParam & 0xFFF0) == SC_RESTORE) {
            self.Restore();
            return 0;
        }
        break;
    case WM_CLOSE:
        if (self.mainWindow_ != nullptr) {
            ::PostMessageW(self.mainWindow_, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace toolkit

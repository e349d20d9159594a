#include "toolkit/form.h"

#include <windowsx.h>

#include "toolkit/application.h"
#include "toolkit/error.h"
#include "toolkit/push_button_base.h"

namespace toolkit {
namespace {

constexpr DWORD kSizeableStyle =
    WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kBorderlessStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kFrameBits =
    WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_POPUP | WS_BORDER | WS_DLGFRAME;

} // namespace

void Form::Create(const wchar_t* className, const std::wstring& caption, int clientWidth,
                  int clientHeight) {
    Application& application = Application::Instance();
    application.Initialize();
    if (application.hwnd() == nullptr)
        throw UserError(WindowCreationErrorText(Application::kClassName, ::GetLastError()));
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterOwnClass(className, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                     ::LoadIconW(instance, MAKEINTRESOURCEW(Application::kMainIconId)));
    RECT outer{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&outer, kSizeableStyle, FALSE, WS_EX_TOPMOST | WS_EX_CONTROLPARENT);
    CreateOwn({.exStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT,
               .className = className,
               .text = caption,
               .style = kSizeableStyle,
               .bounds = {.width = outer.right - outer.left, .height = outer.bottom - outer.top},
               .parent = application.hwnd()});
    application.SetMainWindow(hwnd());
}

void Form::Show() {
    ::ShowWindow(hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(hwnd());
    Application::Instance().ShowTaskbarButton();
}

RECT Form::OuterRect() const {
    RECT outer{};
    ::GetWindowRect(hwnd(), &outer);
    return outer;
}

void Form::MoveOuter(int left, int top, int width, int height) {
    ::SetWindowPos(hwnd(), nullptr, left, top, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

int Form::ClientWidth() const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    return client.right;
}

int Form::ClientHeight() const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    return client.bottom;
}

void Form::SetClientWidth(int width) {
    const RECT outer = OuterRect();
    MoveOuter(outer.left, outer.top, outer.right - outer.left + width - ClientWidth(),
              outer.bottom - outer.top);
}

void Form::SetClientHeight(int height) {
    const RECT outer = OuterRect();
    MoveOuter(outer.left, outer.top, outer.right - outer.left,
              outer.bottom - outer.top + height - ClientHeight());
}

void Form::SetLeft(int left) {
    const RECT outer = OuterRect();
    MoveOuter(left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
}

void Form::SetTop(int top) {
    const RECT outer = OuterRect();
    MoveOuter(outer.left, top, outer.right - outer.left, outer.bottom - outer.top);
}

void Form::SetWidth(int width) {
    const RECT outer = OuterRect();
    MoveOuter(outer.left, outer.top, width, outer.bottom - outer.top);
}

void Form::SetHeight(int height) {
    const RECT outer = OuterRect();
    MoveOuter(outer.left, outer.top, outer.right - outer.left, height);
}

void Form::SetBorder(Border border) {
    if (border == border_)
        return;
    border_ = border;
    LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(kFrameBits);
    style |= border == Border::Sizeable ? kSizeableStyle : kBorderlessStyle;
    ::SetWindowLongPtrW(hwnd(), GWL_STYLE, style);
    // The frame changes in place: same outer rectangle, same topmost state.
    ::SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                       SWP_NOOWNERZORDER);
    ::RedrawWindow(hwnd(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool Form::RegisterHotKey(int id, UINT modifiers, UINT virtualKey) {
    UniqueHotKey hotKey = RegisterHotKeyOwned(hwnd(), id, modifiers, virtualKey);
    if (!hotKey)
        return false;
    hotKeys_.push_back(std::move(hotKey));
    return true;
}

void Form::UnregisterHotKeys() noexcept {
    hotKeys_.clear();
}

Form::~Form() {
    for (PushButtonBase* button : pushButtons_)
        button->form_ = nullptr;
}

void Form::RegisterPushButton(PushButtonBase& button) {
    pushButtons_.push_back(&button);
}

void Form::UnregisterPushButton(PushButtonBase& button) {
    std::erase(pushButtons_, &button);
}

void Form::ChildFocused(Window& focused) {
    for (PushButtonBase* button : pushButtons_)
        button->FocusChanged(focused);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (RouteMouseDown(message, lParam, onMouseDown, onDblClick))
        return 0;
    switch (message) {
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            // The application window carries the taskbar button: minimising it hides the
            // panel with it, and restoring it brings the panel back.
            Application::Instance().Minimize();
            return 0;
        case SC_RESTORE:
            Application::Instance().Restore();
            break;
        default:
            break;
        }
        break;
    case WM_HOTKEY:
        if (onHotKey)
            Guarded([&] { onHotKey(static_cast<int>(wParam)); });
        return 0;
    case WM_CONTEXTMENU:
        if (onContextMenu) {
            std::optional<POINT> screen;
            // From the keyboard both coordinates read -1.
            if (GET_X_LPARAM(lParam) != -1 || GET_Y_LPARAM(lParam) != -1) {
                screen = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                POINT client = *screen;
                ::ScreenToClient(hwnd(), &client);
                RECT area{};
                ::GetClientRect(hwnd(), &area);
                if (!::PtInRect(&area, client))
                    break; // the title bar and frame: the system menu
            }
            const auto source = reinterpret_cast<HWND>(wParam);
            Guarded([&] { onContextMenu(source, screen); });
            return 0;
        }
        break;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_CLOSE:
        if (onClose)
            Guarded([&] { onClose(); });
        ::DestroyWindow(hwnd());
        return 0;
    case WM_DESTROY:
        UnregisterHotKeys();
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace toolkit

#include "toolkit/window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "toolkit/application.h"
#include "toolkit/error.h"
#include "toolkit/system_error.h"
#include "toolkit/wide.h"

namespace toolkit {
namespace {

Window* ReflectionTarget(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        if (wParam != 0)
            child = ::GetDlgItem(parent, static_cast<int>(wParam));
        break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        child = reinterpret_cast<HWND>(lParam);
        break;
    default:
        break;
    }
    if (child == nullptr || child == parent)
        return nullptr;
    return Window::FromHandle(child);
}

} // namespace

std::u16string WindowCreationErrorText(const wchar_t* className, unsigned long error) {
    std::u16string text = u"ウィンドウ \"";
    text += FromWide(className != nullptr ? className : L"");
    text += u"\" を作成できません。";
    text += SystemErrorText(error);
    return text;
}

bool IsMouseDown(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

MouseButton PressedButton(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

UINT SingleClickOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDBLCLK:
        return WM_LBUTTONDOWN;
    case WM_RBUTTONDBLCLK:
        return WM_RBUTTONDOWN;
    case WM_MBUTTONDBLCLK:
        return WM_MBUTTONDOWN;
    default:
        return message;
    }
}

bool RouteMouseDown(UINT message, LPARAM position, const MouseDownHandler& onMouseDown,
                    const std::function<void()>& onDblClick) {
    if (!IsMouseDown(message))
        return false;
    if (message == WM_LBUTTONDBLCLK && onDblClick)
        Guarded([&] { onDblClick(); });
    if (onMouseDown)
        Guarded([&] {
            onMouseDown(PressedButton(message), GET_X_LPARAM(position), GET_Y_LPARAM(position));
        });
    return true;
}

Window::~Window() {
    if (hwnd_ != nullptr)
        ::DestroyWindow(hwnd_);
}

Window* Window::FromHandle(HWND window) noexcept {
    // The object sits in GWLP_USERDATA, which user32 reads without a round trip to the window
    // manager (a property lookup is one, on every message). Only windows of this thread carry
    // our objects there; another process may keep anything in its own windows' user data.
    if (window == nullptr || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId())
        return nullptr;
    return reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::wstring Window::Text() const {
    const int length = ::GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void Window::SetText(const std::wstring& text) {
    // The same text again changes nothing, and setting it would cost a repaint.
    if (Text() != text)
        ::SetWindowTextW(hwnd_, text.c_str());
}

void Window::SetFont(HFONT font) {
    // A window not yet on the screen gets its first paint with the font anyway.
    ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font),
                   ::IsWindowVisible(hwnd_) ? TRUE : FALSE);
}

HFONT Window::Font() const {
    return reinterpret_cast<HFONT>(::SendMessageW(hwnd_, WM_GETFONT, 0, 0));
}

bool Window::Enabled() const {
    return ::IsWindowEnabled(hwnd_) != FALSE;
}
void Window::SetEnabled(bool enabled) {
    ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

namespace {
RECT BoundsInParent(HWND window) {
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    if (HWND parent = ::GetParent(window);
        parent != nullptr && (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}
} // namespace

int Window::Left() const {
    return BoundsInParent(hwnd_).left;
}
int Window::Top() const {
    return BoundsInParent(hwnd_).top;
}
int Window::Width() const {
    const RECT r = BoundsInParent(hwnd_);
    return r.right - r.left;
}
int Window::Height() const {
    const RECT r = BoundsInParent(hwnd_);
    return r.bottom - r.top;
}

void Window::Invalidate() {
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Window::Repaint() {
    ::InvalidateRect(hwnd_, nullptr, TRUE);
    ::UpdateWindow(hwnd_);
}

bool Window::DoubleBuffered() const {
    if (!parentDoubleBuffered_)
        return doubleBuffered_;
    const Window* parent = FromHandle(::GetParent(hwnd_));
    return parent != nullptr ? parent->DoubleBuffered() : doubleBuffered_;
}

void Window::SetDoubleBuffered(bool doubleBuffered) {
    doubleBuffered_ = doubleBuffered;
    parentDoubleBuffered_ = false;
}

bool Window::HandleReflected(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void Window::ChildFocused(Window&) {}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    if (nativeProc_ != nullptr)
        return ::CallWindowProcW(nativeProc_, hwnd_, message, wParam, lParam);
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Window::RegisterOwnClass(const wchar_t* className, UINT classStyle, HBRUSH background,
                              HICON icon) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, className, &existing))
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &Window::OwnWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    ::RegisterClassExW(&windowClass);
}

HWND Window::CreateFrom(const CreateParams& p, void* creationData) {
    const Bounds& b = p.bounds;
    HWND window =
        ::CreateWindowExW(p.exStyle, p.className, p.text.c_str(), p.style, b.x, b.y, b.width,
                          b.height, p.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.id)),
                          ::GetModuleHandleW(nullptr), creationData);
    if (window == nullptr) {
        const DWORD error = ::GetLastError();
        Detach(); // a window that got as far as WM_NCCREATE is gone again
        throw UserError(WindowCreationErrorText(p.className, error));
    }
    return window;
}

void Window::CreateOwn(const CreateParams& p) {
    CreateFrom(p, this);
}

void Window::CreateNative(const CreateParams& p) {
    HWND window = CreateFrom(p, nullptr);
    Attach(window);
    // The control's procedure is replaced rather than chained with SetWindowSubclass, which
    // keeps its chain in a window property: Wine asks its server for that property on every
    // message, and those round trips took over a third of the time from entry to the first
    // paint there.
    nativeProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::NativeWindowProc)));
}

void Window::Attach(HWND window) {
    hwnd_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Window::Detach() {
    if (hwnd_ == nullptr)
        return;
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    // Put the control's own procedure back, unless another has replaced ours since (taking
    // it out then would cut that one off too).
    if (nativeProc_ != nullptr && ::GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) ==
                                      reinterpret_cast<LONG_PTR>(&Window::NativeWindowProc))
        ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nativeProc_));
    hwnd_ = nullptr;
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (Window* target = ReflectionTarget(hwnd_, message, wParam, lParam)) {
        LRESULT result = 0;
        bool handled = false;
        // A request whose handler failed has been answered (reported); nothing handles it again.
        if (!Guarded([&] { handled = target->HandleReflected(message, wParam, lParam, result); }))
            return 0;
        if (handled)
            return result;
    }
    const LRESULT result = HandleMessage(message, wParam, lParam);
    if (message == WM_SETFOCUS) {
        HWND root = ::GetAncestor(hwnd_, GA_ROOT);
        if (Window* form = FromHandle(root); form != nullptr && form != this)
            form->ChildFocused(*this);
    }
    return result;
}

LRESULT Window::GuardedDispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    LRESULT result = 0;
    // An error is shown in the error box and the rest of the handler is skipped: the message
    // counts as handled, and no default handling runs for it a second time.
    Guarded([&] { result = Dispatch(message, wParam, lParam); });
    if (message == WM_NCDESTROY)
        Detach();
    return result;
}

LRESULT CALLBACK Window::OwnWindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self != nullptr)
            self->Attach(window);
    } else {
        self = FromHandle(window);
    }
    if (self == nullptr)
        return ::DefWindowProcW(window, message, wParam, lParam);
    return self->GuardedDispatch(message, wParam, lParam);
}

LRESULT CALLBACK Window::NativeWindowProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept {
    if (Window* self = FromHandle(window))
        return self->GuardedDispatch(message, wParam, lParam);
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace toolkit

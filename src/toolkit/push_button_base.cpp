#include "toolkit/push_button_base.h"

#include <windowsx.h>

#include "toolkit/application.h"
#include "toolkit/form.h"

namespace toolkit {

PushButtonBase::PushButtonBase() = default;

PushButtonBase::~PushButtonBase() {
    if (form_ != nullptr)
        form_->UnregisterPushButton(*this);
}

void PushButtonBase::Create(Form& form, const std::wstring& caption, Bounds bounds, int id) {
    designWidth_ = bounds.width;
    designHeight_ = bounds.height;
    CreateNative({.className = L"BUTTON",
                  .text = caption,
                  .style = WS_CHILD | WS_VISIBLE | (tabStop_ ? WS_TABSTOP : 0) | ButtonStyle(),
                  .bounds = bounds,
                  .parent = form.hwnd(),
                  .id = id});
    form.RegisterPushButton(*this);
    form_ = &form;
}

std::wstring PushButtonBase::Code() const {
    const std::wstring& full = name();
    return full.size() >= 2 ? full.substr(full.size() - 2) : full;
}

DWORD PushButtonBase::ButtonStyle() const {
    return BS_PUSHBUTTON | BS_MULTILINE;
}

void PushButtonBase::Notification(const void*, Operation) {}

void PushButtonBase::FocusChanged(Window& focused) {
    const bool focusedIsPushButton = dynamic_cast<PushButtonBase*>(&focused) != nullptr;
    SetButtonStyle(focusedIsPushButton ? &focused == this : default_);
}

void PushButtonBase::SetButtonStyle(bool active) {
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd(), GWL_STYLE));
    const DWORD type = style & BS_TYPEMASK;
    if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)
        return;
    const DWORD wanted =
        (style & ~static_cast<DWORD>(BS_TYPEMASK)) | (active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    if (wanted != style)
        ::SendMessageW(hwnd(), BM_SETSTYLE, wanted & 0xFFFF, TRUE);
}

void PushButtonBase::MouseEnter() {
    if (onMouseEnter)
        Guarded([&] { onMouseEnter(); });
}

void PushButtonBase::MouseLeave() {
    if (onMouseLeave)
        Guarded([&] { onMouseLeave(); });
}

void PushButtonBase::RaiseMouseDown(MouseButton button, LPARAM position) {
    if (onMouseDown)
        Guarded(
            [&] { onMouseDown(*this, button, GET_X_LPARAM(position), GET_Y_LPARAM(position)); });
}

LRESULT PushButtonBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
        // The platform presses the button first; the event runs while it shows pressed.
        const LRESULT result = DefaultHandling(message, wParam, lParam);
        RaiseMouseDown(PressedButton(message), lParam);
        return result;
    }
    case WM_MOUSEMOVE:
        if (!trackingMouse_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
            trackingMouse_ = ::TrackMouseEvent(&track) != FALSE;
            MouseEnter();
        }
        break;
    case WM_MOUSELEAVE:
        trackingMouse_ = false;
        MouseLeave();
        break;
    case WM_GETDLGCODE:
        // The focus-change rule, not the dialog manager, decides the default look.
        return DLGC_BUTTON;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace toolkit

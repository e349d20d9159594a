#include "toolkit/controls.h"

#include <windowsx.h>

#include "toolkit/application.h"
#include "toolkit/win_handles.h"

namespace toolkit {
namespace {
constexpr wchar_t kLabelClass[] = L"TLabel";

// Answers the reflected WM_COMMAND notification `code` by running `handler`; false for any
// other request.
bool AnswerCommand(UINT message, WPARAM wParam, WORD code, const std::function<void()>& handler,
                   LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != code)
        return false;
    if (handler)
        handler();
    result = 0;
    return true;
}
// A visible BUTTON child of the given kind (radio button, check box).
CreateParams ButtonParams(HWND parent, const std::wstring& caption, Bounds bounds, int id,
                          DWORD buttonStyle) {
    return {.className = L"BUTTON",
            .text = caption,
            .style = WS_CHILD | WS_VISIBLE | buttonStyle,
            .bounds = bounds,
            .parent = parent,
            .id = id};
}
} // namespace

// --- Label -----------------------------------------------------------------------------

void Label::Create(HWND parent, const std::wstring& caption, Bounds bounds, Align align, int id) {
    align_ = align;
    RegisterOwnClass(kLabelClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr, nullptr);
    CreateOwn({.className = kLabelClass,
               .text = caption,
               .style = WS_CHILD | WS_VISIBLE,
               .bounds = bounds,
               .parent = parent,
               .id = id});
}

void Label::SetColor(COLORREF color) {
    color_ = color;
    Invalidate();
}

void Label::Paint(HDC dc) {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    const std::wstring text = Text();
    const UniqueSelection font = font_ != nullptr ? Select(dc, font_) : UniqueSelection();
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, color_ == CLR_INVALID ? ::GetSysColor(COLOR_WINDOWTEXT) : color_);
    const UINT format = (align_ == Align::Center ? DT_CENTER : DT_LEFT) | DT_NOCLIP;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (RouteMouseDown(message, lParam, onMouseDown, onDblClick))
        return 0;
    switch (message) {
    case WM_PAINT: {
        const UniquePaint paint = BeginPaintScope(hwnd());
        Paint(paint.get());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam) != 0)
            Invalidate();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
        const LRESULT result = DefaultHandling(message, wParam, lParam);
        Invalidate();
        return result;
    }
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

// --- Radio buttons ---------------------------------------------------------------------

void RadioGroup::Add(RadioButton& button) {
    buttons_.push_back(&button);
}

void RadioGroup::Check(RadioButton& checked) {
    for (RadioButton* button : buttons_) {
        const bool isChecked = button == &checked;
        ::SendMessageW(button->hwnd(), BM_SETCHECK, isChecked ? BST_CHECKED : BST_UNCHECKED, 0);
        LONG_PTR style = ::GetWindowLongPtrW(button->hwnd(), GWL_STYLE);
        style = isChecked ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        ::SetWindowLongPtrW(button->hwnd(), GWL_STYLE, style);
    }
}

void RadioButton::Create(HWND parent, RadioGroup& group, const std::wstring& caption, Bounds bounds,
                         bool checked, int id) {
    group_ = &group;
    // Each radio checks itself and unchecks its group through RadioGroup, so the platform's
    // own group search (WS_GROUP boundaries) plays no part.
    CreateNative(ButtonParams(parent, caption, bounds, id, BS_RADIOBUTTON));
    group.Add(*this);
    if (checked)
        group.Check(*this);
}

bool RadioButton::Checked() const {
    return ::SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool RadioButton::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    return AnswerCommand(
        message, wParam, BN_CLICKED,
        [this] {
            if (group_ != nullptr)
                group_->Check(*this);
        },
        result);
}

// --- Check box -------------------------------------------------------------------------

void CheckBox::Create(HWND parent, const std::wstring& caption, Bounds bounds, int id) {
    CreateNative(ButtonParams(parent, caption, bounds, id, BS_AUTOCHECKBOX));
}

bool CheckBox::Checked() const {
    return ::SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    if (checked == Checked())
        return;
    ::SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick)
        onClick();
}

bool CheckBox::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    return AnswerCommand(message, wParam, BN_CLICKED, onClick, result);
}

// --- Drop-down list --------------------------------------------------------------------

void ComboBox::Create(HWND parent, Bounds bounds, int id) {
    // The closed list takes its height from its font; the rest is the dropped-down list.
    CreateNative({.className = L"COMBOBOX",
                  .style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST,
                  .bounds = {bounds.x, bounds.y, bounds.width, bounds.height + 200},
                  .parent = parent,
                  .id = id});
}

void ComboBox::AddItem(const std::wstring& text) {
    ::SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ComboBox::ItemCount() const {
    return static_cast<int>(::SendMessageW(hwnd(), CB_GETCOUNT, 0, 0));
}

std::wstring ComboBox::ItemText(int index) const {
    const LRESULT length = ::SendMessageW(hwnd(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(hwnd(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int ComboBox::ItemIndex() const {
    const LRESULT index = ::SendMessageW(hwnd(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void ComboBox::SetItemIndex(int index) {
    // An index outside the list leaves no selection (-1 clears it explicitly: not every
    // platform clears it for an index past the end).
    const bool inside = index >= 0 && index < ItemCount();
    ::SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(inside ? index : -1), 0);
}

bool ComboBox::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    return AnswerCommand(message, wParam, CBN_SELCHANGE, onChange, result);
}

} // namespace toolkit

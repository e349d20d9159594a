#include "toolkit/popup_menu.h"

namespace toolkit {
namespace {

// A single "&" would underline the next character.
std::wstring Literal(const std::wstring& text) {
    std::wstring escaped;
    for (wchar_t c : text) {
        if (c == L'&')
            escaped.push_back(L'&');
        escaped.push_back(c);
    }
    return escaped;
}

} // namespace

PopupMenu::PopupMenu() : menu_(::CreatePopupMenu()) {}

void PopupMenu::AddItem(UINT id, const std::wstring& text) {
    ::AppendMenuW(menu_.get(), MF_STRING, id, Literal(text).c_str());
}

void PopupMenu::AddInfo(const std::wstring& text) {
    ::AppendMenuW(menu_.get(), MF_STRING | MF_DISABLED, 0, Literal(text).c_str());
}

void PopupMenu::AddSeparator() {
    ::AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr);
}

void PopupMenu::AddSubmenu(const std::wstring& text, PopupMenu submenu) {
    if (::AppendMenuW(menu_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.handle()),
                      Literal(text).c_str()))
        submenu.menu_.release(); // destroyed with this menu now
}

UINT PopupMenu::Track(HWND owner, POINT screen) const {
    // Without the foreground the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(owner);
    const BOOL chosen =
        ::TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x,
                         screen.y, 0, owner, nullptr);
    // Lets the menu's own clean-up run before the owner goes on.
    ::PostMessageW(owner, WM_NULL, 0, 0);
    return static_cast<UINT>(chosen);
}

} // namespace toolkit

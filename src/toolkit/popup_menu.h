// A popup menu built in code and shown at a point, waiting for the user's choice.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/win_handles.h"

namespace toolkit {

class PopupMenu {
public:
    PopupMenu();

    // Texts are shown as given: "&" is no mnemonic marker, and "\t" starts the right column.
    void AddItem(UINT id, const std::wstring& text);
    // An item that cannot be chosen: for information only.
    void AddInfo(const std::wstring& text);
    void AddSeparator();
    void AddSubmenu(const std::wstring& text, PopupMenu submenu);

    HMENU handle() const noexcept { return menu_.get(); }

    // Shows the menu with its corner at `screen` for `owner`, which takes the foreground, and
    // returns the id chosen, or 0 when the menu was dismissed.
    UINT Track(HWND owner, POINT screen) const;

private:
    UniqueMenu menu_;
};

} // namespace toolkit

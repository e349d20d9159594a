// The game link over the real Win32 calls.
#pragma once

#include <windows.h>

#include "link/game_link_port.h"

namespace quarnel {

inline HWND ToHwnd(LinkWindow window) {
    return reinterpret_cast<HWND>(window);
}
inline LinkWindow ToLinkWindow(HWND window) {
    return reinterpret_cast<LinkWindow>(window);
}

class Win32GameLinkPort final : public GameLinkPort {
public:
    // The clipboard is opened in the name of `clipboardOwner`.
    explicit Win32GameLinkPort(HWND clipboardOwner) : clipboardOwner_(clipboardOwner) {}

    LinkWindow FindTopLevel(std::u16string_view className) override;
    LinkWindow FindChild(LinkWindow parent, std::u16string_view className) override;
    std::vector<LinkWindow> VisibleUnownedTopLevels() override;
    std::u16string Caption(LinkWindow window) override;
    std::u16string ClassName(LinkWindow window) override;
    std::u16string ProcessImagePath(LinkWindow window) override;
    void BringToTop(LinkWindow window) override;
    void PostSetFocus(LinkWindow window) override;
    void AwaitInFront(LinkWindow window) override;
    std::uint32_t MapVirtualKeyToScanCode(std::uint32_t virtualKey) override;
    void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    void Sleep(std::uint32_t milliseconds) override;

    bool OpenClipboard() override;
    std::u16string LastErrorDescription() override;
    LinkBlock AllocateBlock(std::size_t bytes) override;
    bool FillBlock(LinkBlock block, std::u16string_view units) override;
    void FreeBlock(LinkBlock block) override;
    void EmptyClipboard() override;
    bool SetUnicodeTextData(LinkBlock block) override;
    void CloseClipboard() override;

private:
    HWND clipboardOwner_;
};

} // namespace quarnel

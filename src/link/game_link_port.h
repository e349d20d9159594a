// The narrow port through which a delivery reaches the platform: window lookup, raising,
// synthesised keys, sleeping and the clipboard. The real one is Win32GameLinkPort; tests use
// a recording fake. Each operation is one platform call, so the order of calls a delivery
// makes is the order of the platform calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

// Opaque platform handles; portable code only compares them with null and passes them on.
using LinkWindow = struct LinkWindowTag*;
using LinkBlock = struct LinkBlockTag*;

inline constexpr std::uint32_t kKeyEventKeyUp = 2; // KEYEVENTF_KEYUP

class GameLinkPort {
public:
    virtual ~GameLinkPort() = default;

    // FindWindowW(className, no caption): the first top-level window of the class, or null.
    virtual LinkWindow FindTopLevel(std::u16string_view className) = 0;
    // FindWindowExW(parent, no start child, className, no caption).
    virtual LinkWindow FindChild(LinkWindow parent, std::u16string_view className) = 0;
    // The visible, unowned top-level windows, top of the Z-order first.
    virtual std::vector<LinkWindow> VisibleUnownedTopLevels() = 0;
    // The window's caption, or empty.
    virtual std::u16string Caption(LinkWindow window) = 0;
    // The window's class name, or empty.
    virtual std::u16string ClassName(LinkWindow window) = 0;
    // The full path of the image of the process that owns the window, or empty when the
    // process cannot be asked (it has ended, or it runs with more rights than we have).
    virtual std::u16string ProcessImagePath(LinkWindow window) = 0;
    // BringWindowToTop; the result does not matter.
    virtual void BringToTop(LinkWindow window) = 0;
    // PostMessageW(window, WM_SETFOCUS, 0, 0); the result does not matter.
    virtual void PostSetFocus(LinkWindow window) = 0;
    // Waits, for a moment at most, until the raised window is the foreground window and its
    // thread has taken the activation in: it has answered a message sent a little later.
    virtual void AwaitInFront(LinkWindow window) = 0;
    // MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC).
    virtual std::uint32_t MapVirtualKeyToScanCode(std::uint32_t virtualKey) = 0;
    // keybd_event(virtualKey, scanCode, flags, 0).
    virtual void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;
    // Blocks the calling thread.
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // OpenClipboard with the application window as the owner.
    virtual bool OpenClipboard() = 0;
    // The system's description of the last error (taken right after a failed call), as it is
    // quoted inside a sentence: without a closing line break and full stop.
    virtual std::u16string LastErrorDescription() = 0;
    // GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes); null on failure.
    virtual LinkBlock AllocateBlock(std::size_t bytes) = 0;
    // GlobalLock, copy of the code units, GlobalUnlock; false when the lock fails.
    virtual bool FillBlock(LinkBlock block, std::u16string_view units) = 0;
    virtual void FreeBlock(LinkBlock block) = 0;
    virtual void EmptyClipboard() = 0;
    // SetClipboardData(CF_UNICODETEXT, block); false when the clipboard refuses the block.
    virtual bool SetUnicodeTextData(LinkBlock block) = 0;
    virtual void CloseClipboard() = 0;
};

} // namespace quarnel

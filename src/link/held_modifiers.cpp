#include "link/held_modifiers.h"

#include <windows.h>

#include "link/modifier_release.h"
#include "link/win32_port.h"

namespace quarnel {
namespace {

class Win32ModifierKeys final : public ModifierKeys {
public:
    bool IsDown(std::uint8_t virtualKey) override { return ::GetAsyncKeyState(virtualKey) < 0; }

    void Send(const KeyStroke& stroke) override {
        const auto scanCode =
            static_cast<BYTE>(::MapVirtualKeyW(stroke.virtualKey, MAPVK_VK_TO_VSC) & 0xFF);
        DWORD flags = stroke.keyUp ? KEYEVENTF_KEYUP : 0;
        if (stroke.extended)
            flags |= KEYEVENTF_EXTENDEDKEY;
        ::keybd_event(stroke.virtualKey, scanCode, flags, 0);
    }

    // As a delivery's pauses: what other programs send this thread is answered meanwhile.
    void Wait(std::uint32_t milliseconds) override { pauses_.Sleep(milliseconds); }

private:
    Win32GameLinkPort pauses_{nullptr};
};

} // namespace

void LetGoOfHeldModifiers() {
    Win32ModifierKeys keys;
    LetGoOfModifiers(keys);
}

} // namespace quarnel

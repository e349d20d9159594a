#include "link/held_modifiers.h"

#include <windows.h>

#include "link/modifier_release.h"

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

    // Sent messages are answered while waiting (another program reading the clipboard that
    // this program owns asks this thread); posted ones wait for the message loop.
    void Wait(std::uint32_t milliseconds) override {
        const ULONGLONG end = ::GetTickCount64() + milliseconds;
        for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
            ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_SENDMESSAGE,
                                          0);
            MSG message;
            ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
};

} // namespace

void LetGoOfHeldModifiers() {
    Win32ModifierKeys keys;
    LetGoOfModifiers(keys);
}

} // namespace quarnel

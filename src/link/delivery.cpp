#include "link/delivery.h"

#include <string>

#include "toolkit/error.h"
#include "toolkit/scope_guard.h"
#include "toolkit/unique_handle.h"

namespace quarnel {
namespace {

struct FreeBlockThrough {
    GameLinkPort* port = nullptr;
    void operator()(LinkBlock block) const noexcept { port->FreeBlock(block); }
};
using OwnedBlock = toolkit::UniqueHandle<LinkBlock, FreeBlockThrough>;

std::u16string ClipboardOpenErrorText(std::u16string description) {
    std::u16string text(kClipboardOpenError);
    text.replace(text.find(u"%s"), 2, description);
    return text;
}

// One key event with the key's own scan code, looked up right before the event.
void TypeKey(GameLinkPort& port, std::uint8_t virtualKey, std::uint32_t flags) {
    const auto scanCode =
        static_cast<std::uint8_t>(port.MapVirtualKeyToScanCode(virtualKey) & 0xFF);
    port.KeyEvent(virtualKey, scanCode, flags);
}

void PressAndRelease(GameLinkPort& port, std::uint8_t virtualKey) {
    TypeKey(port, virtualKey, 0);
    TypeKey(port, virtualKey, kKeyEventKeyUp);
}

void PasteIntoPrimary(GameLinkPort& port, LinkWindow top, LinkWindow child) {
    port.BringToTop(top);
    // The child carries the chat line; without one the message simply reaches no window.
    port.PostSetFocus(child);
    TypeKey(port, kVkControl, 0);
    PressAndRelease(port, kVkV);
    TypeKey(port, kVkControl, kKeyEventKeyUp);
    port.Sleep(kPrimaryPauseMs);
    PressAndRelease(port, kVkReturn);
    port.Sleep(kPrimaryPauseMs);
    PressAndRelease(port, kVkReturn);
    port.BringToTop(port.FindTopLevel(kPanelClass));
}

void PasteIntoFallback(GameLinkPort& port) {
    for (LinkWindow window : port.VisibleUnownedTopLevels()) {
        if (port.Caption(window).find(kFallbackMarker) == std::u16string::npos)
            continue;
        // The marked window only says that a fallback client runs; the keys go to its
        // UOWIN window, found by class alone.
        if (LinkWindow target = port.FindTopLevel(kFallbackTargetClass)) {
            port.BringToTop(target);
            port.Sleep(kFallbackPauseMs);
            port.KeyEvent(kVkReturn, 0, 0);
            port.KeyEvent(kVkReturn, 0, kKeyEventKeyUp);
        }
        return;
    }
}

} // namespace

void PutOnClipboard(GameLinkPort& port, std::u16string_view text) {
    if (!port.OpenClipboard())
        throw toolkit::UserError(ClipboardOpenErrorText(port.LastErrorDescription()));
    const toolkit::ScopeGuard closeClipboard([&]() noexcept { port.CloseClipboard(); });

    std::u16string units(text);
    units.push_back(u'\0');
    OwnedBlock block(port.AllocateBlock(units.size() * sizeof(char16_t)), FreeBlockThrough{&port});
    if (!block || !port.FillBlock(block.get(), units))
        throw toolkit::UserError(std::u16string(kResourceError));
    port.EmptyClipboard();
    if (!port.SetUnicodeTextData(block.get()))
        throw toolkit::UserError(std::u16string(kResourceError)); // block freed, then closed
    block.release();                                              // the clipboard owns it now
}

void PasteIntoGameClient(GameLinkPort& port) {
    LinkWindow top = port.FindTopLevel(kPrimaryClientClass);
    LinkWindow child = port.FindChild(top, kPrimaryClientClass);
    if (top != nullptr || child != nullptr)
        PasteIntoPrimary(port, top, child);
    else
        PasteIntoFallback(port);
}

} // namespace quarnel

#include "link/delivery.h"

#include <string>
#include <vector>

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

// Ctrl+V, then Enter twice with the pauses in between: the classic client and Orion.
void TypePasteAndTwoEnters(GameLinkPort& port) {
    TypeKey(port, kVkControl, 0);
    PressAndRelease(port, kVkV);
    TypeKey(port, kVkControl, kKeyEventKeyUp);
    port.Sleep(kPrimaryPauseMs);
    PressAndRelease(port, kVkReturn);
    port.Sleep(kPrimaryPauseMs);
    PressAndRelease(port, kVkReturn);
}

void PasteIntoPrimary(GameLinkPort& port, LinkWindow top, LinkWindow child, RaisePanel raisePanel) {
    port.BringToTop(top);
    // The child carries the chat line; without one the message simply reaches no window.
    port.PostSetFocus(child);
    port.AwaitInFront(top);
    TypePasteAndTwoEnters(port);
    if (raisePanel == RaisePanel::Yes)
        port.BringToTop(port.FindTopLevel(kPanelClass));
}

// ClassicUO's chat line may be closed (with "Enter opens the chat" on) and pastes only while
// open. Shift+Enter opens a closed line and leaves an open one open, Ctrl+V pastes, and the
// plain Enter says the text; with the option on it also closes the line again, so a player who
// keeps the chat closed finds it closed afterwards. Text the player had typed into an open
// line is said by the first Shift+Enter, on its own, rather than joined to the command.
void PasteIntoClassicUo(GameLinkPort& port, LinkWindow window) {
    port.BringToTop(window);
    port.AwaitInFront(window);
    TypeKey(port, kVkShift, 0);
    PressAndRelease(port, kVkReturn);
    TypeKey(port, kVkShift, kKeyEventKeyUp);
    port.Sleep(kPrimaryPauseMs);
    TypeKey(port, kVkControl, 0);
    PressAndRelease(port, kVkV);
    TypeKey(port, kVkControl, kKeyEventKeyUp);
    port.Sleep(kPrimaryPauseMs);
    PressAndRelease(port, kVkReturn);
}

GameClient ClientOf(GameLinkPort& port, LinkWindow window, std::u16string_view caption) {
    const std::u16string className = port.ClassName(window);
    if (className == kOrionClientClass)
        return GameClient::Orion;
    // Every SDL program has this class: the caption, or else the process image, decides.
    if (className == kSdlWindowClass &&
        (IsClassicUoCaption(caption) || IsClassicUoImage(port.ProcessImagePath(window))))
        return GameClient::ClassicUo;
    return GameClient::None;
}

GameClient PasteIntoGameClientOfToday(GameLinkPort& port, const std::vector<LinkWindow>& windows,
                                      const std::vector<std::u16string>& captions) {
    // The top of the Z-order first: the client that was in front last.
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const GameClient client = ClientOf(port, windows[i], captions[i]);
        if (client == GameClient::ClassicUo) {
            PasteIntoClassicUo(port, windows[i]);
            return client;
        }
        if (client == GameClient::Orion) {
            // A single window with no chat child: activating it gives it the keys.
            port.BringToTop(windows[i]);
            port.AwaitInFront(windows[i]);
            TypePasteAndTwoEnters(port);
            return client;
        }
    }
    return GameClient::None;
}

// The "UOSA " client, else today's clients, over one list of the visible, unowned windows.
GameClient PasteIntoOtherClients(GameLinkPort& port) {
    const std::vector<LinkWindow> windows = port.VisibleUnownedTopLevels();
    std::vector<std::u16string> captions;
    captions.reserve(windows.size());
    for (LinkWindow window : windows) {
        captions.push_back(port.Caption(window));
        if (captions.back().find(kFallbackMarker) == std::u16string::npos)
            continue;
        // The marked window only says that a fallback client runs; the keys go to its
        // UOWIN window, found by class alone.
        if (LinkWindow target = port.FindTopLevel(kFallbackTargetClass)) {
            port.BringToTop(target);
            port.Sleep(kFallbackPauseMs);
            port.KeyEvent(kVkReturn, 0, 0);
            port.KeyEvent(kVkReturn, 0, kKeyEventKeyUp);
            return GameClient::Fallback;
        }
        return GameClient::None;
    }
    return PasteIntoGameClientOfToday(port, windows, captions);
}

bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    auto lower = [](char16_t unit) {
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
    };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
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

bool IsClassicUoCaption(std::u16string_view caption) {
    return caption.starts_with(kClassicUoCaptionStart) ||
           caption.find(kClassicUoCaptionMark) != std::u16string_view::npos;
}

bool IsClassicUoImage(std::u16string_view imagePath) {
    const std::size_t slash = imagePath.find_last_of(u"\\/");
    const std::u16string_view name =
        slash == std::u16string_view::npos ? imagePath : imagePath.substr(slash + 1);
    return EqualsIgnoringAsciiCase(name, kClassicUoImage);
}

GameClient PasteIntoGameClient(GameLinkPort& port, RaisePanel raisePanel) {
    LinkWindow top = port.FindTopLevel(kPrimaryClientClass);
    LinkWindow child = port.FindChild(top, kPrimaryClientClass);
    if (top != nullptr || child != nullptr) {
        PasteIntoPrimary(port, top, child, raisePanel);
        return GameClient::Primary;
    }
    return PasteIntoOtherClients(port);
}

} // namespace quarnel

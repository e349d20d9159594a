// Delivery of one command text into the game client, over a GameLinkPort: the clipboard
// half and the find-raise-type half. Both run on the GUI thread and block it during pauses.
#pragma once

#include <string_view>

#include "link/game_link_port.h"
#include "panel_identity.h"

namespace quarnel {

inline constexpr std::u16string_view kPrimaryClientClass = u"Ultima Online";
inline constexpr std::u16string_view kFallbackMarker = u"UOSA ";
inline constexpr std::u16string_view kFallbackTargetClass = u"UOWIN";
inline constexpr std::u16string_view kPanelClass = kPanelClassName;

inline constexpr std::uint32_t kPrimaryPauseMs = 100;
inline constexpr std::uint32_t kFallbackPauseMs = 300;

inline constexpr std::uint8_t kVkControl = 0x11;
inline constexpr std::uint8_t kVkV = 0x56;
inline constexpr std::uint8_t kVkReturn = 0x0D;

inline constexpr std::u16string_view kClipboardOpenError = u"クリップボード %s を開けません";
inline constexpr std::u16string_view kResourceError = u"システム リソース不足です";

// Puts the text, and only it, on the clipboard as Unicode text. Throws toolkit::UserError
// when the clipboard cannot be opened or refuses the data; the clipboard is closed on every
// path.
void PutOnClipboard(GameLinkPort& port, std::u16string_view text);

// Finds the game client (primary, else fallback), raises it and types the paste and Enter
// keys. Failures on the client side are not reported.
void PasteIntoGameClient(GameLinkPort& port);

} // namespace quarnel

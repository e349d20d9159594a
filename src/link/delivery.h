// Delivery of one command text into the game client, over a GameLinkPort: the clipboard
// half and the find-raise-type half. Both run on the GUI thread and block it during pauses.
#pragma once

#include <string_view>

#include "link/game_link_port.h"
#include "link/virtual_keys.h"
#include "panel_identity.h"

namespace quarnel {

inline constexpr std::u16string_view kPrimaryClientClass = u"Ultima Online";
inline constexpr std::u16string_view kFallbackMarker = u"UOSA ";
inline constexpr std::u16string_view kFallbackTargetClass = u"UOWIN";
inline constexpr std::u16string_view kPanelClass = kPanelClassName;

// ClassicUO: SDL's default window class, shared by every SDL program, so the caption or the
// process image has to say that it is ClassicUO.
inline constexpr std::u16string_view kSdlWindowClass = u"SDL_app";
inline constexpr std::u16string_view kClassicUoCaptionMark = u" - ClassicUO";
inline constexpr std::u16string_view kClassicUoCaptionStart = u"ClassicUO";
inline constexpr std::u16string_view kClassicUoImage = u"ClassicUO.exe";
inline constexpr std::u16string_view kOrionClientClass = u"Orion UO Client";

inline constexpr std::uint32_t kPrimaryPauseMs = 100;
inline constexpr std::uint32_t kFallbackPauseMs = 300;

inline constexpr std::u16string_view kClipboardOpenError = u"クリップボード %s を開けません";
inline constexpr std::u16string_view kResourceError = u"システム リソース不足です";

// The kinds of game client a delivery can reach.
enum class GameClient { None, Primary, Fallback, ClassicUo, Orion };

// Puts the text, and only it, on the clipboard as Unicode text. Throws toolkit::UserError
// when the clipboard cannot be opened or refuses the data; the clipboard is closed on every
// path.
void PutOnClipboard(GameLinkPort& port, std::u16string_view text);

// A caption that ClassicUO shows: "ClassicUO - 1.0" before login, "Name - ClassicUO - 1.0"
// in the world (plug-ins change the part before the mark). Case-sensitive.
bool IsClassicUoCaption(std::u16string_view caption);
// An image path whose file name is ClassicUO.exe, in any letter case, as Windows compares
// file names.
bool IsClassicUoImage(std::u16string_view imagePath);

// Whether a classic-client delivery ends by raising the panel again. A delivery started by a
// hotkey leaves the game in front: the panel stays visible on top anyway, and the player's
// next key belongs to the game.
enum class RaisePanel { Yes, No };

// Finds the game client and types the keys that make it say the clipboard's text: the
// classic client ("Ultima Online"), else the "UOSA " client, else the top-most ClassicUO or
// Orion window. Answers the client that got the keys, None when no key was typed. Failures
// on the client side are not reported.
GameClient PasteIntoGameClient(GameLinkPort& port, RaisePanel raisePanel = RaisePanel::Yes);

} // namespace quarnel

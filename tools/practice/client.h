// The practice client's state: one object, owned by wWinMain, that its windows reach through
// their GWLP_USERDATA.
#pragma once

#include <windows.h>

#include <deque>
#include <string>

#include "classicuo_chat.h"
#include "command_line.h"
#include "event_log.h"
#include "ship.h"

namespace practice {

// Below the sea: the status line, the lines received, then the chat line.
constexpr int kChatHeight = 26;
constexpr int kMaxShownLines = 8;
constexpr int kChatTop = kSeaHeight + 24 + 16 * kMaxShownLines;

// A key of the EDIT chat line or the fallback's Enter, run in key order: one that needs the
// clipboard waits until its read is done (ready).
struct ChatAction {
    enum class Kind { Paste, Submit, SubmitClipboard } kind;
    unsigned id = 0;
    bool ready = false;
    std::wstring text;
};

struct Client {
    Options options;
    EventLog log;
    HWND top = nullptr;
    HWND chatHolder = nullptr;
    HWND chat = nullptr;
    WNDPROC chatProc = nullptr;
    HWND hiddenTwin = nullptr;
    Ship ship;
    std::deque<Position> wake;       // the ship's recent positions, oldest first
    std::deque<std::wstring> obeyed; // the last phrases the crew acted on, oldest first
    std::deque<std::wstring> lines;
    std::wstring understood = L"waiting for commands";
    // The line the client draws itself (ClassicUO, Orion, decoy), and ClassicUO's rules.
    std::wstring ownLine;
    ClassicUoChat classicChat{false, false};
    std::deque<ChatAction> actions;
    unsigned nextReadId = 1;
};

// The client a window of it belongs to; null before the window knows it.
inline Client* ClientOf(HWND window) {
    return reinterpret_cast<Client*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace practice

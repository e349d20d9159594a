// The chat line of the clients that draw their own (ClassicUO, Orion, the decoy): no EDIT
// control in them, the keys go straight to the top-level window.
#pragma once

#include <windows.h>

#include "client.h"

namespace practice {

// Orion and the decoy, on characters: 0x16 pastes the clipboard (read on this thread), '\r'
// submits, Backspace erases. Answers true for the messages it takes.
bool OwnLineInput(Client& client, UINT message, WPARAM wParam);
void RedrawOwnChatLine(const Client& client);
void PaintOwnChatLine(const Client& client, HDC dc);

} // namespace practice

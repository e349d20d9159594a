// The chat line of the classic client, a plain EDIT control in the chat holder, and the
// fallback's Enter, which says the clipboard's text. Their actions run in key order.
#pragma once

#include <windows.h>

#include <string>

#include "client.h"

namespace practice {

// The EDIT chat line inside the chat holder, in client.chat.
void CreateEditChat(Client& client, HINSTANCE instance);
// Paste or submit the clipboard's text, read at once or (--worker-paste) on a worker thread.
void QueueClipboardAction(Client& client, ChatAction::Kind kind);
// A worker's read is done (kClipboardRead): runs the actions it held up. Deletes text.
void ClipboardReadDone(Client& client, unsigned id, std::wstring* text);

} // namespace practice

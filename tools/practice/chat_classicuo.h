// ClassicUO's chat line as the practice client plays it: SDL hands its window the key events
// (Enter, Ctrl+V) and the text input, from which control characters are dropped.
#pragma once

#include <windows.h>

#include "client.h"

namespace practice {

// Answers true for the messages it takes.
bool ClassicUoInput(Client& client, UINT message, WPARAM wParam);

} // namespace practice

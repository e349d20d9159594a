// The client's main window: the sea with the ship, its wake and logbook, the status line and
// the lines received.
#pragma once

#include <windows.h>

#include <string>

#include "client.h"

namespace practice {

// A submitted line: logged, listed, and obeyed by the ship if it is a phrase it knows.
void Receive(Client& client, const std::wstring& line);
// One tick of the sail timer.
void Sail(Client& client);
void PaintClient(const Client& client, HWND window);

} // namespace practice

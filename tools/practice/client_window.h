// The client's windows, as each mode lays them out, and their window procedure.
#pragma once

#include <windows.h>

#include "client.h"

namespace practice {

// Registers the mode's class, creates its windows, starts the sail timer and shows the main
// window without activating it.
void CreateWindows(Client& client, HINSTANCE instance);

} // namespace practice

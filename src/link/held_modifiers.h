// The hotkey's modifier keys let go of before the game client is typed into (see
// modifier_release.h), over the real keyboard.
#pragma once

namespace quarnel {

void LetGoOfHeldModifiers();

} // namespace quarnel

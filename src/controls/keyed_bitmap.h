// Draws a picture through GDI+ with every pixel of its top-left pixel's colour left out.
#pragma once

#include <windows.h>

#include "toolkit/canvas.h"

namespace quarnel {

// Draws `picture` (not selected into any DC) at `position` on the canvas at its own size.
// Pictures that cannot be decoded are not drawn. Throws toolkit::UserError ("Could not
// allocate memory for image") when no global memory block can be had for it.
void DrawKeyedBitmap(toolkit::Canvas& canvas, POINT position, HBITMAP picture);

// GlobalAlloc, replaceable so tests can refuse the memory; nullptr restores GlobalAlloc.
using GlobalAllocator = HGLOBAL (*)(UINT flags, SIZE_T bytes);
void SetGlobalAllocator(GlobalAllocator allocator);

} // namespace quarnel

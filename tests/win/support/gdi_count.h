// How many GDI objects this process holds.
#pragma once

#include <windows.h>

namespace testing_support {

// GetGuiResources(GR_GDIOBJECTS) where the platform answers it. Wine answers 0; there the
// live entries of the process's GDI handle table (PEB GdiSharedHandleTable) are counted.
DWORD GdiObjectCount();

} // namespace testing_support

#include "app/single_instance.h"

#include <windows.h>

#include "panel_identity.h"
#include "toolkit/wide.h"

namespace quarnel {

bool AnotherInstanceRuns() {
    // Never released or closed: the open handle marks this instance as running until the
    // process ends and the system drops it.
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    return mutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

void SignalRunningInstance() {
    // Sent and made foreground even when nothing was found: both then have no effect.
    HWND panel = ::FindWindowW(toolkit::AsWide(kPanelClassName), nullptr);
    ::SendMessageW(panel, WM_SYSCOMMAND, SC_RESTORE, 0);
    ::SetForegroundWindow(panel);
}

} // namespace quarnel

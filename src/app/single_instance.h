// One panel per logon session: the named mutex, and the signal a second start sends to the
// running panel.
#pragma once

namespace quarnel {

inline constexpr wchar_t kInstanceMutexName[] = L"QuarnelHelm";

// Creates (or opens) the instance mutex and keeps it for the life of the process. Returns
// true when another process created it first. A failure to create it counts as a first start.
bool AnotherInstanceRuns();

// Restores the running panel and brings it to the front (found by its window class alone).
void SignalRunningInstance();

} // namespace quarnel

// Reading the clipboard's Unicode text, on the window thread or on a worker thread.
//
// Under Wine every OpenClipboard first asks the clipboard's owner (the panel) to bring the X
// selection up to date, and the panel sleeps during a delivery. Reading on a worker thread
// keeps the window thread taking the keys that follow, which Wine would otherwise hand to the
// window in front by the time they were read.
#pragma once

#include <windows.h>

#include <string>

#include "event_log.h"

namespace practice {

// Posted to the reader's window when a worker's read is done: wParam the read's id, lParam a
// new std::wstring with the text, which the receiver deletes.
constexpr UINT kClipboardRead = WM_APP + 1;

// Waits up to two seconds for the clipboard; logs "clipboard busy" and gives "" if it stays
// closed.
std::wstring ReadClipboardText(EventLog& log);
void ReadClipboardOnWorker(EventLog& log, HWND target, unsigned id);
// Keeps Wine's view of the clipboard fresh from a thread of its own, for the worker reads.
void KeepClipboardViewFresh();

} // namespace practice

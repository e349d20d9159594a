// The commands tools/soak.sh uses (see the usage in winhelper.cpp for their arguments).
#pragma once

#include <string>
#include <vector>

namespace winhelper {

// "gdi N user N": the GDI and USER objects of the process that owns the class's window.
int Gui(const std::wstring& className);
// Presses the buttons `ids` in turn by posted clicks, `rounds` times, and waits for each line
// in the practice client's `log`.
int Deliver(const std::wstring& className, const std::wstring& log, int rounds,
            const std::vector<int>& ids);
// `count` visible top-level windows, closing and opening one every few ms for `seconds` or
// until a window of the class `stop` appears.
int Crowd(int count, int seconds, const std::wstring& stop);
// Closes the class's window and kills its process at a random moment up to the bound.
int CloseAndKill(const std::wstring& className, long long maxMicroseconds, unsigned seed);
// Holds the clipboard open while pressing button `id` `rounds` times; counts the error boxes.
int ClipboardBusy(const std::wstring& className, int id, int rounds, const std::wstring& title);

} // namespace winhelper

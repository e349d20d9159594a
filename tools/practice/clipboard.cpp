#include "clipboard.h"

#include <thread>

namespace practice {

std::wstring ReadClipboardText(EventLog& log) {
    std::wstring text;
    // Another program may hold the clipboard open for a moment.
    bool open = false;
    for (int attempt = 0; attempt < 100 && !(open = ::OpenClipboard(nullptr)); ++attempt)
        ::Sleep(20);
    if (!open) {
        log.Write("clipboard busy");
        return text;
    }
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = units;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

void ReadClipboardOnWorker(EventLog& log, HWND target, unsigned id) {
    std::thread([&log, target, id] {
        auto* text = new std::wstring(ReadClipboardText(log));
        if (!::PostMessageW(target, kClipboardRead, id, reinterpret_cast<LPARAM>(text)))
            delete text;
    }).detach();
}

// Wine skips that question for two seconds after an answer, and CountClipboardFormats asks it
// without opening the clipboard: asking twice a second from a thread of its own lets the
// paste read the clipboard at once, before the panel puts the next text there.
void KeepClipboardViewFresh() {
    std::thread([] {
        for (;;) {
            ::CountClipboardFormats();
            ::Sleep(500);
        }
    }).detach();
}

} // namespace practice

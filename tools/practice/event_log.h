// The practice client's log: one UTF-8 line per event, flushed at once, for the end-to-end
// scripts that read it while the client runs.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace practice {

bool IsKeyMessage(UINT message);

class EventLog {
public:
    EventLog() = default;
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;
    ~EventLog();

    // Appends to the file at path; without one (or if it cannot be opened) nothing is logged.
    void Open(const std::wstring& path);
    void Write(const std::string& line);
    // "key down VK SCAN" or "key up VK SCAN", both in hex.
    void Key(UINT message, WPARAM wParam, LPARAM lParam);

private:
    FILE* file_ = nullptr;
};

} // namespace practice

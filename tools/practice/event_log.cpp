#include "event_log.h"

namespace practice {

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

EventLog::~EventLog() {
    if (file_ != nullptr)
        std::fclose(file_);
}

void EventLog::Open(const std::wstring& path) {
    file_ = _wfopen(path.c_str(), L"ab");
}

void EventLog::Write(const std::string& line) {
    if (file_ == nullptr)
        return;
    std::fprintf(file_, "%s\n", line.c_str());
    std::fflush(file_);
}

void EventLog::Key(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    char text[64];
    std::snprintf(text, sizeof text, "key %s %02x %02x", down ? "down" : "up",
                  static_cast<unsigned>(wParam & 0xFF),
                  static_cast<unsigned>((lParam >> 16) & 0xFF));
    Write(text);
}

} // namespace practice

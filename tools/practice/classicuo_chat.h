// ClassicUO's chat line, as its public code behaves: the practice client plays it, and the
// native tests drive it with the keys a delivery types.
//
// The line is open or closed. With "Enter opens the chat" off it is always open. Typing and
// Ctrl+V (the clipboard's text) reach it only while it is open. Enter says an open line's
// text, if any, and empties it; then, with the option on, Shift+Enter on an open line keeps
// it open and every other Enter toggles the line (opening empties it).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace practice {

class ClassicUoChat {
public:
    ClassicUoChat(bool enterOpensChat, bool startClosed)
        : enterOpensChat_(enterOpensChat), open_(!enterOpensChat || !startClosed) {}

    bool enterOpensChat() const { return enterOpensChat_; }
    bool open() const { return open_; }
    const std::u16string& line() const { return line_; }

    // A typed character or a pasted text; ignored while the line is closed.
    void Type(std::u16string_view text);
    // Enter, with or without Shift held: the text said, if any.
    std::optional<std::u16string> Enter(bool shift);

private:
    bool enterOpensChat_;
    bool open_;
    std::u16string line_;
};

} // namespace practice

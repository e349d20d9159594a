#include "classicuo_chat.h"

namespace practice {

void ClassicUoChat::Type(std::u16string_view text) {
    if (open_)
        line_ += text;
}

std::optional<std::u16string> ClassicUoChat::Enter(bool shift) {
    std::optional<std::u16string> said;
    if (open_ && !line_.empty()) {
        said = line_;
        line_.clear();
    }
    if (enterOpensChat_ && !(shift && open_)) {
        open_ = !open_;
        line_.clear();
    }
    return said;
}

} // namespace practice

// The one error type shown to the user: it carries the UTF-16 text of the error box.
#pragma once

#include <exception>
#include <string>

namespace toolkit {

class UserError : public std::exception {
public:
    explicit UserError(std::u16string text) : text_(std::move(text)) {}
    const std::u16string& text() const noexcept { return text_; }
    const char* what() const noexcept override { return "Quarnel user error"; }

private:
    std::u16string text_;
};

// The error box appends "." when the text's last character sorts above ".".
inline std::u16string ErrorBoxText(std::u16string text) {
    if (!text.empty() && text.back() > u'.')
        text.push_back(u'.');
    return text;
}

} // namespace toolkit

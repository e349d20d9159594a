#include "toolkit/system_error.h"

#include <windows.h>

#include "toolkit/win_handles.h"

namespace toolkit {

std::u16string SystemErrorText(unsigned long error) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                             FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                         nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr)
        return {};
    toolkit::UniqueLocal owner(buffer);
    std::u16string text(reinterpret_cast<const char16_t*>(buffer), length);
    while (!text.empty() && (text.back() <= u' ' || text.back() == u'.'))
        text.pop_back();
    return text;
}

} // namespace toolkit

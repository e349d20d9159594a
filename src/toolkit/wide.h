// wchar_t and char16_t are the same 16-bit units on Windows; these views cross between them.
#pragma once

#include <string>
#include <string_view>

#ifdef _WIN32
static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace toolkit {

inline const wchar_t* AsWide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
inline const wchar_t* AsWide(const std::u16string& text) {
    return AsWide(text.c_str());
}
inline std::wstring Wide(std::u16string_view text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}
inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

} // namespace toolkit
#endif

// Strict UTF-8 to and from UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// Decodes well-formed UTF-8 only: an overlong form, an encoded surrogate, a value above
// U+10FFFF, a truncated or stray byte, or a byte that UTF-8 never uses anywhere in the input
// gives nullopt. Noncharacters such as U+FFFF are well-formed. A byte-order mark and NUL are
// decoded like any other character; skipping or cutting them is the caller's business.
std::optional<std::u16string> DecodeUtf8(std::string_view bytes);

// Encodes UTF-16 as UTF-8. A lone surrogate (never produced by DecodeUtf8) becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);

} // namespace quarnel

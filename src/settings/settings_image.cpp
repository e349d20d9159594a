#include "settings/settings_image.h"

#include <algorithm>

#include "settings/utf8.h"

namespace quarnel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Blanks and control characters.
bool IsStripped(char16_t c) {
    return c <= 32;
}

std::u16string_view Strip(std::u16string_view text) {
    while (!text.empty() && IsStripped(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsStripped(text.back()))
        text.remove_suffix(1);
    return text;
}

char16_t FoldCase(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

// The name of a stored line: the text before its first "=", or nothing without one.
std::optional<std::u16string_view> LineName(std::u16string_view line) {
    const size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos)
        return std::nullopt;
    return line.substr(0, equals);
}

int DigitValue(char16_t c, int base) {
    int value = 99;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

std::u16string FormatInteger(std::int32_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

bool SameSettingsName(std::u16string_view a, std::u16string_view b) {
    return SameName(a, b);
}

std::optional<std::int32_t> ParseSettingsInteger(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' &&
               (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    // Magnitude up to 2^31, enough for the most negative value.
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

SettingsImage SettingsImage::Parse(std::u16string_view text) {
    text = text.substr(0, text.find(u'\0'));
    SettingsImage image;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos)
            end = text.size();
        const std::u16string_view line = Strip(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
            ++start;

        if (line.empty() || line.front() == u';')
            continue;
        if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
            image.sections_.push_back({std::u16string(Strip(line.substr(1, line.size() - 2))), {}});
            continue;
        }
        if (image.sections_.empty())
            continue;
        std::u16string stored(line);
        if (const auto name = LineName(line)) {
            stored = Strip(*name);
            stored += u'=';
            stored += Strip(line.substr(name->size() + 1));
        }
        image.sections_.back().lines.push_back(std::move(stored));
    }
    return image;
}

std::optional<SettingsImage> SettingsImage::FromBytes(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    const auto text = DecodeUtf8(bytes);
    if (!text)
        return std::nullopt;
    return Parse(*text);
}

const SettingsSection* SettingsImage::FindSection(std::u16string_view name) const {
    for (const SettingsSection& section : sections_)
        if (SameName(section.name, name))
            return &section;
    return nullptr;
}

std::optional<std::u16string> SettingsImage::Value(std::u16string_view section,
                                                   std::u16string_view key) const {
    const SettingsSection* found = FindSection(section);
    if (!found)
        return std::nullopt;
    for (const std::u16string& line : found->lines) {
        const auto name = LineName(line);
        if (name && SameName(*name, key))
            return line.substr(name->size() + 1);
    }
    return std::nullopt;
}

std::int32_t SettingsImage::ReadInteger(std::u16string_view section, std::u16string_view key,
                                        std::int32_t defaultValue) const {
    const auto value = Value(section, key);
    if (!value)
        return defaultValue;
    return ParseSettingsInteger(*value).value_or(defaultValue);
}

bool SettingsImage::ReadBool(std::u16string_view section, std::u16string_view key,
                             bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void SettingsImage::WriteInteger(std::u16string_view section, std::u16string_view key,
                                 std::int32_t value) {
    std::u16string line(key);
    line += u'=';
    line += FormatInteger(value);
    auto found = std::find_if(sections_.begin(), sections_.end(),
                              [&](const SettingsSection& s) { return SameName(s.name, section); });
    if (found == sections_.end()) {
        sections_.push_back({std::u16string(section), {}});
        found = std::prev(sections_.end());
    }
    for (std::u16string& existing : found->lines) {
        const auto name = LineName(existing);
        if (name && SameName(*name, key)) {
            existing = std::move(line);
            return;
        }
    }
    found->lines.push_back(std::move(line));
}

std::u16string SettingsImage::Text() const {
    std::u16string text;
    for (const SettingsSection& section : sections_) {
        text += u'[';
        text += section.name;
        text += u"]\r\n";
        for (const std::u16string& line : section.lines) {
            text += line;
            text += u"\r\n";
        }
        text += u"\r\n";
    }
    return text;
}

std::string SettingsImage::ToBytes() const {
    std::string bytes(kByteOrderMark);
    bytes += EncodeUtf8(Text());
    return bytes;
}

} // namespace quarnel

// The settings file in memory: an ordered list of sections, each an ordered list of lines,
// normally name=value. Every change is made here and the image is written back whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

struct SettingsSection {
    std::u16string name;
    std::vector<std::u16string> lines;

    bool operator==(const SettingsSection&) const = default;
};

class SettingsImage {
public:
    SettingsImage() = default;

    // Splits text into sections and lines (CR LF, LF or CR end a line; NUL ends the text).
    static SettingsImage Parse(std::u16string_view text);
    // The file's bytes: a leading UTF-8 byte-order mark is skipped, the rest must be
    // well-formed UTF-8 throughout, else nullopt.
    static std::optional<SettingsImage> FromBytes(std::string_view bytes);

    // The value after "name=" of the first matching line of the first matching section
    // (letter case ignored in both names).
    std::optional<std::u16string> Value(std::u16string_view section, std::u16string_view key) const;
    // The first section of that name (letter case ignored), or null.
    const SettingsSection* Section(std::u16string_view name) const { return FindSection(name); }
    std::int32_t ReadInteger(std::u16string_view section, std::u16string_view key,
                             std::int32_t defaultValue) const;
    bool ReadBool(std::u16string_view section, std::u16string_view key, bool defaultValue) const;
    void WriteInteger(std::u16string_view section, std::u16string_view key, std::int32_t value);

    // The text as written: "[name]", the lines, one empty line per section; CR LF everywhere.
    std::u16string Text() const;
    // Byte-order mark and the text as UTF-8.
    std::string ToBytes() const;

    const std::vector<SettingsSection>& sections() const noexcept { return sections_; }
    bool operator==(const SettingsImage&) const = default;

private:
    const SettingsSection* FindSection(std::u16string_view name) const;

    std::vector<SettingsSection> sections_;
};

// Section and key names compare without regard to ASCII letter case.
bool SameSettingsName(std::u16string_view a, std::u16string_view b);

// Integer syntax of the settings file: optional leading blanks and sign, then decimal digits
// or hexadecimal ones after "$", "x", "X", "0x" or "0X"; the whole text must be used and the
// number must fit 32 bits.
std::optional<std::int32_t> ParseSettingsInteger(std::u16string_view text);

} // namespace quarnel

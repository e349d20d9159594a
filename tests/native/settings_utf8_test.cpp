#include "settings/settings_image.h"
#include "settings/utf8.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using quarnel::DecodeUtf8;
using quarnel::EncodeUtf8;
using quarnel::SettingsImage;

struct Vector {
    const char* hex;
    bool wellFormed;
    const char* what;
};

// Well-formed and ill-formed sequences after the Unicode standard's table 3-7.
const Vector kVectors[] = {
    {"00", true, "U+0000 (the settings loader ends the text here)"},
    {"7f", true, "last one-byte value"},
    {"c2 80", true, "first two-byte value"},
    {"df bf", true, "last two-byte value"},
    {"e0 a0 80", true, "first three-byte value"},
    {"ed 9f bf", true, "last value before the surrogates"},
    {"ee 80 80", true, "first value after the surrogates"},
    {"ef bb bf", true, "U+FEFF (skipped only at the very start of the file)"},
    {"ef bf be", true, "noncharacter U+FFFE"},
    {"ef bf bf", true, "noncharacter U+FFFF"},
    {"f0 90 80 80", true, "U+10000"},
    {"f4 8f bf bf", true, "U+10FFFF"},
    {"80", false, "lone continuation byte"},
    {"bf", false, "lone continuation byte"},
    {"c0", false, "never used lead byte"},
    {"c1 bf", false, "overlong two-byte form"},
    {"c0 80", false, "overlong NUL"},
    {"e0 80 80", false, "overlong three-byte form"},
    {"e0 9f bf", false, "overlong three-byte form"},
    {"f0 80 80 80", false, "overlong four-byte form"},
    {"f0 8f bf bf", false, "overlong four-byte form"},
    {"ed a0 80", false, "encoded high surrogate"},
    {"ed bf bf", false, "encoded low surrogate"},
    {"ed a0 80 ed b0 80", false, "encoded surrogate pair"},
    {"f4 90 80 80", false, "above U+10FFFF"},
    {"f5 80 80 80", false, "never used lead byte"},
    {"f8 88 80 80 80", false, "five-byte form"},
    {"fe", false, "never used byte"},
    {"ff", false, "never used byte"},
    {"ff fe", false, "UTF-16 little-endian byte-order mark"},
    {"fe ff", false, "UTF-16 big-endian byte-order mark"},
    {"c2", false, "truncated two-byte form"},
    {"e0 a0", false, "truncated three-byte form"},
    {"f0 90 80", false, "truncated four-byte form"},
    {"ef bb", false, "truncated byte-order mark"},
    {"c2 41", false, "bad continuation byte"},
    {"e0 c0 80", false, "bad continuation byte"},
    {"63 61 66 e9 0d 0a", false, "a legacy code page's e-acute before a line end"},
};

std::string Bytes(const char* hex) {
    std::istringstream in(hex);
    std::string out;
    unsigned value = 0;
    while (in >> std::hex >> value)
        out.push_back(static_cast<char>(value));
    return out;
}

TEST(Utf8, DecodesExactlyTheWellFormedSequences) {
    for (const Vector& v : kVectors)
        EXPECT_EQ(DecodeUtf8(Bytes(v.hex)).has_value(), v.wellFormed) << v.hex << ": " << v.what;
}

TEST(Utf8, AnIllFormedSequenceAnywhereFailsTheWholeSettingsFile) {
    // Each ill-formed vector inside an otherwise valid file, after the mark, in a value and at
    // the very end: the load fails wherever it sits.
    for (const Vector& v : kVectors) {
        if (v.wellFormed)
            continue;
        const std::string bad = Bytes(v.hex);
        for (const std::string& file :
             {"\xEF\xBB\xBF" + bad + "[System]\r\n", "[System]\r\ncb1=" + bad + "\r\n",
              "[System]\r\ncb1=1\r\n" + bad})
            EXPECT_FALSE(SettingsImage::FromBytes(file).has_value()) << v.hex << ": " << v.what;
    }
}

TEST(Utf8, WellFormedSequencesSurviveARoundTrip) {
    for (const Vector& v : kVectors) {
        if (!v.wellFormed)
            continue;
        const auto text = DecodeUtf8(Bytes(v.hex));
        ASSERT_TRUE(text.has_value()) << v.hex;
        EXPECT_EQ(EncodeUtf8(*text), Bytes(v.hex)) << v.what;
    }
}

TEST(Utf8, DecodesToUtf16CodeUnits) {
    EXPECT_EQ(*DecodeUtf8("\xC3\xA9"), u"\u00E9");
    EXPECT_EQ(*DecodeUtf8("\xE5\xBA\xA6"), u"\u5EA6");
    EXPECT_EQ(*DecodeUtf8("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(*DecodeUtf8("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
}

TEST(Utf8, LoneSurrogatesAreEncodedAsReplacementCharacter) {
    EXPECT_EQ(EncodeUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
    EXPECT_EQ(EncodeUtf8(std::u16string{char16_t{0xDC00}, u'a'}), "\xEF\xBF\xBD"
                                                                  "a");
}

} // namespace

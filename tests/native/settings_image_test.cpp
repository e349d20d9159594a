#include "settings/panel_settings.h"
#include "settings/settings_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

using quarnel::ParseSettingsInteger;
using quarnel::SettingsImage;
using quarnel::SettingsSection;

std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

TEST(SettingsParse, LinesAndSections) {
    struct Case {
        std::u16string_view text;
        std::vector<SettingsSection> sections;
        const char* why;
    };
    const Case cases[] = {
        {u"", {}, "empty text"},
        {u"[System]", {{u"System", {}}}, "section without lines"},
        {u"[System]\r\na=1\nb=2\rc=3",
         {{u"System", {u"a=1", u"b=2", u"c=3"}}},
         "CR LF, LF and a lone CR each end a line"},
        {u"[System]\r\r\n\n a = 1 \r\n",
         {{u"System", {u"a=1"}}},
         "empty lines skipped, blanks around = removed"},
        {u"  [  System \t]  \r\nx=1", {{u"System", {u"x=1"}}}, "blanks around the name"},
        {u"\tkey=1\r\n; comment\r\n[S]\r\n;a=1\r\nb=2",
         {{u"S", {u"b=2"}}},
         "lines before the first section and comments are dropped"},
        {u"[S]\r\njust words \r\n a b = c = d \r\n",
         {{u"S", {u"just words", u"a b=c = d"}}},
         "a line without = is kept, with = it is split at the first"},
        {u"[S]\r\n=5\r\nk=\r\n", {{u"S", {u"=5", u"k="}}}, "empty name or value"},
        {u"[]\r\n[a=b]\r\n[[x]]\r\n[y\r\n",
         {{u"", {}}, {u"a=b", {}}, {u"[x]", {u"[y"}}},
         "bracket lines are sections whatever they hold"},
        {std::u16string_view(u"[S]\r\na=1\0b=2\r\n", 14),
         {{u"S", {u"a=1"}}},
         "a NUL ends the text"},
        {u"[S]\r\n\x01\x1F"
         u"a=1\x7F\r\n",
         {{u"S", {u"a=1\x7F"}}},
         "control characters up to 32 are stripped, DEL is not"},
        {u"[System]\r\na=1\r\n[system]\r\na=2\r\n",
         {{u"System", {u"a=1"}}, {u"system", {u"a=2"}}},
         "a second section of the same name stays separate"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsImage::Parse(c.text).sections(), c.sections) << c.why;
}

TEST(SettingsParse, NulInsideTheBytesEndsTheText) {
    const std::string bytes("[S]\r\na=1\r\n\0[T]\r\nb=2\r\n", 21);
    const auto image = SettingsImage::FromBytes(bytes);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->sections(), (std::vector<SettingsSection>{{u"S", {u"a=1"}}}));
}

TEST(SettingsParse, ByteOrderMarkIsSkippedOnlyAtTheStart) {
    const std::string plain = "[System]\r\ncb1=3\r\n";
    const auto withMark = SettingsImage::FromBytes("\xEF\xBB\xBF" + plain);
    const auto without = SettingsImage::FromBytes(plain);
    ASSERT_TRUE(withMark && without);
    EXPECT_EQ(*withMark, *without);
    EXPECT_EQ(withMark->ReadInteger(u"System", u"cb1", 0), 3);
    // A mark later on is an ordinary (non-blank) character and keeps its line's name apart.
    const auto second = SettingsImage::FromBytes("[System]\r\n\xEF\xBB\xBF"
                                                 "cb1=3\r\n");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->ReadInteger(u"System", u"cb1", 0), 0);
    // Empty file and a file of only the mark: empty images.
    EXPECT_TRUE(SettingsImage::FromBytes("")->sections().empty());
    EXPECT_TRUE(SettingsImage::FromBytes("\xEF\xBB\xBF")->sections().empty());
}

TEST(SettingsParse, FilesInOtherEncodings) {
    // UTF-16 with its mark, a legacy code page with a non-ASCII character: no load.
    const std::string utf16("\xFF\xFE[\0S\0]\0\r\0\n\0", 12);
    EXPECT_FALSE(SettingsImage::FromBytes(utf16));
    EXPECT_FALSE(SettingsImage::FromBytes("[System]\r\n; caf\xE9\r\ncb1=2\r\n"));
    // Pure ASCII loads whatever code page it was meant in.
    EXPECT_EQ(SettingsImage::FromBytes("[System]\r\ncb1=2\r\n")->ReadInteger(u"System", u"cb1", 0),
              2);
}

TEST(SettingsLookup, NamesIgnoreLetterCaseAndTheFirstMatchWins) {
    const SettingsImage image = SettingsImage::Parse(u"[other]\r\ncb1=9\r\n"
                                                     u"[SYSTEM]\r\nBOTTOM2=10\r\nbottom2=11\r\n"
                                                     u"[System]\r\ncb1=4\r\nLeft2=5\r\n");
    EXPECT_EQ(image.Value(u"System", u"Bottom2"), u"10");
    EXPECT_EQ(image.Value(u"system", u"cb1"), std::nullopt) << "only the first System counts";
    EXPECT_EQ(image.Value(u"System", u"Left2"), std::nullopt);
    EXPECT_EQ(image.Value(u"Other", u"CB1"), u"9");
    EXPECT_EQ(image.Value(u"Missing", u"cb1"), std::nullopt);
}

TEST(SettingsReadInteger, ValueSyntax) {
    struct Case {
        const char16_t* value;
        std::int32_t expected; // the default is 77
    };
    const Case cases[] = {
        {u"0", 0},
        {u"436", 436},
        {u"-1", -1},
        {u"+12", 12},
        {u"007", 7},
        {u"0x1F", 31},
        {u"0X1f", 31},
        {u"$1F", 31},
        {u"x1F", 31},
        {u"X1f", 31},
        {u"-0x10", -16},
        {u"-$10", -16},
        {u"+x10", 16},
        {u"2147483647", 2147483647},
        {u"-2147483648", INT32_MIN},
        {u"0x7FFFFFFF", 2147483647},
        {u"-$80000000", INT32_MIN},
        {u"00000000000000000000042", 42},
        {u"2147483648", 77},
        {u"-2147483649", 77},
        {u"$80000000", 77},
        {u"$FFFFFFFF", 77},
        {u"99999999999999999999", 77},
        {u"", 77},
        {u"12abc", 77},
        {u"1 2", 77},
        {u"false", 77},
        {u"0x", 77},
        {u"$", 77},
        {u"-", 77},
        {u"+-1", 77},
        {u"--1", 77},
        {u"0x-1", 77},
        {u"$$1", 77},
        {u"1.5", 77},
        {u"\uFF11", 77}, // fullwidth digit one
        {u"0x1G", 77},
    };
    for (const Case& c : cases) {
        const SettingsImage parsed =
            SettingsImage::Parse(u"[System]\r\nk=" + std::u16string(c.value) + u"\r\n");
        EXPECT_EQ(parsed.ReadInteger(u"System", u"k", 77), c.expected)
            << "value \"" << Narrow(c.value) << "\"";
    }
}

TEST(SettingsReadInteger, LeadingBlanksOnlyInTheRawSyntax) {
    // The parser strips blanks from values, so leading blanks only reach the syntax directly.
    EXPECT_EQ(ParseSettingsInteger(u"   -5"), -5);
    EXPECT_EQ(ParseSettingsInteger(u"  $a"), 10);
    EXPECT_EQ(ParseSettingsInteger(u"5  "), std::nullopt);
    EXPECT_EQ(ParseSettingsInteger(u"   "), std::nullopt);
    EXPECT_EQ(ParseSettingsInteger(u"\t5"), std::nullopt);
}

TEST(SettingsReadInteger, AbsentSectionOrKeyGivesTheDefault) {
    const SettingsImage image = SettingsImage::Parse(u"[System]\r\ncb1=2\r\nnovalue\r\n");
    EXPECT_EQ(image.ReadInteger(u"Other", u"cb1", -3), -3);
    EXPECT_EQ(image.ReadInteger(u"System", u"Left2", 123), 123);
    EXPECT_EQ(image.ReadInteger(u"System", u"novalue", 5), 5);
}

TEST(SettingsReadBool, IntegersOtherThanZeroAreTrue) {
    struct Case {
        const char16_t* value;
        bool defaultValue;
        bool expected;
    };
    const Case cases[] = {
        {u"0", true, false},  {u"1", false, true},    {u"2", false, true},
        {u"-1", false, true}, {u"false", true, true}, {u"true", false, false},
        {u"", true, true},    {u"0x0", true, false},  {u"$10", false, true},
    };
    for (const Case& c : cases) {
        const SettingsImage image =
            SettingsImage::Parse(u"[System]\r\nShowTitleBar=" + std::u16string(c.value));
        EXPECT_EQ(image.ReadBool(u"System", u"ShowTitleBar", c.defaultValue), c.expected)
            << Narrow(c.value) << " with default " << c.defaultValue;
    }
    EXPECT_TRUE(SettingsImage().ReadBool(u"System", u"ShowTitleBar", true));
    EXPECT_FALSE(SettingsImage().ReadBool(u"System", u"ShowTitleBar", false));
}

TEST(SettingsWriteInteger, ReplacesInPlaceAppendsKeysAndSections) {
    SettingsImage image = SettingsImage::Parse(
        u"[Other]\r\nx=1\r\n[system]\r\nfirst=1\r\nbottom2 = 0x20\r\nBOTTOM2=7\r\nlast=2\r\n");
    image.WriteInteger(u"System", u"Bottom2", -12);
    image.WriteInteger(u"System", u"Left2", 0);
    image.WriteInteger(u"New", u"cb1", 2147483647);
    image.WriteInteger(u"NEW", u"cb1", INT32_MIN);
    const std::vector<SettingsSection> expected = {
        {u"Other", {u"x=1"}},
        {u"system", {u"first=1", u"Bottom2=-12", u"BOTTOM2=7", u"last=2", u"Left2=0"}},
        {u"New", {u"cb1=-2147483648"}},
    };
    EXPECT_EQ(image.sections(), expected);
}

TEST(SettingsWriter, TextLayout) {
    SettingsImage image;
    EXPECT_EQ(image.ToBytes(), "\xEF\xBB\xBF");
    quarnel::WriteSavedGeometry(image, {700, 545, 190, 436, -1});
    EXPECT_EQ(image.ToBytes(), "\xEF\xBB\xBF[System]\r\nBottom2=700\r\nLeft2=545\r\n"
                               "ClientWidth2=190\r\nClientHeight2=436\r\ncb1=-1\r\n\r\n");
    const SettingsImage twoSections = SettingsImage::Parse(u"[A]\nk=\u5EA6\n[B]\nplain\n");
    EXPECT_EQ(twoSections.ToBytes(),
              "\xEF\xBB\xBF[A]\r\nk=\xE5\xBA\xA6\r\n\r\n[B]\r\nplain\r\n\r\n");
}

TEST(SettingsWriter, HandEditedFileAfterASave) {
    // What a user wrote, and what the next save leaves of it: keys stay in their places,
    // comments, blank lines and lines outside sections go, blanks around = go, the keys of
    // the save are spelled as the program writes them, and a second System stays as it was.
    const std::string edited = "; my panel\r\n"
                               "stray=1\r\n"
                               "\r\n"
                               "[ system ]\r\n"
                               "  bottom2 = 0x100\r\n"
                               "; note\r\n"
                               "ShowTitleBar = 0\r\n"
                               "CB1=9\r\n"
                               "\r\n"
                               "[Extra]\n"
                               "keep = me\n"
                               "[System]\r\n"
                               "Left2=5\r\n";
    auto image = SettingsImage::FromBytes(edited);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->ReadInteger(u"System", u"Bottom2", 0), 256);
    EXPECT_FALSE(image->ReadBool(u"System", u"ShowTitleBar", true));
    EXPECT_EQ(image->ReadInteger(u"System", u"Left2", -7), -7);
    quarnel::WriteSavedGeometry(*image, {600, 10, 200, 400, -1});
    EXPECT_EQ(image->ToBytes(), "\xEF\xBB\xBF"
                                "[system]\r\n"
                                "Bottom2=600\r\n"
                                "ShowTitleBar=0\r\n"
                                "cb1=-1\r\n"
                                "Left2=10\r\n"
                                "ClientWidth2=200\r\n"
                                "ClientHeight2=400\r\n"
                                "\r\n"
                                "[Extra]\r\n"
                                "keep=me\r\n"
                                "\r\n"
                                "[System]\r\n"
                                "Left2=5\r\n"
                                "\r\n");
    // What was written reads back as the same image.
    EXPECT_EQ(SettingsImage::FromBytes(image->ToBytes()), image);
}

} // namespace

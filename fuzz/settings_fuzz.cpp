// Any bytes as a settings file: no crash, ill-formed UTF-8 always refused, and whatever loads
// is written back so that it loads as the same image, before and after a save's changes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "settings/panel_settings.h"
#include "settings/settings_image.h"
#include "settings/utf8.h"

namespace {

// Well-formedness decided another way: decode each sequence by its lead byte's length,
// then refuse overlong forms, surrogates and values past U+10FFFF.
bool WellFormed(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t length = lead < 0x80       ? 1
                        : lead >> 5 == 6  ? 2
                        : lead >> 4 == 14 ? 3
                        : lead >> 3 == 30 ? 4
                                          : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next >> 6 != 2)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const auto text = quarnel::DecodeUtf8(bytes);
    Check(text.has_value() == WellFormed(bytes));
    if (text)
        Check(quarnel::EncodeUtf8(*text) == bytes);

    auto image = quarnel::SettingsImage::FromBytes(bytes);
    std::string_view body = bytes;
    if (body.starts_with("\xEF\xBB\xBF"))
        body.remove_prefix(3);
    Check(image.has_value() == WellFormed(body));
    if (!image)
        return 0;

    Check(quarnel::SettingsImage::FromBytes(image->ToBytes()) == image);

    // Reads of every stored name, then a save's writes.
    for (const quarnel::SettingsSection& section : image->sections())
        for (const std::u16string& line : section.lines) {
            const std::u16string_view name = std::u16string_view(line).substr(0, line.find(u'='));
            (void)image->ReadInteger(section.name, name, 0);
            (void)image->ReadBool(section.name, name, true);
        }
    quarnel::WriteSavedGeometry(*image, {1, -2, 3, 4, -1});
    Check(image->ReadInteger(quarnel::kSystemSection, quarnel::kLeftKey, 0) == -2);
    Check(image->ReadInteger(quarnel::kSystemSection, quarnel::kHeadingKey, 0) == -1);
    Check(quarnel::SettingsImage::FromBytes(image->ToBytes()) == image);
    return 0;
}

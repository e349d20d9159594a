// The exe's manifest, icon and version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/win_handles.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Quarnel.exe sits beside the test executables.
std::wstring QuarnelExePath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result = path;
    result.resize(result.find_last_of(L"\\/") + 1);
    return result + L"Quarnel.exe";
}

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        module = ::LoadLibraryExW(QuarnelExePath().c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override {
        if (module != nullptr)
            ::FreeLibrary(module);
    }
    std::string Resource(LPCWSTR type, LPCWSTR name) {
        HRSRC found = ::FindResourceW(module, name, type);
        if (found == nullptr)
            return {};
        const DWORD size = ::SizeofResource(module, found);
        const char* data = static_cast<const char*>(::LockResource(::LoadResource(module, found)));
        return std::string(data, size);
    }
    HMODULE module = nullptr;
};

TEST_F(ResourcesTest, ManifestAsksForAdministratorAndCommonControls6) {
    const std::string manifest = Resource(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty());
    for (const char* expected :
         {"level=\"requireAdministrator\"", "uiAccess=\"false\"",
          "name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"", "type=\"win32\"",
          "processorArchitecture=\"*\"", "publicKeyToken=\"6595b64144ccf1df\"", "language=\"*\""})
        EXPECT_NE(manifest.find(expected), std::string::npos) << expected;
    // No DPI awareness is declared: the layout is in pixels at 96 dots per inch.
    EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAwareness"), std::string::npos);
}

// One entry of the icon group resource (GRPICONDIRENTRY, 14 bytes, packed).
struct IconEntry {
    int size = 0;
    int bitCount = 0;
    int id = 0;
};

std::vector<IconEntry> IconEntries(const std::string& group) {
    std::vector<IconEntry> entries;
    if (group.size() < 6)
        return entries;
    const auto* bytes = reinterpret_cast<const unsigned char*>(group.data());
    const int count = bytes[4] | (bytes[5] << 8);
    for (int i = 0; i < count && 6u + 14u * (i + 1) <= group.size(); ++i) {
        const unsigned char* entry = bytes + 6 + 14 * i;
        entries.push_back({entry[0] == 0 ? 256 : entry[0], entry[6] | (entry[7] << 8),
                           entry[12] | (entry[13] << 8)});
    }
    return entries;
}

std::uint32_t BigEndian32(const std::string& bytes, size_t at) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
    return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) |
           b[3];
}

TEST_F(ResourcesTest, IconHoldsTenSizesAt32Bits) {
    const std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    const std::vector<IconEntry> entries = IconEntries(group);
    ASSERT_EQ(entries.size(), 10u);
    ASSERT_EQ(group.size(), 6u + 14u * 10u);
    std::vector<int> sizes;
    for (const IconEntry& entry : entries) {
        sizes.push_back(entry.size);
        EXPECT_EQ(entry.bitCount, 32) << "bit count of the " << entry.size << " px entry";
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 72, 80, 96, 128, 256}));
}

// The 128 and 256 px images are PNGs (8-bit RGBA), as Windows Vista and later read them; the
// smaller ones are uncompressed 32-bit bitmaps with their mask, which every reader takes. Each
// one must become an icon of its size.
TEST_F(ResourcesTest, IconImagesArePngFrom128AndBitmapsBelow) {
    for (const IconEntry& entry : IconEntries(Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1)))) {
        SCOPED_TRACE(entry.size);
        const std::string image = Resource(RT_ICON, MAKEINTRESOURCEW(entry.id));
        ASSERT_GE(image.size(), 40u);
        if (entry.size >= 128) {
            ASSERT_EQ(image.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
            ASSERT_EQ(image.compare(12, 4, "IHDR"), 0);
            EXPECT_EQ(BigEndian32(image, 16), static_cast<std::uint32_t>(entry.size));
            EXPECT_EQ(BigEndian32(image, 20), static_cast<std::uint32_t>(entry.size));
            EXPECT_EQ(image[24], 8) << "bit depth";
            EXPECT_EQ(image[25], 6) << "colour type RGBA";
        } else {
            BITMAPINFOHEADER header{};
            std::memcpy(&header, image.data(), sizeof header);
            EXPECT_EQ(header.biSize, sizeof header);
            EXPECT_EQ(header.biWidth, entry.size);
            EXPECT_EQ(header.biHeight, 2 * entry.size) << "image and mask";
            EXPECT_EQ(header.biBitCount, 32);
            EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
        }
        const toolkit::UniqueIcon icon(
            ::CreateIconFromResourceEx(reinterpret_cast<BYTE*>(const_cast<char*>(image.data())),
                                       static_cast<DWORD>(image.size()), TRUE, 0x00030000,
                                       entry.size, entry.size, LR_DEFAULTCOLOR));
        ASSERT_TRUE(icon);
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(icon.get(), &info));
        const toolkit::UniqueBitmap color(info.hbmColor);
        const toolkit::UniqueBitmap mask(info.hbmMask);
        BITMAP bitmap{};
        ASSERT_TRUE(::GetObjectW(color.get(), sizeof bitmap, &bitmap));
        EXPECT_EQ(bitmap.bmWidth, entry.size);
        EXPECT_EQ(bitmap.bmHeight, entry.size);
    }
}

TEST_F(ResourcesTest, VersionIs1000InUsEnglish1252) {
    const std::wstring path = QuarnelExePath();
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1252);
}

} // namespace

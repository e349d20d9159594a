// The exe's manifest, icon and version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
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

TEST_F(ResourcesTest, IconHoldsTenSizesAt32Bits) {
    const std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    ASSERT_GE(group.size(), 6u);
    const auto* bytes = reinterpret_cast<const unsigned char*>(group.data());
    const int count = bytes[4] | (bytes[5] << 8);
    ASSERT_EQ(count, 10);
    ASSERT_EQ(group.size(), 6u + 14u * 10u);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const unsigned char* entry = bytes + 6 + 14 * i;
        sizes.push_back(entry[0] == 0 ? 256 : entry[0]);
        EXPECT_EQ(entry[6] | (entry[7] << 8), 32) << "bit count of entry " << i;
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 72, 80, 96, 128, 256}));
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

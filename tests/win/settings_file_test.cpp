// The settings file through the real file system: loads with and without the mark, files
// held by other handles, read-only files, error texts, and saves that are never torn.
#include "settings/settings_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/system_error.h"

#include <iostream>
#include <string>
#include <thread>

#include "support/test_files.h"
#include "toolkit/error.h"
#include "toolkit/wide.h"
#include "toolkit/win_handles.h"

namespace {

using quarnel::LoadSettingsFile;
using quarnel::SaveSettingsFile;
using quarnel::SettingsImage;
using quarnel::SettingsTempFileName;
using toolkit::FromWide;
using toolkit::SystemErrorText;
using toolkit::UserError;

const char16_t kBadEncoding[] =
    u"Unicode 文字のマッピングがターゲットのマルチバイト コード ページに存在しません";

// A fresh folder per test, removed with everything in it.
class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"quarnel-settings-" +
                  std::to_wstring(::GetCurrentProcessId()) + L"-" +
                  std::to_wstring(::GetTickCount64());
        ASSERT_TRUE(::CreateDirectoryW(folder_.c_str(), nullptr));
        path_ = folder_ + L"\\Quarnel.exe_UserSettings.ini";
    }
    void TearDown() override {
        WIN32_FIND_DATAW found{};
        HANDLE search = ::FindFirstFileW((folder_ + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring file = folder_ + L"\\" + found.cFileName;
                ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(file.c_str());
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(folder_.c_str());
    }

    void WriteBytes(const std::string& bytes) const {
        ASSERT_TRUE(testing_support::WriteWholeFile(path_, bytes));
    }
    std::string ReadBytes() const { return testing_support::ReadWholeFile(path_); }
    int FileCount() const {
        int count = 0;
        WIN32_FIND_DATAW found{};
        HANDLE search = ::FindFirstFileW((folder_ + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ++count;
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
        return count;
    }
    // Runs `action`, expecting a UserError; returns its text.
    template <typename Action> std::u16string ErrorOf(Action&& action) {
        try {
            action();
        } catch (const UserError& error) {
            return error.text();
        }
        ADD_FAILURE() << "no error";
        return {};
    }
    std::u16string CannotOpen(DWORD error) const {
        return u"ファイル " + FromWide(path_) + u" は開けません。 " + SystemErrorText(error) + u" ";
    }
    std::u16string CannotCreate(DWORD error) const {
        return u"ファイル \"" + FromWide(path_) + u"\" を作成できません。" + SystemErrorText(error);
    }

    std::wstring folder_;
    std::wstring path_;
};

SettingsImage Geometry(int bottom) {
    SettingsImage image;
    image.WriteInteger(u"System", u"Bottom2", bottom);
    return image;
}

TEST_F(SettingsFileTest, FileNameIsTheExecutablePathWithSuffix) {
    wchar_t exe[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    EXPECT_EQ(quarnel::SettingsFileName(), std::wstring(exe, length) + L"_UserSettings.ini");
}

TEST_F(SettingsFileTest, MissingFileIsAnEmptyImage) {
    EXPECT_TRUE(LoadSettingsFile(path_).sections().empty());
    EXPECT_EQ(FileCount(), 0) << "loading creates nothing";
}

TEST_F(SettingsFileTest, LoadsWithAndWithoutTheMark) {
    for (const std::string prefix : {"", "\xEF\xBB\xBF"}) {
        WriteBytes(prefix + "[System]\r\ncb1=3\nLeft2=0x10\r\n");
        const SettingsImage image = LoadSettingsFile(path_);
        EXPECT_EQ(image.ReadInteger(u"System", u"cb1", 0), 3) << "mark: " << !prefix.empty();
        EXPECT_EQ(image.ReadInteger(u"System", u"Left2", 0), 16);
    }
}

TEST_F(SettingsFileTest, FilesThatAreNotUtf8FailWithTheEncodingText) {
    const std::string utf16("\xFF\xFE[\0S\0y\0s\0t\0e\0m\0]\0\r\0\n\0", 20);
    for (const std::string& bytes : {utf16, std::string("[System]\r\nLeft2=1\r\n;caf\xE9\r\n")}) {
        WriteBytes(bytes);
        EXPECT_EQ(ErrorOf([&] { LoadSettingsFile(path_); }), kBadEncoding);
    }
    EXPECT_EQ(toolkit::ErrorBoxText(kBadEncoding), std::u16string(kBadEncoding) + u".");
}

TEST_F(SettingsFileTest, OtherReadersDoNotStopALoadButAWriterDoes) {
    WriteBytes("[System]\r\ncb1=2\r\n");
    {
        toolkit::UniqueFile reader = testing_support::HoldFile(path_);
        ASSERT_TRUE(reader);
        EXPECT_EQ(LoadSettingsFile(path_).ReadInteger(u"System", u"cb1", 0), 2);
    }
    toolkit::UniqueFile writer = testing_support::HoldFile(path_, GENERIC_WRITE);
    ASSERT_TRUE(writer);
    const std::u16string text = ErrorOf([&] { LoadSettingsFile(path_); });
    EXPECT_EQ(text, CannotOpen(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(SystemErrorText(ERROR_SHARING_VIOLATION).empty());
}

TEST_F(SettingsFileTest, SystemDescriptionIsTrimmed) {
    for (DWORD error : {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_FILE_NOT_FOUND}) {
        const std::u16string text = SystemErrorText(error);
        ASSERT_FALSE(text.empty()) << error;
        EXPECT_GT(text.back(), u' ') << error;
        EXPECT_NE(text.back(), u'.') << error;
    }
}

TEST_F(SettingsFileTest, FirstSaveCreatesTheFileWithMarkAndCrLf) {
    SaveSettingsFile(path_, Geometry(700));
    EXPECT_EQ(ReadBytes(), "\xEF\xBB\xBF[System]\r\nBottom2=700\r\n\r\n");
    EXPECT_EQ(FileCount(), 1) << "no temporary file stays";
}

TEST_F(SettingsFileTest, SaveReplacesTheFileAndKeepsItsAttributes) {
    WriteBytes("old contents that are longer than the new ones\r\n");
    ASSERT_TRUE(::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_HIDDEN));
    SaveSettingsFile(path_, Geometry(5));
    EXPECT_EQ(ReadBytes(), "\xEF\xBB\xBF[System]\r\nBottom2=5\r\n\r\n");
    EXPECT_TRUE(::GetFileAttributesW(path_.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(SettingsFileTest, ReadOnlyFileIsLeftAsItWas) {
    const std::string old = "\xEF\xBB\xBF[System]\r\nBottom2=1\r\n\r\n";
    WriteBytes(old);
    ASSERT_TRUE(::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_READONLY));
    // Still readable.
    EXPECT_EQ(LoadSettingsFile(path_).ReadInteger(u"System", u"Bottom2", 0), 1);
    EXPECT_EQ(ErrorOf([&] { SaveSettingsFile(path_, Geometry(2)); }),
              CannotCreate(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ReadBytes(), old);
    EXPECT_EQ(FileCount(), 1) << "no temporary file stays";
}

TEST_F(SettingsFileTest, SaveIntoAMissingFolderFailsWithTheCreateText) {
    path_ = folder_ + L"\\missing\\Quarnel.exe_UserSettings.ini";
    EXPECT_EQ(ErrorOf([&] { SaveSettingsFile(path_, Geometry(2)); }),
              CannotCreate(ERROR_PATH_NOT_FOUND));
}

TEST_F(SettingsFileTest, FileHeldWithoutDeleteSharingFailsTheSaveAndStaysIntact) {
    const std::string old = "\xEF\xBB\xBF[System]\r\nBottom2=1\r\n\r\n";
    WriteBytes(old);
    toolkit::UniqueFile holder = testing_support::HoldFile(path_);
    ASSERT_TRUE(holder);
    const std::u16string text = ErrorOf([&] { SaveSettingsFile(path_, Geometry(2)); });
    EXPECT_EQ(text.rfind(u"ファイル \"" + FromWide(path_) + u"\" を作成できません。", 0), 0u);
    holder.reset();
    EXPECT_EQ(ReadBytes(), old);
    EXPECT_EQ(FileCount(), 1) << "no temporary file stays";
}

TEST_F(SettingsFileTest, AShortHoldIsWaitedOut) {
    WriteBytes("[System]\r\nBottom2=1\r\n");
    toolkit::UniqueFile holder = testing_support::HoldFile(path_);
    ASSERT_TRUE(holder);
    // Another program lets go of the file a moment after the save has begun.
    std::thread other([&] {
        ::Sleep(150);
        holder.reset();
    });
    SaveSettingsFile(path_, Geometry(9));
    other.join();
    EXPECT_EQ(ReadBytes(), "\xEF\xBB\xBF[System]\r\nBottom2=9\r\n\r\n");
    EXPECT_EQ(FileCount(), 1);
}

// --- Saves killed half-way ----------------------------------------------------------------

// Two images of clearly different sizes, so that a torn write could not pass for either.
SettingsImage SmallImage() {
    return Geometry(111);
}
SettingsImage LargeImage() {
    SettingsImage image = Geometry(222);
    for (int i = 0; i < 4000; ++i)
        image.WriteInteger(u"Padding",
                           u"Key" + std::u16string(1, u'a' + i % 26) + FromWide(std::to_wstring(i)),
                           i);
    return image;
}

constexpr wchar_t kLoopPathVariable[] = L"QUARNEL_SAVE_LOOP_PATH";
constexpr wchar_t kLoopCounterVariable[] = L"QUARNEL_SAVE_LOOP_COUNTER";

// In a child started by the test below, saves the two images in turn for ever, counting the
// finished saves in memory shared with the parent. Runs before the tests in that child.
const bool kSaveLoopChild = [] {
    wchar_t path[MAX_PATH * 2] = {};
    wchar_t counter[64] = {};
    if (!::GetEnvironmentVariableW(kLoopPathVariable, path, MAX_PATH * 2) ||
        !::GetEnvironmentVariableW(kLoopCounterVariable, counter, 64))
        return false;
    const toolkit::UniqueKernelHandle mapping(::OpenFileMappingW(FILE_MAP_WRITE, FALSE, counter));
    const toolkit::UniqueMappedView view(
        mapping ? ::MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, sizeof(LONG)) : nullptr);
    if (!view)
        ::ExitProcess(2);
    auto* count = static_cast<volatile LONG*>(view.get());
    const SettingsImage images[] = {SmallImage(), LargeImage()};
    for (LONG i = 0;; ++i) {
        try {
            SaveSettingsFile(path, images[i % 2]);
        } catch (...) {
        }
        ::InterlockedIncrement(count);
    }
}();

TEST_F(SettingsFileTest, AKilledSaveLeavesTheOldOrTheNewFile) {
    const std::string small = SmallImage().ToBytes();
    const std::string large = LargeImage().ToBytes();
    SaveSettingsFile(path_, SmallImage());

    const std::wstring counterName = L"QuarnelSaveLoop" + std::to_wstring(::GetCurrentProcessId());
    toolkit::UniqueKernelHandle mapping(::CreateFileMappingW(
        INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG), counterName.c_str()));
    ASSERT_TRUE(mapping);
    const toolkit::UniqueMappedView view(
        ::MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, sizeof(LONG)));
    ASSERT_TRUE(view);
    auto* count = static_cast<volatile LONG*>(view.get());
    ::SetEnvironmentVariableW(kLoopPathVariable, path_.c_str());
    ::SetEnvironmentVariableW(kLoopCounterVariable, counterName.c_str());

    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\" --gtest_list_tests";

    // As many rounds as fit in about three seconds (at most 40): each starts a saving child,
    // lets it finish a few saves and kills it wherever it happens to be.
    const ULONGLONG start = ::GetTickCount64();
    int rounds = 0, tempLeft = 0;
    while (rounds < 40 && ::GetTickCount64() - start < 3000) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring mutableLine = commandLine;
        ASSERT_TRUE(::CreateProcessW(exe, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &startup, &process));
        toolkit::UniqueKernelHandle processHandle(process.hProcess), thread(process.hThread);
        const LONG target = *count + 1 + rounds % 3;
        const ULONGLONG waitStart = ::GetTickCount64();
        while (*count < target && ::GetTickCount64() - waitStart < 5000)
            ::Sleep(50);
        ::TerminateProcess(processHandle.get(), 1);
        ::WaitForSingleObject(processHandle.get(), 5000);
        ++rounds;
        const std::string now = ReadBytes();
        ASSERT_TRUE(now == small || now == large)
            << "round " << rounds << ": a torn file of " << now.size() << " bytes";
        if (::GetFileAttributesW(SettingsTempFileName(path_).c_str()) != INVALID_FILE_ATTRIBUTES)
            ++tempLeft;
    }
    ::SetEnvironmentVariableW(kLoopPathVariable, nullptr);
    ::SetEnvironmentVariableW(kLoopCounterVariable, nullptr);
    std::cout << "save/kill rounds: " << rounds << " (temporary file left by " << tempLeft
              << "), saves done: " << *count << "\n";
    EXPECT_GE(rounds, 3);

    // The next ordinary save takes over what a killed one left.
    SaveSettingsFile(path_, Geometry(333));
    EXPECT_EQ(LoadSettingsFile(path_).ReadInteger(u"System", u"Bottom2", 0), 333);
    EXPECT_EQ(FileCount(), 1);
}

} // namespace

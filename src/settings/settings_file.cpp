#include "settings/settings_file.h"

#include <windows.h>

#include <vector>

#include "toolkit/error.h"
#include "toolkit/scope_guard.h"
#include "toolkit/system_error.h"
#include "toolkit/wide.h"
#include "toolkit/win_handles.h"

namespace quarnel {
namespace {

constexpr char16_t kBadEncodingText[] =
    u"Unicode 文字のマッピングがターゲットのマルチバイト コード ページに存在しません";
constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplaceRetryPauseMs = 50;

[[noreturn]] void ThrowCannotOpen(const std::wstring& path, DWORD error) {
    std::u16string text = u"ファイル ";
    text += toolkit::FromWide(path);
    text += u" は開けません。 ";
    text += toolkit::SystemErrorText(error);
    text += u" ";
    throw toolkit::UserError(std::move(text));
}

[[noreturn]] void ThrowCannotCreate(const std::wstring& path, DWORD error) {
    std::u16string text = u"ファイル \"";
    text += toolkit::FromWide(path);
    text += u"\" を作成できません。";
    text += toolkit::SystemErrorText(error);
    throw toolkit::UserError(std::move(text));
}

// Errors by which another program's short hold on the file shows.
bool IsTransient(DWORD error) {
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED: // also how a rename over a file in use fails
        return true;
    default:
        return false;
    }
}

// Writes all bytes and flushes them to the disk; returns 0 or the error code.
DWORD WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    const toolkit::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return ::GetLastError();
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr))
            return ::GetLastError();
        done += written;
    }
    if (!::FlushFileBuffers(file.get()))
        return ::GetLastError();
    return 0;
}

// Puts the written temporary file in the settings file's place in one step, a rename that
// replaces the old file, so that every reader sees the old or the new file whole. (ReplaceFileW
// is not used: some implementations move the old file away first, which leaves a moment with no
// settings file at all, and leave files of their own behind when the replace fails.) Returns 0
// or the error code of the last attempt.
DWORD ReplaceWithTemp(const std::wstring& path, const std::wstring& temp) {
    DWORD error = 0;
    for (int attempt = 0; attempt < kReplaceAttempts; ++attempt) {
        if (attempt > 0)
            ::Sleep(kReplaceRetryPauseMs);
        DWORD flags = MOVEFILE_WRITE_THROUGH;
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            // A read-only settings file is not ours to overwrite, as a plain rewrite would fail.
            if (attributes & FILE_ATTRIBUTE_READONLY)
                return ERROR_ACCESS_DENIED;
            // The new file takes over the old one's attributes (hidden, archive, ...).
            ::SetFileAttributesW(temp.c_str(), attributes);
            flags |= MOVEFILE_REPLACE_EXISTING;
        } else {
            error = ::GetLastError();
            if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
                return error;
        }
        if (::MoveFileExW(temp.c_str(), path.c_str(), flags))
            return 0;
        error = ::GetLastError();
        // Created by someone else meanwhile: replace it on the next round.
        const bool appeared = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
        if (!appeared && !IsTransient(error))
            return error;
    }
    return error;
}

} // namespace

std::wstring SettingsFileName() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return std::wstring(buffer.data(), length) + L"_UserSettings.ini";
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring SettingsTempFileName(const std::wstring& path) {
    return path + L".saving";
}

SettingsImage LoadSettingsFile(const std::wstring& path) {
    const toolkit::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                 nullptr));
    if (!file) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return {};
        ThrowCannotOpen(path, error);
    }
    std::string bytes;
    char chunk[64 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr))
            ThrowCannotOpen(path, ::GetLastError());
        if (read == 0)
            break;
        bytes.append(chunk, read);
    }
    auto image = SettingsImage::FromBytes(bytes);
    if (!image)
        throw toolkit::UserError(kBadEncodingText);
    return std::move(*image);
}

void SaveSettingsFile(const std::wstring& path, const SettingsImage& image) {
    const std::wstring temp = SettingsTempFileName(path);
    // The temporary file goes on every way out unless it has become the settings file.
    toolkit::ScopeGuard deleteTemp([&]() noexcept { ::DeleteFileW(temp.c_str()); });
    if (const DWORD error = WriteWholeFile(temp, image.ToBytes()))
        ThrowCannotCreate(path, error);
    if (const DWORD error = ReplaceWithTemp(path, temp))
        ThrowCannotCreate(path, error);
    deleteTemp.Dismiss();
}

} // namespace quarnel

#include "support/test_files.h"

namespace testing_support {

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    const toolkit::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) &&
           written == bytes.size();
}

std::string ReadWholeFile(const std::wstring& path) {
    const toolkit::UniqueFile file(::CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, 0, nullptr));
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (file && ::ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    return bytes;
}

toolkit::UniqueFile HoldFile(const std::wstring& path, DWORD access) {
    return toolkit::UniqueFile(::CreateFileW(path.c_str(), access,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, 0, nullptr));
}

} // namespace testing_support

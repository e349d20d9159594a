// Whole-file reads and writes, and holding a file open as another program would.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/win_handles.h"

namespace testing_support {

// Creates or truncates the file; false when it cannot be written whole.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
// The file's bytes; empty when it cannot be opened. Shares everything, so that it reads
// while another handle holds the file.
std::string ReadWholeFile(const std::wstring& path);
// Opens an existing file with `access`, sharing reads and writes but not deletion: a rename
// over it fails while the handle is open.
toolkit::UniqueFile HoldFile(const std::wstring& path, DWORD access = GENERIC_READ);

} // namespace testing_support

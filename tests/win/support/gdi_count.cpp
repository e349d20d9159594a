#include "support/gdi_count.h"

#include <winternl.h>

#include <cstdint>

namespace testing_support {

namespace {

#if defined(_WIN64)
// Entries of 24 bytes: object pointer, owner (process id in the low 16 bits), unique and
// type; a type of 0 marks a free entry. Stock objects have no owner.
using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);

const std::uint8_t* ProcessEnvironmentBlock() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void (*)()>(::GetProcAddress(ntdll, "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr ||
        query(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return nullptr;
    return reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
}

DWORD CountHandleTable() {
    const std::uint8_t* peb = ProcessEnvironmentBlock();
    if (peb == nullptr)
        return 0;
    const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0xF8);
    if (table == nullptr)
        return 0;
    const auto self = static_cast<std::uint16_t>(::GetCurrentProcessId());
    DWORD live = 0;
    for (int index = 0; index < 0x10000; ++index) {
        const std::uint8_t* entry = table + static_cast<std::size_t>(index) * 24;
        const std::uint16_t owner = static_cast<std::uint16_t>(entry[8] | (entry[9] << 8));
        if ((entry[14] & 0x1F) != 0 && (owner == self || owner == 0))
            ++live;
    }
    return live;
}
#else
DWORD CountHandleTable() {
    return 0;
}
#endif

} // namespace

DWORD GdiObjectCount() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return reported != 0 ? reported : CountHandleTable();
}

} // namespace testing_support

// The one owner type for platform handles: a unique_ptr with a release functor, whose empty
// value is part of the type (null for most handles, INVALID_HANDLE_VALUE for files). Portable
// (no <windows.h>) so that it is tested natively; the Win32 instantiations live in
// win_handles.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>

namespace toolkit {

// The release functor of a handle whose release is one call of a free function, such as
// ReleaseWith<::CloseHandle>. Its result (a success flag) is of no use in a release.
template <auto Release> struct ReleaseWith {
    template <typename Handle> void operator()(Handle handle) const noexcept { Release(handle); }
};

// A handle value that reads as null when it equals `Empty`, so that unique_ptr can hold it
// as its pointer.
template <typename Handle, std::intptr_t Empty>
requires std::is_pointer_v<Handle>
class HandleValue {
public:
    HandleValue() noexcept = default;
    HandleValue(std::nullptr_t) noexcept {}
    HandleValue(Handle handle) noexcept : handle_(handle) {}

    operator Handle() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != EmptyValue(); }
    friend bool operator==(HandleValue a, HandleValue b) noexcept { return a.handle_ == b.handle_; }
    friend bool operator==(HandleValue a, std::nullptr_t) noexcept { return !a; }

    static Handle EmptyValue() noexcept { return reinterpret_cast<Handle>(Empty); }

private:
    Handle handle_ = EmptyValue();
};

// Release, taught to take the handle from its HandleValue.
template <typename Handle, typename Release, std::intptr_t Empty> struct ReleaseValue : Release {
    using pointer = HandleValue<Handle, Empty>;
    ReleaseValue() = default;
    ReleaseValue(Release release) : Release(std::move(release)) {}
    void operator()(pointer value) const noexcept {
        Release::operator()(static_cast<Handle>(value));
    }
};

// Handle must be a pointer type (every STRICT Win32 handle is). Release is a functor type
// that may carry state, such as the window a DC was taken from. Empty is the value that means
// "no handle" (default null).
template <typename Handle, typename Release, std::intptr_t Empty = 0>
requires std::is_pointer_v<Handle>
using UniqueHandle =
    std::conditional_t<Empty == 0, std::unique_ptr<std::remove_pointer_t<Handle>, Release>,
                       std::unique_ptr<Handle, ReleaseValue<Handle, Release, Empty>>>;

} // namespace toolkit

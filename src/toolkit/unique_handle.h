// The one owner type for platform handles: a unique_ptr over the handle's pointee with a
// release functor. Portable (no <windows.h>) so that it is tested natively; the Win32
// instantiations live in win_handles.h.
#pragma once

#include <memory>
#include <type_traits>

namespace toolkit {

// Handle must be a pointer type (every STRICT Win32 handle is). Release is a functor type
// that may carry state, such as the window a DC was taken from.
template <typename Handle, typename Release>
requires std::is_pointer_v<Handle>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, Release>;

} // namespace toolkit

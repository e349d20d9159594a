// Runs a clean-up when the scope ends, on every way out, unless dismissed first. For
// clean-ups that are not a handle's release (a temporary file to delete, a clipboard to
// close, a canvas to unbind); handles have their owners in unique_handle.h.
#pragma once

#include <type_traits>
#include <utility>

namespace toolkit {

template <typename CleanUp>
requires std::is_nothrow_invocable_v<CleanUp&>
class [[nodiscard]] ScopeGuard {
public:
    explicit ScopeGuard(CleanUp cleanUp) noexcept(std::is_nothrow_move_constructible_v<CleanUp>)
        : cleanUp_(std::move(cleanUp)) {}
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;
    ~ScopeGuard() {
        if (armed_)
            cleanUp_();
    }

    // The clean-up is no longer needed (the file has become the settings file, say).
    void Dismiss() noexcept { armed_ = false; }

private:
    CleanUp cleanUp_;
    bool armed_ = true;
};

} // namespace toolkit

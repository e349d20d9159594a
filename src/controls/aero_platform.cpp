#include "controls/aero_platform.h"

#include <dwmapi.h>

namespace quarnel {
namespace {

const AeroPlatform* g_platform = nullptr;

unsigned MajorVersion() {
    // GetVersionEx lies to programs without a compatibility manifest; 6 or more is all we ask.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    if (!::GetVersionExW(&info))
        return 0;
    return info.dwMajorVersion;
}

} // namespace

bool SystemAeroPlatform::CompositionOn() const {
    const unsigned major = MajorVersion();
    BOOL enabled = FALSE;
    const bool succeeded = major >= 6 && SUCCEEDED(::DwmIsCompositionEnabled(&enabled));
    return quarnel::CompositionOn(major, succeeded, enabled != FALSE);
}

GlassFrame SystemAeroPlatform::FormGlassFrame(HWND) const {
    return {};
}

const AeroPlatform& CurrentAeroPlatform() {
    static const SystemAeroPlatform system;
    return g_platform != nullptr ? *g_platform : system;
}

void SetAeroPlatform(const AeroPlatform* platform) {
    g_platform = platform;
}

} // namespace quarnel

// The questions a glass button asks the platform before it draws, beside whether visual
// styles are active (visual_styles.h): is desktop composition on, and how far does a form's
// glass frame reach. Tests put their own answers in place with SetAeroPlatform.
#pragma once

#include <windows.h>

#include "controls/button_face.h"

namespace quarnel {

class AeroPlatform {
public:
    virtual ~AeroPlatform() = default;
    virtual bool CompositionOn() const = 0;
    // The glass frame of a top-level form; whether the program's own style is the active one.
    virtual GlassFrame FormGlassFrame(HWND form) const = 0;
    virtual bool PlatformStyleActive() const = 0;
};

// The system's answers. The toolkit's forms never extend their frame into the client area.
class SystemAeroPlatform final : public AeroPlatform {
public:
    bool CompositionOn() const override;
    GlassFrame FormGlassFrame(HWND form) const override;
    bool PlatformStyleActive() const override { return true; }
};

// The platform the buttons ask; the system's unless a test put another in place.
const AeroPlatform& CurrentAeroPlatform();
// Puts `platform` in place (nullptr: the system's again); the caller keeps it alive.
void SetAeroPlatform(const AeroPlatform* platform);

} // namespace quarnel

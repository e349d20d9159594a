// Test support for the glass button: the platform's answers put in place for one test, a
// host form with a button on it, a record of the messages windows receive, and counts of
// USER objects (GDI objects: gdi_count.h).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "controls/aero_buttons.h"
#include "controls/aero_platform.h"
#include "support/gdi_count.h"
#include "support/memory_surface.h"
#include "toolkit/form.h"

namespace testing_support {

// Visual styles, composition and a glass frame as a test wants them; the system's answers
// come back when it goes.
class AeroAnswers final : public quarnel::AeroPlatform {
public:
    explicit AeroAnswers(bool stylesActive, bool compositionOn = false);
    ~AeroAnswers() override;
    AeroAnswers(const AeroAnswers&) = delete;
    AeroAnswers& operator=(const AeroAnswers&) = delete;

    void SetStyles(bool active);
    void SetComposition(bool on) { composition_ = on; }
    void SetGlassFrame(const quarnel::GlassFrame& frame) { frame_ = frame; }

    bool CompositionOn() const override { return composition_; }
    quarnel::GlassFrame FormGlassFrame(HWND) const override { return frame_; }
    bool PlatformStyleActive() const override { return true; }

private:
    bool composition_;
    quarnel::GlassFrame frame_;
};

// A glass button whose mouse enter and leave a test can call.
class ProbeButton : public quarnel::TAeroButton {
public:
    using TAeroButton::MouseEnter;
    using TAeroButton::MouseLeave;
};

// A form that answers the UI-state question as a test says (or as the platform does).
class HostForm : public toolkit::Form {
public:
    int uiState = -1; // -1: the platform's answer

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_QUERYUISTATE && uiState >= 0)
            return uiState;
        return Form::HandleMessage(message, wParam, lParam);
    }
};

// A shown form with one glass button at (10, 10), 75 x 25 unless told otherwise.
class ButtonHost {
public:
    explicit ButtonHost(int width = 75, int height = 25, const wchar_t* caption = L"Stop");
    ~ButtonHost();
    ButtonHost(const ButtonHost&) = delete;
    ButtonHost& operator=(const ButtonHost&) = delete;

    HostForm& form() { return *form_; }
    ProbeButton& button() { return *button_; }
    // Dispatches every waiting message.
    static void Pump();

private:
    std::unique_ptr<HostForm> form_;
    std::unique_ptr<ProbeButton> button_;
    toolkit::UniqueFont font_;
};

// The size of a freshly created button, and the colour a face is drawn over in the tests.
inline constexpr int kButtonWidth = 75;
inline constexpr int kButtonHeight = 25;
inline constexpr COLORREF kFaceGround = RGB(255, 0, 255);

// The button's face for one owner-draw request, on `surface` filled with kFaceGround first.
// (Inline: the repaint benchmark shares this file without the memory surface.)
inline void DrawFaceOn(ButtonHost& host, MemorySurface& surface, UINT itemState) {
    surface.Fill(kFaceGround);
    const RECT item{0, 0, surface.width(), surface.height()};
    host.button().DrawFace(surface.dc(), item, itemState);
}

// Messages sent or posted to the windows of this thread while it lives.
class MessageLog {
public:
    struct Entry {
        HWND window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        // For WM_DRAWITEM and WM_ERASEBKGND: the DC's bitmap size and bits per pixel, and
        // its window origin, seen when the message arrived.
        SIZE bitmapSize;
        int bitsPerPixel;
        POINT origin;
        HDC dc;
    };

    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void Clear() { entries_.clear(); }
    std::vector<Entry> Of(HWND window, UINT message) const;
    int Count(HWND window, UINT message) const {
        return static_cast<int>(Of(window, message).size());
    }

private:
    static LRESULT CALLBACK OnSent(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OnPosted(int code, WPARAM wParam, LPARAM lParam);
    void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HHOOK sent_ = nullptr;
    HHOOK posted_ = nullptr;
    std::vector<Entry> entries_;
};

// Live USER objects: GetGuiResources, or, where it answers nothing, this thread's windows.
int UserObjectCount();

} // namespace testing_support

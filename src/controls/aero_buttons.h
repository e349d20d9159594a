// TAeroButton: the push button every command button of the panel is made of. The platform's
// BUTTON keeps pressing, clicks and focus; the button draws every face itself (owner-draw) in
// the visual style, or in the classic look when styles are off, with hot tracking, an optional
// image-list picture, correct drawing on a glass frame and off-screen buffered painting.
//
// Handled here: owner-draw, measure-item and button-colour requests reflected by the parent,
// WM_PAINT (buffered), WM_ERASEBKGND (answered while styles are active), focus gain and loss
// (repaint), left double clicks (turned into a fresh left press), mouse enter and leave (hot
// tracking), the default-look switch (repaint only: the platform style stays owner-draw).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "controls/button_glyph.h"
#include "controls/glyph_types.h"
#include "controls/image_list.h"
#include "toolkit/canvas.h"
#include "toolkit/push_button_base.h"
#include "toolkit/win_handles.h"

namespace quarnel {

class TAeroButton : public toolkit::PushButtonBase {
public:
    TAeroButton();
    ~TAeroButton() override;

    int ImageIndex() const noexcept { return imageIndex_; }
    void SetImageIndex(int value);
    const ImageList* Images() const noexcept { return images_; }
    void SetImages(const ImageList* value);
    TImagePos ImagePos() const noexcept { return imagePos_; }
    void SetImagePos(TImagePos value);
    int Spacing() const noexcept { return spacing_; }
    void SetSpacing(int value);
    // Always the text of GetVersionNr; a stored value is accepted and dropped.
    std::wstring Version() const;
    void SetVersion(const std::wstring& value);

    // Drops `Images` when that list is removed.
    void Notification(const void* component, Operation operation) override;

    // Hot: the mouse pointer is over the button. Default look: the button is the active one of
    // its form (set by the focus-change rule, not by the keyboard focus itself). Read-only.
    bool Hot() const noexcept { return hot_; }
    bool DefaultLook() const noexcept { return defaultLook_; }

    // The DrawText flags the caption is drawn with: right-to-left, hidden accelerators (asked
    // of the top-level window), word wrap.
    unsigned TextFlags() const;

    // Draws the whole button for one owner-draw request.
    void DrawFace(HDC dc, const RECT& itemRect, UINT itemState);

    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    virtual std::uint32_t GetVersionNr() const;

protected:
    DWORD ButtonStyle() const override;
    void SetButtonStyle(bool active) override;
    void MouseEnter() override;
    void MouseLeave() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The glyph object is made before anything else.
    explicit TAeroButton(std::unique_ptr<TButtonGlyph> glyph);

    // A property's write: a new value is stored and the button repaints at the next paint;
    // the current value changes nothing.
    template <typename Value> void StoreAndInvalidate(Value& field, Value value) {
        if (value == field)
            return;
        field = value;
        if (hwnd() != nullptr)
            Invalidate();
    }
    // The theme of buttons while visual styles are active, else null (the classic look).
    HTHEME ActiveTheme();
    bool Designing() const noexcept { return false; }
    bool OnGlass();
    void DrawThemedFace(HTHEME theme, const RECT& itemRect, UINT itemState);
    void DrawClassicFace(const RECT& itemRect, UINT itemState);
    void PaintBuffered(HDC requestDc);
    LRESULT ControlColor(HDC dc);

    bool defaultLook_ = false; // written only by the default-look switch
    // Owned; bound to the DC of an owner-draw request only while that request is served.
    std::unique_ptr<toolkit::Canvas> canvas_;
    std::unique_ptr<TButtonGlyph> glyph_; // owned
    bool hot_ = false;                    // changes only while visual styles are active
    TImagePos imagePos_ = ipLeft;
    const ImageList* images_ = nullptr; // not owned; dropped when its owner removes it
    int spacing_ = 4;
    int imageIndex_ = -1;

    // Opened at the first themed paint, dropped when the theme changes.
    toolkit::UniqueTheme theme_;
};

} // namespace quarnel

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

    int ImageIndex() const noexcept { return FImageIndex; }
    void SetImageIndex(int value);
    const ImageList* Images() const noexcept { return FImages; }
    void SetImages(const ImageList* value);
    TImagePos ImagePos() const noexcept { return FImagePos; }
    void SetImagePos(TImagePos value);
    int Spacing() const noexcept { return FSpacing; }
    void SetSpacing(int value);
    // Always the text of GetVersionNr; a stored value is accepted and dropped.
    std::wstring Version() const;
    void SetVersion(const std::wstring& value);

    // Drops `Images` when that list is removed.
    void Notification(const void* component, Operation operation) override;

    // Hot (mouse over the button) and active (the form's default look); read-only.
    bool Hot() const noexcept { return FMouseInControl; }
    bool Active() const noexcept { return IsFocused; }

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

    // The theme of buttons while visual styles are active, else null (the classic look).
    HTHEME ActiveTheme();
    bool Designing() const noexcept { return false; }
    bool OnGlass();
    void DrawThemedFace(HTHEME theme, const RECT& itemRect, UINT itemState);
    void DrawClassicFace(const RECT& itemRect, UINT itemState);
    void PaintBuffered(HDC requestDc);
    LRESULT ControlColor(HDC dc);

    bool IsFocused = false;
    std::unique_ptr<toolkit::Canvas> FCanvas;
    std::unique_ptr<TButtonGlyph> FGlyph;
    bool FMouseInControl = false;
    TImagePos FImagePos = ipLeft;
    const ImageList* FImages = nullptr;
    int FSpacing = 4;
    int FImageIndex = -1;

    // Opened at the first themed paint, dropped when the theme changes.
    toolkit::UniqueTheme theme_;
};

} // namespace quarnel

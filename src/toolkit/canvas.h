// A drawing surface bound to a device context for the length of one drawing request: a font
// with its colour, a pen and a brush, selected into the DC as drawing needs them. Binding
// saves the DC's state and unbinding restores it, so everything it selected or set is undone.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/win_handles.h"

namespace toolkit {

// A colour value: 0x00BBGGRR for an RGB colour, 0xFF0000nn for system colour nn.
using TColor = std::uint32_t;
inline constexpr TColor SystemColor(int index) {
    return 0xFF000000u | static_cast<TColor>(index);
}
// Resolves a system colour at the time of drawing.
COLORREF ColorToRgb(TColor color);

class Canvas {
public:
    enum class BrushStyle { Solid, Clear };

    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() { Unbind(); }

    void Bind(HDC dc);
    void Unbind() noexcept;
    HDC dc() const noexcept { return dc_; }
    bool bound() const noexcept { return dc_ != nullptr; }

    // The font is not owned; its colour is the canvas's own (window text unless set).
    void SetFont(HFONT font, TColor color = SystemColor(COLOR_WINDOWTEXT));
    HFONT font() const noexcept { return font_; }
    void SetFontColor(TColor color) { fontColor_ = color; }
    TColor fontColor() const noexcept { return fontColor_; }

    void SetPen(TColor color, int width = 1);
    void SetBrushColor(TColor color);
    void SetBrushStyle(BrushStyle style) { brushStyle_ = style; }
    BrushStyle brushStyle() const noexcept { return brushStyle_; }
    TColor brushColor() const noexcept { return brushColor_; }

    // Selects the font, text colour and background mode for text drawing on dc().
    void PrepareText();
    // Outline with the pen, filled with the brush unless it is clear.
    void Rectangle(const RECT& rect);
    void FillRect(const RECT& rect);
    // The dotted focus rectangle, in the pen's and brush's colours as text and background.
    void DrawFocusRect(const RECT& rect);

private:
    void SelectPenAndBrush();

    HDC dc_ = nullptr;
    HFONT font_ = nullptr;
    TColor fontColor_ = SystemColor(COLOR_WINDOWTEXT);
    TColor penColor_ = SystemColor(COLOR_WINDOWTEXT);
    int penWidth_ = 1;
    TColor brushColor_ = SystemColor(COLOR_BTNFACE);
    BrushStyle brushStyle_ = BrushStyle::Solid;

    // Objects created for the current binding; the DC's saved state is restored (and so
    // they are deselected) before they are deleted.
    UniquePen pen_;
    UniqueBrush brush_;
    UniqueSavedDc savedState_;
};

} // namespace toolkit

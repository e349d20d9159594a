#include "toolkit/canvas.h"

namespace toolkit {

COLORREF ColorToRgb(TColor color) {
    if ((color & 0xFF000000u) == 0xFF000000u)
        return ::GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

void Canvas::Bind(HDC dc) {
    Unbind();
    dc_ = dc;
    savedState_ = SaveDcState(dc);
}

void Canvas::Unbind() noexcept {
    savedState_.reset();
    pen_.reset();
    brush_.reset();
    dc_ = nullptr;
}

void Canvas::SetFont(HFONT font, TColor color) {
    font_ = font;
    fontColor_ = color;
}

void Canvas::SetPen(TColor color, int width) {
    penColor_ = color;
    penWidth_ = width;
}

void Canvas::SetBrushColor(TColor color) {
    brushColor_ = color;
    brushStyle_ = BrushStyle::Solid;
}

void Canvas::PrepareText() {
    if (dc_ == nullptr)
        return;
    if (font_ != nullptr)
        ::SelectObject(dc_, font_);
    ::SetTextColor(dc_, ColorToRgb(fontColor_));
    ::SetBkMode(dc_, brushStyle_ == BrushStyle::Clear ? TRANSPARENT : OPAQUE);
    ::SetBkColor(dc_, ColorToRgb(brushColor_));
}

void Canvas::SelectPenAndBrush() {
    // Select the new objects before freeing the ones they replace.
    UniquePen pen(::CreatePen(PS_SOLID, penWidth_, ColorToRgb(penColor_)));
    ::SelectObject(dc_, pen.get());
    pen_ = std::move(pen);

    UniqueBrush brush(
        brushStyle_ == BrushStyle::Clear ? nullptr : ::CreateSolidBrush(ColorToRgb(brushColor_)));
    ::SelectObject(dc_, brush ? static_cast<HGDIOBJ>(brush.get()) : ::GetStockObject(NULL_BRUSH));
    brush_ = std::move(brush);
}

void Canvas::Rectangle(const RECT& rect) {
    if (dc_ == nullptr)
        return;
    SelectPenAndBrush();
    ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::FillRect(const RECT& rect) {
    if (dc_ == nullptr)
        return;
    UniqueBrush brush(::CreateSolidBrush(ColorToRgb(brushColor_)));
    ::FillRect(dc_, &rect, brush.get());
}

void Canvas::DrawFocusRect(const RECT& rect) {
    if (dc_ == nullptr)
        return;
    // The focus rectangle is drawn with XOR over the text and background colours.
    ::SetTextColor(dc_, ColorToRgb(penColor_));
    ::SetBkColor(dc_, ColorToRgb(brushColor_));
    ::DrawFocusRect(dc_, &rect);
}

} // namespace toolkit

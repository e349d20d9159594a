#include "controls/button_glyph.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "controls/glyph_layout.h"
#include "controls/keyed_bitmap.h"
#include "controls/visual_styles.h"

namespace quarnel {

#if defined(_WIN64)
static_assert(sizeof(DTTOPTS) == 72, "the theme engine checks the options' size");
#endif

namespace {

Rect32 ToRect32(const RECT& r) {
    return Rect32{r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const Rect32& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

int Length(const std::wstring& text) {
    return static_cast<int>(text.size());
}

// The picture goes onto a white ground first, so that an image whose top-left pixel is
// transparent is keyed by white.
void PaintGlyph(toolkit::Canvas& canvas, POINT position, const ImageList* images, int imageIndex) {
    if (!ShowsPicture(images, imageIndex))
        return;
    const int width = images->Width();
    const int height = images->Height();
    toolkit::UniqueBitmap picture = toolkit::CreateTopDownDib(canvas.dc(), width, height);
    if (!picture)
        return;
    {
        toolkit::UniqueMemoryDc dc(::CreateCompatibleDC(canvas.dc()));
        toolkit::UniqueSelection selection = toolkit::Select(dc.get(), picture.get());
        const RECT all{0, 0, width, height};
        ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        // The enabled look in every state: a disabled button's picture is not greyed.
        images->Draw(dc.get(), 0, 0, imageIndex);
    } // deselected: GDI+ reads it through GetDIBits
    DrawKeyedBitmap(canvas, position, picture.get());
}

// Draws the caption once in the canvas font's colour: with the theme engine when `glassTheme`
// is open (plain GDI text loses its alpha on glass), else with DrawTextW.
void DrawCaptionOnce(toolkit::Canvas& canvas, const std::wstring& caption, RECT bounds, UINT flags,
                     HTHEME glassTheme) {
    canvas.PrepareText();
    if (glassTheme != nullptr) {
        DTTOPTS options{};
        options.dwSize = sizeof(options);
        options.dwFlags = DTT_COMPOSITED | DTT_TEXTCOLOR;
        options.crText = toolkit::ColorToRgb(canvas.fontColor());
        ::DrawThemeTextEx(glassTheme, canvas.dc(), BP_PUSHBUTTON, PBS_NORMAL, caption.c_str(),
                          Length(caption), flags, &bounds, &options);
        return;
    }
    ::DrawTextW(canvas.dc(), caption.c_str(), Length(caption), &bounds, flags);
}

void PaintCaption(toolkit::Canvas& canvas, const std::wstring& caption, RECT bounds,
                  std::uint8_t state, UINT biDiFlags) {
    const bool glass = (state & kGlassStateFlag) != 0;
    state = static_cast<std::uint8_t>(state & ~kGlassStateFlag);
    // Without a button theme there is no composed text; plain text is the best left.
    toolkit::UniqueTheme glassTheme(glass ? ::OpenThemeData(nullptr, L"BUTTON") : nullptr);
    canvas.SetBrushStyle(toolkit::Canvas::BrushStyle::Clear);
    // No single-line flag: every line is centred on its own and DT_VCENTER does nothing.
    const UINT flags = biDiFlags | DT_CENTER | DT_VCENTER;
    if (state == bsDisabled) {
        // The embossed look: a highlight one pixel down-right under the shadow-coloured text.
        ::OffsetRect(&bounds, 1, 1);
        canvas.SetFontColor(toolkit::SystemColor(COLOR_BTNHIGHLIGHT));
        DrawCaptionOnce(canvas, caption, bounds, flags, glassTheme.get());
        ::OffsetRect(&bounds, -1, -1);
        canvas.SetFontColor(toolkit::SystemColor(COLOR_BTNSHADOW));
    }
    DrawCaptionOnce(canvas, caption, bounds, flags, glassTheme.get());
}

} // namespace

RECT TButtonGlyph::Draw(toolkit::Canvas& canvas, const GlyphRequest& request) {
    const std::wstring& caption = request.caption;
    const bool picture = ShowsPicture(request.images, request.imageIndex);
    const GlyphLayoutInput input{
        .client = ToRect32(request.client),
        .offset = Point32{request.captionShift.x, request.captionShift.y},
        .layout = request.layout,
        .margin = request.margin,
        .spacing = request.spacing,
        .biDiFlags = request.textFlags,
        .glyphWidth = picture ? request.images->Width() : 0,
        .glyphHeight = picture ? request.images->Height() : 0,
        .hasCaption = !caption.empty(),
        .visualStylesActive = VisualStylesActive(),
    };
    const GlyphLayout placed = ComputeLayout(input, [&](Rect32 bounds) {
        RECT extent = ToRect(bounds);
        canvas.PrepareText();
        ::DrawTextW(canvas.dc(), caption.c_str(), Length(caption), &extent,
                    DT_CALCRECT | request.textFlags);
        return ToRect32(extent);
    });

    PaintGlyph(canvas, POINT{placed.glyphPos.x, placed.glyphPos.y}, request.images,
               request.imageIndex);
    const RECT textBounds = ToRect(placed.textBounds);
    PaintCaption(canvas, caption, textBounds, request.state, request.textFlags);
    return textBounds;
}

} // namespace quarnel

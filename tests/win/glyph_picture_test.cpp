// The glyph object's image-list pictures: keyed through GDI+ by their top-left pixel.
#include <gtest/gtest.h>

#include <string>

#include "controls/button_glyph.h"
#include "controls/gdip_objects.h"
#include "controls/keyed_bitmap.h"
#include "controls/visual_styles.h"
#include "support/gdi_count.h"
#include "support/memory_surface.h"
#include "support/test_image_list.h"
#include "toolkit/error.h"

namespace {

using testing_support::ListPixel;
using testing_support::MemorySurface;

constexpr COLORREF kGround = RGB(0, 128, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kSize = 16;

bool InsideSquare(int x, int y, int from, int to) {
    return x >= from && x <= to && y >= from && y <= to;
}

// Transparent border, blue inside with one white row.
ListPixel TransparentCorner(int x, int y) {
    if (!InsideSquare(x, y, 3, 12))
        return {0, true};
    return {y == 8 ? kWhite : kBlue, false};
}
// Opaque: a red band along the top and left edges and a red dot, white ground, blue square.
ListPixel RedCorner(int x, int y) {
    if (x < 3 || y < 3 || InsideSquare(x, y, 9, 10))
        return {kRed, false};
    if (InsideSquare(x, y, 5, 7))
        return {kBlue, false};
    return {kWhite, false};
}

class GlyphPicture : public ::testing::Test {
protected:
    ~GlyphPicture() override { quarnel::SetGlobalAllocator(nullptr); }

    // Draws picture (and caption) onto `surface` filled with the ground colour.
    RECT Draw(MemorySurface& surface, const quarnel::ImageList& images, std::uint8_t state,
              const RECT& client, const std::wstring& caption = L"", POINT offset = {0, 0}) {
        surface.Fill(kGround);
        toolkit::Canvas canvas;
        canvas.Bind(surface.dc());
        canvas.SetFont(font_.get(), RGB(0, 0, 0));
        return glyph_.Draw(canvas, {.client = client,
                                    .captionShift = offset,
                                    .caption = caption,
                                    .state = state,
                                    .images = &images,
                                    .imageIndex = 0});
    }

    quarnel::gdip::EngineSession engine_;
    toolkit::UniqueFont font_ = toolkit::CreateUiFont(14, L"Tahoma");
    quarnel::TButtonGlyph glyph_;
};

TEST_F(GlyphPicture, KeyedByTheTopLeftPixel) {
    struct Case {
        const char* name;
        ListPixel (*paint)(int x, int y);
        // What shows through: transparent and key-coloured pixels show the ground.
        COLORREF (*expected)(int x, int y);
    };
    const Case cases[] = {
        {"transparent top-left: the white ground and every white pixel are left out",
         &TransparentCorner,
         [](int x, int y) {
             const ListPixel p = TransparentCorner(x, y);
             return p.transparent || p.color == kWhite ? kGround : p.color;
         }},
        {"opaque red top-left: every red pixel is left out, the white stays", &RedCorner,
         [](int x, int y) {
             const COLORREF c = RedCorner(x, y).color;
             return c == kRed ? kGround : c;
         }},
    };
    const RECT client{10, 20, 10 + kSize, 20 + kSize}; // the picture lands at (10, 20)
    for (const Case& c : cases) {
        toolkit::UniqueImageList list = testing_support::MakeImageList(kSize, c.paint);
        const quarnel::ImageList images(list.get());
        ASSERT_EQ(images.Count(), 1);
        MemorySurface surface(48, 48);
        Draw(surface, images, quarnel::bsUp, client);
        int wrong = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) {
                const bool inside = x >= 10 && x < 10 + kSize && y >= 20 && y < 20 + kSize;
                const COLORREF want = inside ? c.expected(x - 10, y - 20) : kGround;
                if (surface.Pixel(x, y) != want && wrong++ < 5)
                    ADD_FAILURE() << c.name << ": pixel (" << x << ", " << y << ") is 0x"
                                  << std::hex << surface.Pixel(x, y) << ", want 0x" << want;
            }
        EXPECT_EQ(wrong, 0) << c.name;
    }
}

TEST_F(GlyphPicture, LooksTheSameInEveryStateAndIgnoresTheOffset) {
    toolkit::UniqueImageList list = testing_support::MakeImageList(kSize, &RedCorner);
    const quarnel::ImageList images(list.get());
    const RECT client{0, 0, 100, 30};
    MemorySurface reference(100, 30);
    Draw(reference, images, quarnel::bsUp, client);
    ASSERT_EQ(reference.Pixel(42 + 6, 7 + 6), kBlue) << "the picture is centred at (42, 7)";

    struct Case {
        std::uint8_t state;
        bool styles;
        POINT offset;
    };
    const Case cases[] = {
        {quarnel::bsDisabled, true, {0, 0}},
        {quarnel::bsDown, true, {0, 0}},
        {quarnel::bsExclusive, true, {0, 0}},
        {quarnel::bsDisabled | quarnel::kGlassStateFlag, true, {0, 0}},
        {quarnel::bsDown, false, {1, 1}},
    };
    for (const Case& c : cases) {
        quarnel::SetVisualStylesQuery(c.styles ? +[] { return true; } : +[] { return false; });
        MemorySurface surface(100, 30);
        Draw(surface, images, c.state, client, L"", c.offset);
        quarnel::SetVisualStylesQuery(nullptr);
        EXPECT_TRUE(surface.SamePixels(reference))
            << "state " << int{c.state} << ", styles " << c.styles;
    }
}

TEST_F(GlyphPicture, NoPictureOutsideTheList) {
    toolkit::UniqueImageList list = testing_support::MakeImageList(kSize, &RedCorner);
    const quarnel::ImageList images(list.get());
    for (int index : {-1, 1}) {
        MemorySurface surface(100, 30);
        surface.Fill(kGround);
        toolkit::Canvas canvas;
        canvas.Bind(surface.dc());
        canvas.SetFont(font_.get(), RGB(0, 0, 0));
        const RECT drawn = glyph_.Draw(
            canvas, {.client = {0, 0, 100, 30}, .images = &images, .imageIndex = index});
        canvas.Unbind();
        EXPECT_EQ(surface.Count(kGround), 100 * 30) << "index " << index;
        // Laid out as if there were no picture: the empty caption sits in the middle.
        EXPECT_EQ(drawn.left, 50) << "index " << index;
    }
}

TEST_F(GlyphPicture, KeyedBitmapGoesToItsPositionAtItsOwnSize) {
    // 4 x 4: blue top-left pixel, red elsewhere.
    MemorySurface picture(4, 4);
    picture.Fill(kRed);
    ::SetPixel(picture.dc(), 0, 0, kBlue);
    toolkit::UniqueBitmap bitmap(::CreateCompatibleBitmap(picture.dc(), 4, 4));
    {
        toolkit::UniqueMemoryDc dc(::CreateCompatibleDC(picture.dc()));
        toolkit::UniqueSelection selection = toolkit::Select(dc.get(), bitmap.get());
        ::BitBlt(dc.get(), 0, 0, 4, 4, picture.dc(), 0, 0, SRCCOPY);
    }
    MemorySurface surface(16, 16);
    surface.Fill(kGround);
    toolkit::Canvas canvas;
    canvas.Bind(surface.dc());
    quarnel::DrawKeyedBitmap(canvas, {5, 6}, bitmap.get());
    // Nothing that cannot be read as a picture is drawn, and nothing is raised.
    quarnel::DrawKeyedBitmap(canvas, {0, 0}, nullptr);
    canvas.Unbind();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= 5 && x < 9 && y >= 6 && y < 10 && !(x == 5 && y == 6);
            EXPECT_EQ(surface.Pixel(x, y), inside ? kRed : kGround) << x << ", " << y;
        }
}

TEST_F(GlyphPicture, MissingMemoryEndsTheDrawingWithTheErrorText) {
    toolkit::UniqueImageList list = testing_support::MakeImageList(kSize, &RedCorner);
    const quarnel::ImageList images(list.get());
    static int asked = 0;
    asked = 0;
    quarnel::SetGlobalAllocator([](UINT flags, SIZE_T) -> HGLOBAL {
        EXPECT_EQ(flags, static_cast<UINT>(GMEM_MOVEABLE));
        ++asked;
        return nullptr;
    });
    MemorySurface surface(100, 30);
    try {
        Draw(surface, images, quarnel::bsUp, {0, 0, 100, 30}, L"Stop");
        ADD_FAILURE() << "no error raised";
    } catch (const toolkit::UserError& error) {
        EXPECT_EQ(error.text(), u"Could not allocate memory for image");
    }
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(surface.Count(kGround), 100 * 30) << "neither picture nor caption is drawn";
}

TEST_F(GlyphPicture, ManyDrawsLeaveNoGdiObjectsBehind) {
    toolkit::UniqueImageList list = testing_support::MakeImageList(kSize, &TransparentCorner);
    const quarnel::ImageList images(list.get());
    MemorySurface surface(100, 30);
    Draw(surface, images, quarnel::bsDisabled, {0, 0, 100, 30}, L"Forward\r\nLeft");
    const DWORD before = testing_support::GdiObjectCount();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 200; ++i)
        Draw(surface, images, static_cast<std::uint8_t>(i % 4 | (i % 8 < 4 ? 0 : 4)),
             {0, 0, 100, 30}, L"Forward\r\nLeft");
    EXPECT_EQ(testing_support::GdiObjectCount(), before);
}

} // namespace

// How the glass button reaches the screen: the buffered paint paths (off-screen bitmap or
// platform buffer), the button colour request, and the objects many paints leave behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <uxtheme.h>

#include "controls/aero_buttons.h"
#include "support/aero_support.h"
#include "support/gdi_count.h"
#include "support/memory_surface.h"
#include "toolkit/win_handles.h"

namespace {

using namespace testing_support;

// The buffered paint paths, seen through the messages they send.
class BufferedPaint : public ::testing::Test {
protected:
    BufferedPaint() : answers_(true) {}
    AeroAnswers answers_;
    ButtonHost host_;
};

TEST_F(BufferedPaint, WithoutCompositionDrawsIntoABitmapOfTheUpdateRectangle) {
    const HWND window = host_.button().hwnd();
    const HWND form = host_.form().hwnd();
    MessageLog log;
    const RECT part{5, 6, 40, 20};
    ::ValidateRect(window, nullptr);
    ::InvalidateRect(window, &part, FALSE);
    ::UpdateWindow(window);

    const auto draws = log.Of(form, WM_DRAWITEM);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].bitmapSize.cx, 35);
    EXPECT_EQ(draws[0].bitmapSize.cy, 14);
    EXPECT_EQ(draws[0].origin.x, 5);
    EXPECT_EQ(draws[0].origin.y, 6);
    const auto erases = log.Of(window, WM_ERASEBKGND);
    ASSERT_FALSE(erases.empty());
    EXPECT_EQ(erases.back().dc, draws[0].dc) << "erased into the same memory DC first";
}

TEST_F(BufferedPaint, BufferedCopyLandsWhereTheFaceBelongs) {
    const HWND window = host_.button().hwnd();
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    MemorySurface onScreen(kButtonWidth, kButtonHeight);
    {
        const toolkit::UniqueWindowDc dc = toolkit::GetWindowDc(window);
        ::BitBlt(onScreen.dc(), 0, 0, kButtonWidth, kButtonHeight, dc.get(), 0, 0, SRCCOPY);
    }
    MemorySurface direct(kButtonWidth, kButtonHeight);
    DrawFaceOn(host_, direct, 0);
    EXPECT_TRUE(onScreen.SamePixels(direct));
}

TEST_F(BufferedPaint, WithCompositionErasesAndPrintsIntoThePlatformBuffer) {
    answers_.SetComposition(true);
    const HWND window = host_.button().hwnd();
    const HWND form = host_.form().hwnd();
    MessageLog log;
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    const auto erases = log.Of(window, WM_ERASEBKGND);
    const auto prints = log.Of(window, WM_PRINTCLIENT);
    const auto draws = log.Of(form, WM_DRAWITEM);
    ASSERT_EQ(prints.size(), 1u);
    ASSERT_EQ(draws.size(), 1u);
    ASSERT_FALSE(erases.empty());
    EXPECT_EQ(prints[0].lParam, PRF_CLIENT);
    EXPECT_EQ(erases.back().dc, prints[0].dc);
    EXPECT_EQ(draws[0].dc, prints[0].dc);
    EXPECT_EQ(draws[0].bitsPerPixel, 32);
}

TEST_F(BufferedPaint, APaintWithItsOwnDcDrawsIntoIt) {
    const HWND window = host_.button().hwnd();
    const HWND form = host_.form().hwnd();
    MemorySurface target(kButtonWidth, kButtonHeight);
    target.Fill(kFaceGround);
    MessageLog log;
    ::SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(target.dc()), 0);
    const auto draws = log.Of(form, WM_DRAWITEM);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].dc, target.dc());
    EXPECT_LT(target.Count(kFaceGround), kButtonWidth * kButtonHeight);
}

TEST_F(BufferedPaint, ButtonColourRequestPaintsTheParentBackgroundAndAnswersNoBrush) {
    const HWND window = host_.button().hwnd();
    const HWND form = host_.form().hwnd();
    const LPARAM about = reinterpret_cast<LPARAM>(window);
    const auto nullBrush = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    MemorySurface surface(kButtonWidth, kButtonHeight);

    surface.Fill(kFaceGround);
    EXPECT_EQ(::SendMessageW(form, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(surface.dc()), about),
              nullBrush);
    EXPECT_EQ(surface.Count(::GetSysColor(COLOR_BTNFACE)), kButtonWidth * kButtonHeight)
        << "the form's background";

    // A double-buffered parent erases into the DC itself, shifted to the button's place.
    host_.form().SetDoubleBuffered(true);
    MessageLog log;
    surface.Fill(kFaceGround);
    EXPECT_EQ(::SendMessageW(form, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(surface.dc()), about),
              nullBrush);
    const auto erases = log.Of(form, WM_ERASEBKGND);
    ASSERT_EQ(erases.size(), 1u);
    EXPECT_EQ(erases[0].origin.x, 10);
    EXPECT_EQ(erases[0].origin.y, 10);
    POINT origin{-1, -1};
    ::GetWindowOrgEx(surface.dc(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(surface.Count(::GetSysColor(COLOR_BTNFACE)), kButtonWidth * kButtonHeight);

    // The classic look leaves the request to the platform.
    answers_.SetStyles(false);
    EXPECT_NE(::SendMessageW(form, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(surface.dc()), about),
              nullBrush);
}

struct LeakCase {
    const char* name;
    bool styles;
    bool composition;
    int paints;
};

TEST(AeroPaintObjects, GdiAndUserObjectsStayFlatOverManyPaints) {
    const LeakCase cases[] = {
        {"themed, no composition", true, false, 10000},
        {"classic", false, false, 1000},
        {"themed, composition", true, true, 1000},
    };
    for (const LeakCase& c : cases) {
        SCOPED_TRACE(c.name);
        AeroAnswers answers(c.styles, c.composition);
        ButtonHost host;
        const HWND window = host.button().hwnd();
        for (int i = 0; i < 10; ++i)
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const int gdiBefore = static_cast<int>(GdiObjectCount());
        const int userBefore = UserObjectCount();
        ASSERT_GT(gdiBefore, 0);
        host.button().MouseEnter(); // the hot face, the one the pointer brings
        for (int i = 0; i < c.paints; ++i)
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(static_cast<int>(GdiObjectCount()), gdiBefore);
        EXPECT_EQ(UserObjectCount(), userBefore);
    }
    // The count notices a leak.
    const int before = static_cast<int>(GdiObjectCount());
    toolkit::UniqueBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    EXPECT_EQ(static_cast<int>(GdiObjectCount()), before + 1);
}

} // namespace

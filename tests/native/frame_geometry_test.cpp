#include "ui/frame_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace quarnel;

// A window with a real frame: a sizing frame of `frameX`/`frameY` pixels on each side and a
// title bar of `caption` pixels while framed, nothing while borderless. Records every call.
class FakeWindow final : public FrameWindow {
public:
    FakeWindow(int frameX, int frameY, int caption)
        : frameX_(frameX), frameY_(frameY), caption_(caption) {}

    int Left() const override { return left_; }
    int Top() const override { return top_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int ClientWidth() const override { return width_ - 2 * FrameX(); }
    int ClientHeight() const override { return height_ - 2 * FrameY() - Caption(); }
    int ClientScreenX() const { return left_ + FrameX(); }
    int ClientScreenY() const { return top_ + FrameY() + Caption(); }
    bool framed() const { return framed_; }

    void SetLeft(int left) override { Log("left", left_ = left); }
    void SetTop(int top) override { Log("top", top_ = top); }
    void SetWidth(int width) override { Log("width", width_ = width); }
    void SetHeight(int height) override { Log("height", height_ = height); }
    void SetClientWidth(int width) override {
        Log("clientWidth", width);
        width_ = width + 2 * FrameX();
    }
    void SetClientHeight(int height) override {
        Log("clientHeight", height);
        height_ = height + 2 * FrameY() + Caption();
    }
    void SetFramed(bool framed) override {
        Log(framed ? "framed" : "borderless", 0);
        framed_ = framed; // the outer rectangle stays
    }

    std::vector<std::string> calls;

private:
    int FrameX() const { return framed_ ? frameX_ : 0; }
    int FrameY() const { return framed_ ? frameY_ : 0; }
    int Caption() const { return framed_ ? caption_ : 0; }
    void Log(const char* what, int value) {
        calls.push_back(std::string(what) +
                        (std::string(what) == "framed" || std::string(what) == "borderless"
                             ? ""
                             : " " + std::to_string(value)));
    }

    int frameX_, frameY_, caption_;
    int left_ = 0, top_ = 0;
    int width_ = 190 + 2 * frameX_, height_ = 436 + 2 * frameY_ + caption_;
    bool framed_ = true;
};

// Wine's metrics: SM_CYFRAME 4, SM_CYCAPTION 19; its real frame matches them.
constexpr int kFrame = 4;
constexpr int kCaption = 19;

TEST(DefaultPlacement, CentredInARectangleOfTheWorkAreasSizeAtTheOrigin) {
    struct Case {
        const char* taskbar;
        int workWidth, workHeight;
    };
    // A 1280x1024 screen with a 40-pixel taskbar on each side: only the size enters.
    const Case cases[] = {{"bottom", 1280, 984},
                          {"top", 1280, 984},
                          {"left", 1240, 1024},
                          {"right", 1240, 1024},
                          {"none", 1280, 1024}};
    const int outerWidth = 198, outerHeight = 463;
    for (const Case& c : cases) {
        const DefaultPlace place =
            DefaultPlacement(c.workWidth, c.workHeight, outerWidth, outerHeight);
        EXPECT_EQ(place.left, (c.workWidth - outerWidth) / 2) << c.taskbar;
        // floor(h / 2 + 463 / 2): the half pixels of an even work area and an odd window.
        EXPECT_EQ(place.bottom, c.workHeight / 2 + outerHeight / 2) << c.taskbar;
    }
}

TEST(DefaultPlacement, RoundsDown) {
    EXPECT_EQ(DefaultPlacement(1001, 1001, 200, 400).bottom, 700); // 500.5 + 200
    EXPECT_EQ(DefaultPlacement(1001, 1001, 200, 401).bottom, 701); // 500.5 + 200.5
    EXPECT_EQ(DefaultPlacement(1001, 1001, 200, 400).left, 400);   // 500.5 - 100
    EXPECT_EQ(DefaultPlacement(1000, 1000, 201, 400).left, 399);   // 500 - 100.5
    EXPECT_EQ(DefaultPlacement(100, 100, 301, 400).left, -101);    // -100.5, down
}

TEST(StartGeometry, StepsInOrderWithDefaults) {
    FakeWindow window(kFrame, kFrame, kCaption);
    int heading = 99;
    ApplyStartGeometry(window, SettingsImage(), {1280, 984}, [&](int h) { heading = h; });
    const std::vector<std::string> expected = {"clientHeight 436", "clientWidth 190", "top 260",
                                               "left 541"};
    EXPECT_EQ(window.calls, expected);
    EXPECT_EQ(heading, 0);
    EXPECT_EQ(window.Top() + window.Height(), 984 / 2 + 463 / 2);
}

TEST(StartGeometry, SavedValuesAndTitleBarChoice) {
    FakeWindow window(kFrame, kFrame, kCaption);
    int heading = 99;
    const SettingsImage settings = SettingsImage::Parse(
        u"[System]\r\nShowTitleBar=0\r\nClientHeight2=300\r\nClientWidth2=250\r\ncb1=7\r\n"
        u"Bottom2=900\r\nLeft2=-20\r\n");
    ApplyStartGeometry(window, settings, {1280, 984}, [&](int h) { heading = h; });
    const std::vector<std::string> expected = {"borderless", "clientHeight 300", "clientWidth 250",
                                               "top 600", "left -20"};
    EXPECT_EQ(window.calls, expected);
    EXPECT_EQ(heading, 7);
    EXPECT_FALSE(window.framed());
    EXPECT_EQ(window.Width(), 250);
}

TEST(StartGeometry, BottomEdgeAnchorsAcrossATitleBarChange) {
    // Closed borderless: Bottom2 holds the borderless bottom edge. Started framed next time,
    // the bottom edge stays and the frame and title bar grow upwards.
    FakeWindow borderless(kFrame, kFrame, kCaption);
    SettingsImage settings;
    borderless.SetFramed(false);
    borderless.SetClientHeight(436);
    borderless.SetClientWidth(190);
    borderless.SetTop(300);
    borderless.SetLeft(50);
    WriteSavedGeometry(settings, CurrentGeometry(borderless, 2));
    ASSERT_EQ(settings.ReadInteger(kSystemSection, kBottomKey, 0), 736);

    FakeWindow framed(kFrame, kFrame, kCaption);
    ApplyStartGeometry(framed, settings, {1280, 984}, [](int) {});
    EXPECT_EQ(framed.Top() + framed.Height(), 736);
    EXPECT_EQ(framed.Top(), 300 - kCaption - 2 * kFrame);
    EXPECT_EQ(framed.ClientHeight(), 436);
    EXPECT_EQ(framed.Left(), 50);
}

TEST(CurrentGeometry, WhatASaveRecords) {
    FakeWindow window(kFrame, kFrame, kCaption);
    window.SetTop(100);
    window.SetLeft(-5);
    const SavedGeometry g = CurrentGeometry(window, -1);
    EXPECT_EQ(g.bottom, 100 + 436 + 2 * kFrame + kCaption);
    EXPECT_EQ(g.left, -5);
    EXPECT_EQ(g.clientWidth, 190);
    EXPECT_EQ(g.clientHeight, 436);
    EXPECT_EQ(g.heading, -1);
}

TEST(BorderlessToggle, StepOrder) {
    FakeWindow window(kFrame, kFrame, kCaption);
    window.SetLeft(100);
    window.SetTop(200);
    window.calls.clear();
    BorderlessState state;
    EnterBorderless(window, state, BorderlessOffsets(kFrame, kCaption));
    EXPECT_EQ(state.offsets.frame, 4);
    EXPECT_EQ(state.offsets.caption, 23);
    const std::vector<std::string> enter = {"borderless", "width 190", "height 436", "top 223",
                                            "left 104"};
    EXPECT_EQ(window.calls, enter);
    window.calls.clear();
    LeaveBorderless(window, state);
    const std::vector<std::string> leave = {"framed", "top 200", "left 100", "clientWidth 190",
                                            "clientHeight 436"};
    EXPECT_EQ(window.calls, leave);
}

TEST(BorderlessToggle, ClientAreaKeepsItsScreenSpot) {
    struct Case {
        int realFrameX, realFrameY, realCaption;
        int expectedDriftX, expectedDriftY;
    };
    // Metrics 4 and 19. When the real frame differs, the spot is off by the difference while
    // borderless and comes back exactly when the frame returns.
    const Case cases[] = {{4, 4, 19, 0, 0}, {8, 8, 23, -4, -8}, {3, 5, 18, 1, 0}};
    for (const Case& c : cases) {
        FakeWindow window(c.realFrameX, c.realFrameY, c.realCaption);
        window.SetLeft(300);
        window.SetTop(150);
        window.SetClientWidth(210);
        window.SetClientHeight(400);
        const int spotX = window.ClientScreenX(), spotY = window.ClientScreenY();
        BorderlessState state;
        EnterBorderless(window, state, BorderlessOffsets(kFrame, kCaption));
        EXPECT_FALSE(window.framed());
        EXPECT_EQ(window.ClientWidth(), 210);
        EXPECT_EQ(window.ClientHeight(), 400);
        EXPECT_EQ(window.ClientScreenX() - spotX, c.expectedDriftX);
        EXPECT_EQ(window.ClientScreenY() - spotY, c.expectedDriftY);
        LeaveBorderless(window, state);
        EXPECT_TRUE(window.framed());
        EXPECT_EQ(window.ClientScreenX(), spotX);
        EXPECT_EQ(window.ClientScreenY(), spotY);
        EXPECT_EQ(window.ClientWidth(), 210);
        EXPECT_EQ(window.ClientHeight(), 400);
    }
}

TEST(BorderlessToggle, StartedWithoutTitleBar) {
    // Borderless from the start: checking keeps it borderless but moves it down and right by
    // the offsets; unchecking frames it at its starting top-left corner with its client size.
    FakeWindow window(kFrame, kFrame, kCaption);
    window.SetFramed(false);
    window.SetClientHeight(436);
    window.SetClientWidth(190);
    window.SetTop(400);
    window.SetLeft(500);
    BorderlessState state;
    EnterBorderless(window, state, BorderlessOffsets(kFrame, kCaption));
    EXPECT_FALSE(window.framed());
    EXPECT_EQ(window.Left(), 504);
    EXPECT_EQ(window.Top(), 423);
    EXPECT_EQ(window.Width(), 190);
    LeaveBorderless(window, state);
    EXPECT_TRUE(window.framed());
    EXPECT_EQ(window.Left(), 500);
    EXPECT_EQ(window.Top(), 400);
    EXPECT_EQ(window.ClientWidth(), 190);
    EXPECT_EQ(window.ClientHeight(), 436);
}

} // namespace

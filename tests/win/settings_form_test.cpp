// The panel's use of the settings file: the start from a good, a missing and a broken file,
// the saves of closing and of the borderless toggle, and what toggles by double click.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/system_error.h"

#include <memory>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "support/panel_form_fixture.h"
#include "support/test_files.h"
#include "toolkit/application.h"
#include "toolkit/wide.h"
#include "toolkit/win_handles.h"
#include "ui/unit1.h"

namespace {

using quarnel::TForm1;

const std::u16string kBadEncodingBox =
    u"Unicode 文字のマッピングがターゲットのマルチバイト コード ページに存在しません.";

class SettingsFormTest : public testing_support::PanelFormTest {
protected:
    // Closes the window as its close box does.
    void Close() { ::SendMessageW(form_->hwnd(), WM_CLOSE, 0, 0); }
    // Clicks the borderless check box as the user does.
    void ClickSlim() { ::SendMessageW(form_->cbSlim.hwnd(), BM_CLICK, 0, 0); }
    quarnel::SettingsImage Saved() const { return quarnel::LoadSettingsFile(path_); }
    int SavedInt(std::u16string_view key) const {
        return Saved().ReadInteger(u"System", key, -9999);
    }
    static POINT ClientOrigin(HWND window) {
        POINT origin{0, 0};
        ::ClientToScreen(window, &origin);
        return origin;
    }
    static bool HasCaption(HWND window) {
        return (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    }
};

TEST_F(SettingsFormTest, FirstStartUsesTheDefaultsAndCloseWritesTheFile) {
    TForm1& form = Start();
    EXPECT_EQ(form.ClientWidth(), 190);
    EXPECT_EQ(form.ClientHeight(), 436);
    EXPECT_EQ(form.cb1.ItemIndex(), 0);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = work.right - work.left, height = work.bottom - work.top;
    EXPECT_EQ(form.Left(), (width - form.Width()) / 2 - ((width - form.Width()) % 2 != 0));
    EXPECT_EQ(form.Top() + form.Height(), (height + form.Height()) / 2);
    const int top = form.Top(), left = form.Left(), outerHeight = form.Height();
    Close();
    EXPECT_FALSE(::IsWindow(form.hwnd()));
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(ReadFile(), "\xEF\xBB\xBF[System]\r\nBottom2=" + std::to_string(top + outerHeight) +
                              "\r\nLeft2=" + std::to_string(left) +
                              "\r\nClientWidth2=190\r\nClientHeight2=436\r\ncb1=0\r\n\r\n");
}

TEST_F(SettingsFormTest, SavedGeometryAndHeadingAreApplied) {
    WriteFile("[System]\r\nClientHeight2=300\r\nClientWidth2=250\r\ncb1=2\r\nBottom2=700\r\n"
              "Left2=40\r\n");
    TForm1& form = Start();
    EXPECT_EQ(form.ClientWidth(), 250);
    EXPECT_EQ(form.ClientHeight(), 300);
    EXPECT_EQ(form.cb1.ItemIndex(), 2);
    EXPECT_EQ(form.Top() + form.Height(), 700);
    EXPECT_EQ(form.Left(), 40);
    EXPECT_TRUE(HasCaption(form.hwnd()));
    EXPECT_EQ(form.Btn_08.Text(), L"\uFF3C") << "relabelled for the saved heading";
}

TEST_F(SettingsFormTest, HeadingOutsideTheListIsSavedAsMinusOne) {
    WriteFile("[System]\r\ncb1=7\r\n");
    TForm1& form = Start();
    EXPECT_EQ(form.cb1.ItemIndex(), -1);
    Close();
    EXPECT_EQ(SavedInt(u"cb1"), -1);
}

TEST_F(SettingsFormTest, NoTitleBarStartsBorderlessAnchoredByTheBottom) {
    WriteFile("\xEF\xBB\xBF[System]\r\nShowTitleBar=0\r\nBottom2=800\r\nLeft2=100\r\n");
    TForm1& form = Start();
    EXPECT_FALSE(HasCaption(form.hwnd()));
    EXPECT_FALSE(form.cbSlim.Checked());
    EXPECT_EQ(form.Width(), 190);
    EXPECT_EQ(form.Height(), 436);
    EXPECT_EQ(form.Top(), 800 - 436);
}

TEST_F(SettingsFormTest, BrokenFileAtStartShowsItsErrorAndTheStartGoesOn) {
    const std::string broken = "[System]\r\nClientWidth2=300\r\n\xC0\x80\r\n";
    WriteFile(broken);
    TForm1& form = Start();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], kBadEncodingBox);
    // Complete and usable with the defaults: every later creation step ran.
    EXPECT_EQ(form.ClientWidth(), 190);
    EXPECT_EQ(form.ClientHeight(), 436);
    EXPECT_EQ(form.cb1.ItemIndex(), 0);
    EXPECT_EQ(form.Btn_L9.Text(), L"Turn\r\nLeft");
    EXPECT_EQ(form.Btn_18.Text(), L"Turn\r\nAround");
    EXPECT_EQ(form.lblMes.Text(), L"");
    EXPECT_EQ(form.Btn_01.Text(), L"\u2191");
    // Closing shows the error again, closes all the same and leaves the file alone.
    Close();
    EXPECT_FALSE(::IsWindow(form.hwnd()));
    ASSERT_EQ(errors_.size(), 2u);
    EXPECT_EQ(errors_[1], kBadEncodingBox);
    EXPECT_EQ(ReadFile(), broken);
}

TEST_F(SettingsFormTest, ReadOnlyFileClosesWithTheCreateError) {
    const std::string old = "\xEF\xBB\xBF[System]\r\ncb1=1\r\n\r\n";
    WriteFile(old);
    ASSERT_TRUE(::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_READONLY));
    TForm1& form = Start();
    Close();
    EXPECT_FALSE(::IsWindow(form.hwnd()));
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], u"ファイル \"" + toolkit::FromWide(path_) + u"\" を作成できません。" +
                              toolkit::SystemErrorText(ERROR_ACCESS_DENIED) + u".");
    EXPECT_EQ(ReadFile(), old);
}

TEST_F(SettingsFormTest, BorderlessToggleKeepsTheClientSpotAndSaves) {
    TForm1& form = Start();
    form.SetLeft(300);
    form.SetTop(200);
    const POINT spot = ClientOrigin(form.hwnd());
    ClickSlim();
    ASSERT_TRUE(form.cbSlim.Checked());
    EXPECT_FALSE(HasCaption(form.hwnd()));
    const POINT borderless = ClientOrigin(form.hwnd());
    EXPECT_EQ(borderless.x, spot.x);
    EXPECT_EQ(borderless.y, spot.y);
    EXPECT_EQ(form.ClientWidth(), 190);
    EXPECT_EQ(form.ClientHeight(), 436);
    EXPECT_EQ(SavedInt(u"Bottom2"), form.Top() + form.Height());
    EXPECT_EQ(SavedInt(u"Left2"), form.Left());
    EXPECT_EQ(SavedInt(u"ClientWidth2"), 190);
    EXPECT_EQ(SavedInt(u"ClientHeight2"), 436);
    EXPECT_TRUE(::GetWindowLongPtrW(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    ClickSlim();
    ASSERT_FALSE(form.cbSlim.Checked());
    EXPECT_TRUE(HasCaption(form.hwnd()));
    const POINT framed = ClientOrigin(form.hwnd());
    EXPECT_EQ(framed.x, spot.x);
    EXPECT_EQ(framed.y, spot.y);
    EXPECT_EQ(form.ClientWidth(), 190);
    EXPECT_EQ(form.ClientHeight(), 436);
    EXPECT_EQ(form.Left(), 300);
    EXPECT_EQ(form.Top(), 200);
    EXPECT_EQ(SavedInt(u"Bottom2"), form.Top() + form.Height());
    EXPECT_TRUE(errors_.empty());
}

TEST_F(SettingsFormTest, FailedSaveAfterTheToggleKeepsTheFrameChange) {
    TForm1& form = Start();
    WriteFile("\xFF\xFE");
    ClickSlim();
    EXPECT_FALSE(HasCaption(form.hwnd()));
    EXPECT_EQ(errors_, std::vector<std::u16string>{kBadEncodingBox});
}

TEST_F(SettingsFormTest, DoubleClicksOnLabelsToggleOnTheCheckBoxAndOptionsNot) {
    TForm1& form = Start();
    // The messages of a real double click: press, release, double click, release.
    auto doubleClick = [](HWND window) {
        const LPARAM at = MAKELPARAM(2, 2);
        ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(window, WM_LBUTTONUP, 0, at);
        ::SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::SendMessageW(window, WM_LBUTTONUP, 0, at);
    };
    struct Target {
        const char* name;
        HWND window;
        bool toggles;
    };
    const Target targets[] = {
        {"lblMes", form.lblMes.hwnd(), true},  {"Label1", form.Label1.hwnd(), true},
        {"Label2", form.Label2.hwnd(), true},  {"Label3", form.Label3.hwnd(), true},
        {"Label4", form.Label4.hwnd(), true},  {"body", form.hwnd(), true},
        {"RBtn_2", form.RBtn_2.hwnd(), false}, {"cbSlim", form.cbSlim.hwnd(), false},
    };
    for (const Target& target : targets) {
        const bool before = form.cbSlim.Checked();
        doubleClick(target.window);
        EXPECT_EQ(form.cbSlim.Checked() != before, target.toggles) << target.name;
    }
}

} // namespace

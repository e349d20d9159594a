#include "ui/unit1.h"

#include "app/settings_file.h"
#include "link/delivery.h"
#include "link/held_modifiers.h"
#include "link/win32_port.h"
#include "panel_identity.h"
#include "toolkit/application.h"
#include "toolkit/wide.h"
#include "ui/compose.h"
#include "ui/frame_geometry.h"
#include "ui/heading_display.h"
#include "ui/tiller_menu.h"

namespace quarnel {
namespace {

using toolkit::AsWide;
using toolkit::MouseButton;
using toolkit::Wide;

constexpr COLORREF kPureBlue = RGB(0, 0, 255);
// The status line's ink while the last delivery found no game client to type into.
constexpr COLORREF kNoClientGrey = RGB(128, 128, 128);
constexpr int kFirstControlId = 100;

// The form as the frame steps see it.
class FormFrame final : public FrameWindow {
public:
    explicit FormFrame(toolkit::Form& form) : form_(form) {}
    int Left() const override { return form_.Left(); }
    int Top() const override { return form_.Top(); }
    int Width() const override { return form_.Width(); }
    int Height() const override { return form_.Height(); }
    int ClientWidth() const override { return form_.ClientWidth(); }
    int ClientHeight() const override { return form_.ClientHeight(); }
    void SetLeft(int left) override { form_.SetLeft(left); }
    void SetTop(int top) override { form_.SetTop(top); }
    void SetWidth(int width) override { form_.SetWidth(width); }
    void SetHeight(int height) override { form_.SetHeight(height); }
    void SetClientWidth(int width) override { form_.SetClientWidth(width); }
    void SetClientHeight(int height) override { form_.SetClientHeight(height); }
    void SetFramed(bool framed) override {
        form_.SetBorder(framed ? toolkit::Form::Border::Sizeable : toolkit::Form::Border::None);
    }

private:
    toolkit::Form& form_;
};

// An item's id is its phrase's place in `commands`, from 1.
void AddMenuEntry(toolkit::PopupMenu& menu, const TillerMenuEntry& entry,
                  std::vector<std::u16string>& commands) {
    if (entry.submenu.empty()) {
        commands.push_back(entry.command);
        menu.AddItem(static_cast<UINT>(commands.size()), Wide(entry.caption));
        return;
    }
    toolkit::PopupMenu submenu;
    for (const TillerMenuEntry& item : entry.submenu)
        AddMenuEntry(submenu, item, commands);
    menu.AddSubmenu(Wide(entry.caption), std::move(submenu));
}

} // namespace

void TForm1::CreateAndShow() {
    CreateHidden();
    Show();
}

void TForm1::CreateHidden() {
    Create(AsWide(kPanelClassName), kCaption, kPanelClientWidth, kPanelClientHeight);
    formFont_ = toolkit::CreateUiFont(16);
    font15_ = toolkit::CreateUiFont(15);
    font13_ = toolkit::CreateUiFont(13);
    font12_ = toolkit::CreateUiFont(12);
    font11_ = toolkit::CreateUiFont(11);
    SetFont(formFont_.get());
    onClose = [this] { FormClose(); };
    onMouseDown = [this](MouseButton button, int x, int y) { FormMouseDown(button, x, y); };
    onDblClick = [this] { FormDblClick(); };
    onHotKey = [this](int id) { FormHotKey(id); };
    onContextMenu = [this](HWND source, std::optional<POINT> screen) {
        FormContextPopup(source, screen);
    };
    CreateControls();
    FormCreate();
}

void TForm1::CreateControls() {
    const HWND form = hwnd();
    int nextId = kFirstControlId;
    auto commandButton = [&](CommandButton& button, const wchar_t* name, const wchar_t* caption,
                             int x, int y, int width, int height) {
        button.set_name(name);
        button.SetTabStop(false);
        button.SetVersion(L"1.0.0.1");
        button.Create(*this, caption, x, y, width, height);
        ::SetWindowLongPtrW(button.hwnd(), GWLP_ID, nextId++);
        button.SetFont(font12_.get());
        button.onMouseDown = [this](toolkit::PushButtonBase& sender, MouseButton mouseButton,
                                    int mx,
                                    int my) { Btn_00MouseDown(sender, mouseButton, mx, my); };
    };
    auto radio = [&](toolkit::RadioButton& button, const wchar_t* name, const wchar_t* caption,
                     int x, int y, int width, int height, bool checked) {
        button.set_name(name);
        button.Create(form, speedGroup, caption, x, y, width, height, checked);
        ::SetWindowLongPtrW(button.hwnd(), GWLP_ID, nextId++);
        button.SetFont(font13_.get());
    };
    const std::array<std::u16string_view, 8> ship = *DirectionCaptions(0);

    // Created in tab order, so that the window order is the tab order.
    commandButton(Btn_08, L"Btn_08", Wide(ship[7]).c_str(), 0, 85, 60, 40);
    commandButton(Btn_07, L"Btn_07", Wide(ship[6]).c_str(), 0, 131, 60, 40);
    commandButton(Btn_00, L"Btn_00", L"Stop", 65, 131, 60, 40);
    commandButton(Btn_03, L"Btn_03", Wide(ship[2]).c_str(), 130, 131, 60, 40);
    commandButton(Btn_06, L"Btn_06", Wide(ship[5]).c_str(), 0, 177, 60, 40);
    commandButton(Btn_05, L"Btn_05", Wide(ship[4]).c_str(), 65, 177, 60, 40);
    commandButton(Btn_04, L"Btn_04", Wide(ship[3]).c_str(), 130, 177, 60, 40);
    radio(RBtn_1, L"RBtn_1", L"High", 5, 65, 45, 17, true);
    radio(RBtn_2, L"RBtn_2", L"Slow", 65, 65, 50, 17, false);
    radio(RBtn_3, L"RBtn_3", L"One", 130, 65, 49, 17, false);
    commandButton(Btn_L9, L"Btn_L9", L"Lt.90", 0, 24, 60, 40);
    commandButton(Btn_18, L"Btn_18", L"180\u5EA6", 65, 24, 60, 40);
    commandButton(Btn_R9, L"Btn_R9", L"Rt.90", 130, 24, 60, 40);

    cbSlim.set_name(L"cbSlim");
    cbSlim.Create(form, L"For w/o border", 1, 340, 104, 17);
    ::SetWindowLongPtrW(cbSlim.hwnd(), GWLP_ID, nextId++);
    cbSlim.SetFont(font11_.get());
    cbSlim.onClick = [this] { cbSlimClick(); };

    cb1.set_name(L"cb1");
    cb1.Create(form, 0, 227, 190, 27);
    ::SetWindowLongPtrW(cb1.hwnd(), GWLP_ID, nextId++);
    cb1.SetFont(font15_.get());
    for (std::u16string_view item : HeadingItems())
        cb1.AddItem(Wide(item));
    cb1.SetItemIndex(0);
    cb1.onChange = [this] { cb1Change(); };

    commandButton(Btn_T1, L"Btn_T1", L"Start Tracking", 0, 260, 190, 25);
    commandButton(Btn_T2, L"Btn_T2", L"Start", 0, 284, 95, 25);
    commandButton(Btn_T3, L"Btn_T3", L"Continue", 95, 284, 95, 25);
    commandButton(Btn_DS, L"Btn_DS", L"Doracron / Sueacron", 0, 315, 190, 25);
    commandButton(Btn_01, L"Btn_01", Wide(ship[0]).c_str(), 65, 85, 60, 40);
    commandButton(Btn_02, L"Btn_02", Wide(ship[1]).c_str(), 130, 85, 60, 40);

    // Labels: no tab order.
    auto label = [&](toolkit::Label& target, const wchar_t* name, const wchar_t* caption, int x,
                     int y, int width, int height, HFONT font, toolkit::Label::Align align) {
        target.set_name(name);
        target.Create(form, caption, x, y, width, height, align);
        target.SetFont(font);
        target.onDblClick = [this] { FormDblClick(); };
    };
    label(lblMes, L"lblMes", L"\u30FC\u30FC\u30FC\u30FC", 0, 0, 190, 17, font13_.get(),
          toolkit::Label::Align::Center);
    lblMes.SetColor(kPureBlue);
    lblMes.onMouseDown = [this](MouseButton button, int x, int y) { FormMouseDown(button, x, y); };
    label(Label1, L"Label1", L"Check or Double click on space", 17, 356, 170, 14, font11_.get(),
          toolkit::Label::Align::Left);
    label(Label3, L"Label3", L"Ctrl+Left click\u2192Slow, Ctrl+Right", 1, 384, 178, 14,
          font11_.get(), toolkit::Label::Align::Left);
    label(Label4, L"Label4", L"click\u2192One, when 'High' is selected.", 1, 397, 191, 14,
          font11_.get(), toolkit::Label::Align::Left);
    label(Label2, L"Label2", L"  ", 1, 410, 8, 14, font11_.get(), toolkit::Label::Align::Left);
}

std::array<CommandButton*, 8> TForm1::DirectionButtons() {
    return {&Btn_01, &Btn_02, &Btn_03, &Btn_04, &Btn_05, &Btn_06, &Btn_07, &Btn_08};
}

std::array<CommandButton*, 16> TForm1::CommandButtons() {
    return {&Btn_L9, &Btn_18, &Btn_R9, &Btn_08, &Btn_01, &Btn_02, &Btn_07, &Btn_00,
            &Btn_03, &Btn_06, &Btn_05, &Btn_04, &Btn_T1, &Btn_T2, &Btn_T3, &Btn_DS};
}

void TForm1::FormCreate() {
    const SettingsImage settings = ApplyStartSettings();
    cb1Change();
    FillDirectionTable();
    Btn_L9.SetText(L"Turn\r\nLeft");
    Btn_18.SetText(L"Turn\r\nAround");
    Btn_R9.SetText(L"Turn\r\nRight");
    RegisterHotkeys(settings);
}

SettingsImage TForm1::ApplyStartSettings() {
    SettingsImage settings;
    try {
        settings = LoadSettingsFile(SettingsFileName());
    } catch (const toolkit::UserError& error) {
        // The panel still comes up, complete, with the defaults.
        toolkit::Application::Instance().ShowError(error.text());
    }
    RECT workArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    FormFrame frame(*this);
    ApplyStartGeometry(frame, settings,
                       {workArea.right - workArea.left, workArea.bottom - workArea.top},
                       [this](int heading) { cb1.SetItemIndex(heading); });
    return settings;
}

void TForm1::RegisterHotkeys(const SettingsImage& settings) {
    hotkeys_ = HotkeyTable(ReadHotkeySettings(settings));
    for (const HotkeyRegistration& key : hotkeys_.registrations()) {
        // One command per press: holding the keys does not repeat it.
        const bool registered =
            RegisterHotKey(key.id, key.key.modifiers | MOD_NOREPEAT, key.key.virtualKey);
        hotkeys_.SetRegistered(key.id, registered);
    }
}

void TForm1::SaveSettings() {
    SettingsImage settings = LoadSettingsFile(SettingsFileName());
    WriteSavedGeometry(settings, CurrentGeometry(FormFrame(*this), cb1.ItemIndex()));
    SaveSettingsFile(SettingsFileName(), settings);
}

void TForm1::FillDirectionTable() {
    sList = StandardDirectionTable();
}

void TForm1::cb1Change() {
    lblMes.SetText(L"");
    Btn_00.SetText(L"Stop");
    if (const auto captions = DirectionCaptions(cb1.ItemIndex())) {
        const auto buttons = DirectionButtons();
        for (size_t i = 0; i < buttons.size(); ++i)
            buttons[i]->SetText(Wide((*captions)[i]));
    }
}

// An error here is shown by the form's close handling, which closes the window all the same:
// a settings file that cannot be read or written never keeps the panel open.
void TForm1::FormClose() {
    SaveSettings();
}

void TForm1::Btn_00MouseDown(toolkit::PushButtonBase& sender, MouseButton button, int, int) {
    // The modifier keys as they are now, not as the mouse event saw them.
    auto held = [](int virtualKey) { return ::GetAsyncKeyState(virtualKey) < 0; };
    const std::wstring code = sender.Code();
    CommandPress press;
    press.code = std::u16string_view(reinterpret_cast<const char16_t*>(code.data()), code.size());
    press.heading = cb1.ItemIndex();
    press.speed = SelectedSpeed();
    press.button = button == MouseButton::Right    ? PressedButton::Right
                   : button == MouseButton::Middle ? PressedButton::Middle
                                                   : PressedButton::Left;
    press.ctrl = held(VK_CONTROL);
    press.alt = held(VK_MENU);
    press.shift = held(VK_SHIFT);

    ApplyCommands(ComposeCommands(press, sList), press.heading, RaisePanel::Yes);
}

Speed TForm1::SelectedSpeed() const {
    return RBtn_3.Checked() ? Speed::One : RBtn_2.Checked() ? Speed::Slow : Speed::High;
}

void TForm1::ApplyCommands(const ComposedCommands& commands, int heading, RaisePanel raisePanel) {
    if (commands.heading != heading)
        cb1.SetItemIndex(commands.heading);
    if (commands.relabel)
        cb1Change();
    for (const std::u16string& text : commands.texts)
        ComSendMessage(text, raisePanel);
}

void TForm1::FormHotKey(int id) {
    const std::optional<HotkeyCommand> command = hotkeys_.CommandOf(id);
    if (!command)
        return;
    // The Ctrl+Alt of the hotkey must not reach the game with the paste and Enter.
    LetGoOfHeldModifiers();
    const int heading = cb1.ItemIndex();
    ApplyCommands(ComposeHotkey(*command, heading, SelectedSpeed(), sList), heading,
                  RaisePanel::No);
}

toolkit::PopupMenu TForm1::BuildTillerMenu(std::vector<std::u16string>& commands) const {
    commands.clear();
    toolkit::PopupMenu menu;
    for (const TillerMenuEntry& entry : TillerMenuEntries())
        AddMenuEntry(menu, entry, commands);
    menu.AddSeparator();
    toolkit::PopupMenu list;
    for (const std::u16string& line : hotkeys_.ListLines())
        list.AddInfo(Wide(line));
    menu.AddSubmenu(Wide(kHotkeyListCaption), std::move(list));
    return menu;
}

void TForm1::FormContextPopup(HWND source, std::optional<POINT> screen) {
    // A right click counts on free space and on the status line only (a command button's
    // right click is a command); the menu key counts wherever the focus is.
    if (screen && source != hwnd() && source != lblMes.hwnd())
        return;
    if (!screen) {
        // From the keyboard: under the status line.
        POINT corner{0, lblMes.Height()};
        ::ClientToScreen(lblMes.hwnd(), &corner);
        screen = corner;
    }
    std::vector<std::u16string> commands;
    const toolkit::PopupMenu menu = BuildTillerMenu(commands);
    const UINT chosen = menu.Track(hwnd(), *screen);
    if (chosen >= 1 && chosen <= commands.size())
        ComSendMessage(commands[chosen - 1]);
}

void TForm1::cbSlimClick() {
    FormFrame frame(*this);
    if (cbSlim.Checked())
        EnterBorderless(
            frame, borderless_,
            BorderlessOffsets(::GetSystemMetrics(SM_CYFRAME), ::GetSystemMetrics(SM_CYCAPTION)));
    else
        LeaveBorderless(frame, borderless_);
    SaveSettings();
}

void TForm1::FormDblClick() {
    cbSlim.SetChecked(!cbSlim.Checked());
}

void TForm1::FormMouseDown(MouseButton button, int x, int y) {
    if (button != MouseButton::Left)
        return;
    ::ReleaseCapture();
    // SC_MOVE with the caption hit code: the platform's move loop, as when dragging the title.
    ::SendMessageW(hwnd(), WM_SYSCOMMAND, 0xF012,
                   static_cast<LPARAM>(static_cast<DWORD>((x & 0xFFFF) | ((y & 0xFFFF) << 16))));
}

void TForm1::ComSendMessage(std::u16string sTxt, RaisePanel raisePanel) {
    lblMes.SetText(Wide(sTxt));
    Win32GameLinkPort port(toolkit::Application::Instance().hwnd());
    PutOnClipboard(port, sTxt);
    FindUOandPase(raisePanel);
}

// A quiet sign instead of a message: the status line turns grey while no client was
// reached, and blue again with the next delivery that reaches one.
void TForm1::FindUOandPase(RaisePanel raisePanel) {
    Win32GameLinkPort port(toolkit::Application::Instance().hwnd());
    const GameClient reached = PasteIntoGameClient(port, raisePanel);
    lblMes.SetColor(reached == GameClient::None ? kNoClientGrey : kPureBlue);
}

} // namespace quarnel

#include "ui/unit1.h"

#include "settings/settings_file.h"
#include "link/delivery.h"
#include "link/held_modifiers.h"
#include "link/win32_port.h"
#include "panel_identity.h"
#include "toolkit/application.h"
#include "toolkit/wide.h"
#include "ui/compose.h"
#include "ui/frame_geometry.h"
#include "ui/heading_display.h"
#include "ui/panel_layout.h"
#include "ui/tiller_menu.h"

namespace quarnel {
namespace {

using toolkit::AsWide;
using toolkit::MouseButton;
using toolkit::Wide;

constexpr COLORREF kPureBlue = RGB(0, 0, 255);
// The status line's ink while the last delivery found no game client to type into.
constexpr COLORREF kNoClientGrey = RGB(128, 128, 128);

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
    const std::array<std::u16string_view, 8> shipRelative = *DirectionCaptions(0);
    int nextId = kFirstPanelControlId;
    for (const PanelControlRow& row : PanelLayout()) {
        std::wstring caption(row.caption);
        std::visit(
            [&](auto member) {
                auto& control = this->*member;
                using Control = std::remove_reference_t<decltype(control)>;
                control.set_name(std::wstring(row.name));
                if constexpr (std::is_same_v<Control, CommandButton>) {
                    const std::wstring code = control.Code();
                    const int direction = ScreenDirectionOfCode(toolkit::FromWide(code));
                    if (direction != 0)
                        caption = Wide(shipRelative[static_cast<size_t>(direction - 1)]);
                }
                CreateControl(control, caption, row, nextId);
                control.SetFont(FontOfHeight(row.fontHeight));
            },
            row.member);
    }

    lblMes.SetColor(kPureBlue);
    lblMes.onMouseDown = [this](MouseButton button, int x, int y) { FormMouseDown(button, x, y); };
    cbSlim.onClick = [this] { cbSlimClick(); };
    for (std::u16string_view item : HeadingItems())
        cb1.AddItem(Wide(item));
    cb1.SetItemIndex(0);
    cb1.onChange = [this] { cb1Change(); };
}

void TForm1::CreateControl(CommandButton& button, const std::wstring& caption,
                           const PanelControlRow& row, int& nextId) {
    button.SetTabStop(false);
    button.SetVersion(L"1.0.0.1");
    button.Create(*this, caption, row.bounds, nextId++);
    button.onMouseDown = [this](toolkit::PushButtonBase& sender, MouseButton mouseButton, int x,
                                int y) { Btn_00MouseDown(sender, mouseButton, x, y); };
}

void TForm1::CreateControl(toolkit::RadioButton& button, const std::wstring& caption,
                           const PanelControlRow& row, int& nextId) {
    button.Create(hwnd(), speedGroup, caption, row.bounds, row.checked, nextId++);
}

void TForm1::CreateControl(toolkit::CheckBox& box, const std::wstring& caption,
                           const PanelControlRow& row, int& nextId) {
    box.Create(hwnd(), caption, row.bounds, nextId++);
}

void TForm1::CreateControl(toolkit::ComboBox& list, const std::wstring&, const PanelControlRow& row,
                           int& nextId) {
    list.Create(hwnd(), row.bounds, nextId++);
}

// Labels take no id and no tab stop.
void TForm1::CreateControl(toolkit::Label& label, const std::wstring& caption,
                           const PanelControlRow& row, int&) {
    label.Create(hwnd(), caption, row.bounds, row.align);
    label.onDblClick = [this] { FormDblClick(); };
}

HFONT TForm1::FontOfHeight(int height) const {
    switch (height) {
    case 11:
        return font11_.get();
    case 12:
        return font12_.get();
    case 13:
        return font13_.get();
    case 15:
        return font15_.get();
    default:
        return formFont_.get();
    }
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

// Unit1: the steering panel, TForm1, with its controls and event handlers.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_image.h"
#include "controls/aero_buttons.h"
#include "link/delivery.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/popup_menu.h"
#include "toolkit/push_button_base.h"
#include "toolkit/win_handles.h"
#include "ui/compose.h"
#include "ui/frame_geometry.h"
#include "ui/hotkeys.h"

namespace quarnel {

struct PanelControlRow;

// The push button every command button is made of.
using CommandButton = TAeroButton;

class TForm1 : public toolkit::Form {
public:
    static constexpr wchar_t kCaption[] = L"[QUARN] Quarnel 1.20";

    TForm1() = default;
    // Creates the window and its controls, runs FormCreate, then shows the window.
    void CreateAndShow();
    // Creates everything without showing it (tests).
    void CreateHidden();

    // Event handlers.
    void FormCreate();
    void FormClose();
    void Btn_00MouseDown(toolkit::PushButtonBase& sender, toolkit::MouseButton button, int x,
                         int y);
    void cb1Change();
    void cbSlimClick();
    void FormDblClick();
    void FormMouseDown(toolkit::MouseButton button, int x, int y);
    // A hotkey: its command, delivered with the game left in front.
    void FormHotKey(int id);
    // A right click on free space or on the status line, or the menu key: the tiller menu.
    void FormContextPopup(HWND source, std::optional<POINT> screen);

    // Delivery of one command text to the game client. A delivery started by a hotkey does
    // not raise the panel at its end.
    void ComSendMessage(std::u16string sTxt, RaisePanel raisePanel = RaisePanel::Yes);
    void FindUOandPase(RaisePanel raisePanel = RaisePanel::Yes);

    // The tiller menu as the right click shows it; `commands` receives the phrase of each
    // item id (id - 1).
    toolkit::PopupMenu BuildTillerMenu(std::vector<std::u16string>& commands) const;
    const HotkeyTable& hotkeys() const noexcept { return hotkeys_; }

private:
    // Declared before the controls that use them, so that the controls are destroyed first.
    toolkit::UniqueFont formFont_, font15_, font13_, font12_, font11_;

public:
    // Controls, named as on the form.
    toolkit::Label lblMes;
    CommandButton Btn_L9, Btn_18, Btn_R9;
    toolkit::RadioGroup speedGroup;
    toolkit::RadioButton RBtn_1, RBtn_2, RBtn_3;
    CommandButton Btn_08, Btn_01, Btn_02, Btn_07, Btn_00, Btn_03, Btn_06, Btn_05, Btn_04;
    toolkit::ComboBox cb1;
    CommandButton Btn_T1, Btn_T2, Btn_T3, Btn_DS;
    toolkit::CheckBox cbSlim;
    toolkit::Label Label1, Label3, Label4, Label2;

    // Btn_01 .. Btn_08 in direction order.
    std::array<CommandButton*, 8> DirectionButtons();
    // All sixteen command buttons.
    std::array<CommandButton*, 16> CommandButtons();

private:
    // The controls of the layout table, each named, placed, numbered and given its font.
    void CreateControls();
    void CreateControl(CommandButton& button, const std::wstring& caption,
                       const PanelControlRow& row, int& nextId);
    void CreateControl(toolkit::RadioButton& button, const std::wstring& caption,
                       const PanelControlRow& row, int& nextId);
    void CreateControl(toolkit::CheckBox& box, const std::wstring& caption,
                       const PanelControlRow& row, int& nextId);
    void CreateControl(toolkit::ComboBox& list, const std::wstring& caption,
                       const PanelControlRow& row, int& nextId);
    void CreateControl(toolkit::Label& label, const std::wstring& caption,
                       const PanelControlRow& row, int& nextId);
    HFONT FontOfHeight(int height) const;
    // The settings image read at start (empty when it could not be read), applied.
    SettingsImage ApplyStartSettings();
    void FillDirectionTable();
    // Registers the hotkeys that the image's [Hotkeys] section (or the defaults) name; a key
    // another program holds is only marked taken.
    void RegisterHotkeys(const SettingsImage& settings);
    Speed SelectedSpeed() const;
    // A composition's outcome: the new heading, the relabelling, then each text delivered.
    void ApplyCommands(const ComposedCommands& commands, int heading, RaisePanel raisePanel);
    // Fresh image from disk, the geometry and heading written in, the file rewritten.
    void SaveSettings();

    // Direction table: command texts by direction index 1 to 8 (slot 0 unused).
    std::array<std::u16string, 9> sList;

    // Client size and frame offsets kept while borderless mode is on.
    BorderlessState borderless_;

    HotkeyTable hotkeys_;
};

} // namespace quarnel

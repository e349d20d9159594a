// Unit1: the steering panel, TForm1, with its controls and event handlers.
#pragma once

#include <array>
#include <string>

#include "controls/aero_buttons.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/push_button_base.h"
#include "toolkit/win_handles.h"
#include "ui/frame_geometry.h"

namespace quarnel {

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

    // Delivery of one command text to the game client.
    void ComSendMessage(std::u16string sTxt);
    void FindUOandPase();

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
    void CreateControls();
    void ApplyStartSettings();
    void FillDirectionTable();
    // Fresh image from disk, the geometry and heading written in, the file rewritten.
    void SaveSettings();

    // Direction table: command texts by direction index 1 to 8 (slot 0 unused).
    std::array<std::u16string, 9> sList;

    // Client size and frame offsets kept while borderless mode is on.
    BorderlessState borderless_;
};

} // namespace quarnel

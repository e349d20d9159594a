#include "ui/panel_layout.h"

#include <array>

namespace quarnel {
namespace {

using Align = toolkit::Label::Align;
using T = TForm1;

// clang-format off
const std::array<PanelControlRow, 26> kPanelLayout{{
    // member        name        caption                                      x    y    w    h  font
    {&T::Btn_08,  L"Btn_08",  L"",                                         {  0,  85,  60, 40}, 12},
    {&T::Btn_07,  L"Btn_07",  L"",                                         {  0, 131,  60, 40}, 12},
    {&T::Btn_00,  L"Btn_00",  L"Stop",                                     { 65, 131,  60, 40}, 12},
    {&T::Btn_03,  L"Btn_03",  L"",                                         {130, 131,  60, 40}, 12},
    {&T::Btn_06,  L"Btn_06",  L"",                                         {  0, 177,  60, 40}, 12},
    {&T::Btn_05,  L"Btn_05",  L"",                                         { 65, 177,  60, 40}, 12},
    {&T::Btn_04,  L"Btn_04",  L"",                                         {130, 177,  60, 40}, 12},
    {&T::RBtn_1,  L"RBtn_1",  L"High",                                     {  5,  65,  45, 17}, 13, true},
    {&T::RBtn_2,  L"RBtn_2",  L"Slow",                                     { 65,  65,  50, 17}, 13},
    {&T::RBtn_3,  L"RBtn_3",  L"One",                                      {130,  65,  49, 17}, 13},
    {&T::Btn_L9,  L"Btn_L9",  L"Lt.90",                                    {  0,  24,  60, 40}, 12},
    {&T::Btn_18,  L"Btn_18",  L"180\u5EA6",                                { 65,  24,  60, 40}, 12},
    {&T::Btn_R9,  L"Btn_R9",  L"Rt.90",                                    {130,  24,  60, 40}, 12},
    {&T::cbSlim,  L"cbSlim",  L"For w/o border",                           {  1, 340, 104, 17}, 11},
    {&T::cb1,     L"cb1",     L"",                                         {  0, 227, 190, 27}, 15},
    {&T::Btn_T1,  L"Btn_T1",  L"Start Tracking",                           {  0, 260, 190, 25}, 12},
    {&T::Btn_T2,  L"Btn_T2",  L"Start",                                    {  0, 284,  95, 25}, 12},
    {&T::Btn_T3,  L"Btn_T3",  L"Continue",                                 { 95, 284,  95, 25}, 12},
    {&T::Btn_DS,  L"Btn_DS",  L"Doracron / Sueacron",                      {  0, 315, 190, 25}, 12},
    {&T::Btn_01,  L"Btn_01",  L"",                                         { 65,  85,  60, 40}, 12},
    {&T::Btn_02,  L"Btn_02",  L"",                                         {130,  85,  60, 40}, 12},
    {&T::lblMes,  L"lblMes",  L"\u30FC\u30FC\u30FC\u30FC",                 {  0,   0, 190, 17}, 13, false, Align::Center},
    {&T::Label1,  L"Label1",  L"Check or Double click on space",           { 17, 356, 170, 14}, 11},
    {&T::Label3,  L"Label3",  L"Ctrl+Left click\u2192Slow, Ctrl+Right",    {  1, 384, 178, 14}, 11},
    {&T::Label4,  L"Label4",  L"click\u2192One, when 'High' is selected.", {  1, 397, 191, 14}, 11},
    {&T::Label2,  L"Label2",  L"  ",                                       {  1, 410,   8, 14}, 11},
}};
// clang-format on

} // namespace

std::span<const PanelControlRow> PanelLayout() {
    return kPanelLayout;
}

} // namespace quarnel

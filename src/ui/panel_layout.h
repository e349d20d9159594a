// The panel's controls as one table, in creation order (the tab order): which member, its
// name on the form, its caption, its place and size, and its font.
#pragma once

#include <span>
#include <string_view>
#include <variant>

#include "ui/unit1.h"

namespace quarnel {

using PanelControl = std::variant<CommandButton TForm1::*, toolkit::RadioButton TForm1::*,
                                  toolkit::CheckBox TForm1::*, toolkit::ComboBox TForm1::*,
                                  toolkit::Label TForm1::*>;

struct PanelControlRow {
    PanelControl member;
    std::wstring_view name;
    // The caption at creation; a direction button's comes from the ship-relative captions.
    std::wstring_view caption;
    toolkit::Bounds bounds;
    int fontHeight = 0;   // the em height of the control's font, in pixels
    bool checked = false; // a radio button's first state
    toolkit::Label::Align align = toolkit::Label::Align::Left;
};

// Every control of the panel, created in this order. Labels take no control id and no tab
// stop; the others are numbered from kFirstPanelControlId in this order.
std::span<const PanelControlRow> PanelLayout();

inline constexpr int kFirstPanelControlId = 100;

} // namespace quarnel

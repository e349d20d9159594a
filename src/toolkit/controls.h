// The small standard controls of the panel: label, radio button group, check box and
// drop-down list.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/window.h"

namespace toolkit {

// A fixed-size text label of our own class, drawn on the button face. It takes double
// clicks, and reports mouse-downs with the position relative to itself.
class Label : public Window {
public:
    enum class Align { Left, Center };

    MouseDownHandler onMouseDown;
    std::function<void()> onDblClick;

    void Create(HWND parent, const std::wstring& caption, Bounds bounds, Align align = Align::Left,
                int id = 0);
    void SetColor(COLORREF color);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);

    Align align_ = Align::Left;
    HFONT font_ = nullptr;
    COLORREF color_ = CLR_INVALID; // the window-text colour
};

class RadioButton;

// Exactly one checked; only the checked one is a tab stop.
class RadioGroup {
public:
    void Add(RadioButton& button);
    void Check(RadioButton& button);
    const std::vector<RadioButton*>& buttons() const noexcept { return buttons_; }

private:
    std::vector<RadioButton*> buttons_;
};

class RadioButton : public Window {
public:
    void Create(HWND parent, RadioGroup& group, const std::wstring& caption, Bounds bounds,
                bool checked, int id = 0);
    bool Checked() const;

    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    RadioGroup* group_ = nullptr;
};

class CheckBox : public Window {
public:
    std::function<void()> onClick;

    void Create(HWND parent, const std::wstring& caption, Bounds bounds, int id = 0);
    bool Checked() const;
    // Setting a new state from code runs onClick, as a click by the user does.
    void SetChecked(bool checked);

    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A drop-down list that cannot be edited.
class ComboBox : public Window {
public:
    std::function<void()> onChange; // the user's choice only

    // `bounds` is the closed list's place; its height comes from the font.
    void Create(HWND parent, Bounds bounds, int id = 0);
    void AddItem(const std::wstring& text);
    int ItemCount() const;
    std::wstring ItemText(int index) const;
    int ItemIndex() const; // -1 when nothing is selected
    // From code: no change event. An index outside the items leaves no selection.
    void SetItemIndex(int index);

    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

} // namespace toolkit

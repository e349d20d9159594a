// The push-button base: a platform BUTTON whose pressed state, focus and clicks stay the
// platform's. It raises mouse-down events for the left, right and middle buttons, reports
// mouse enter and leave, receives the owner-draw requests its parent reflects back, and
// takes part in the form's focus-change rule through its default-look switch.
#pragma once

#include <functional>
#include <string>

#include "toolkit/window.h"

namespace toolkit {

class Form;

class PushButtonBase : public Window {
public:
    std::function<void(PushButtonBase& sender, MouseButton, int x, int y)> onMouseDown;
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseLeave;

    PushButtonBase();
    // Leaves the form's focus-change rule, so that the form never calls a destroyed button.
    ~PushButtonBase() override;

    // Creates the button window with the style from ButtonStyle(); registers it with the form.
    void Create(Form& form, const std::wstring& caption, Bounds bounds, int id = 0);

    // The last two characters of the name: the panel's button code.
    std::wstring Code() const;

    bool Default() const noexcept { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    bool TabStop() const noexcept { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // Whether a long caption breaks into lines at word ends.
    bool WordWrap() const noexcept { return wordWrap_; }
    void SetWordWrap(bool wordWrap) { wordWrap_ = wordWrap; }

    // The owner of an object that the button may refer to (an image list, say) tells it when
    // that object comes or goes.
    enum class Operation { Insert, Remove };
    virtual void Notification(const void* component, Operation operation);

    // The focus-change rule: the button is active when the newly focused control is this
    // button, or, when it is not a push button at all, when this button is the default one.
    void FocusChanged(Window& focused);

    // Width and height before the window exists (construction defaults 75 x 25).
    int DesignWidth() const noexcept { return designWidth_; }
    int DesignHeight() const noexcept { return designHeight_; }

protected:
    // The window-creation style; descendants add their own bits.
    virtual DWORD ButtonStyle() const;
    // The default-look switch: the base toggles the platform's default-push style.
    virtual void SetButtonStyle(bool active);
    virtual void MouseEnter();
    virtual void MouseLeave();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void RaiseMouseDown(MouseButton button, LPARAM position);

private:
    friend class Form; // clears form_ when the form goes first
    Form* form_ = nullptr;
    bool default_ = false;
    bool tabStop_ = true;
    bool wordWrap_ = false;
    bool trackingMouse_ = false;
    int designWidth_ = 75;
    int designHeight_ = 25;
};

} // namespace toolkit

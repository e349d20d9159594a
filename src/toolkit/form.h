// The top-level form: our own window class, always on top, owned by the application window,
// a sizeable frame without maximise box, button-face background.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/win_handles.h"
#include "toolkit/window.h"

namespace toolkit {

class PushButtonBase;

class Form : public Window {
public:
    enum class Border { Sizeable, None };

    std::function<void()> onClose;
    MouseDownHandler onMouseDown;
    std::function<void()> onDblClick;
    // A hotkey of RegisterHotKey came in, by its id.
    std::function<void(int id)> onHotKey;
    // A context menu is asked for on the client area: by a right click on the form itself or
    // on a child that leaves the request to its parent (`source` is the window clicked), at
    // `screen`; from the keyboard (Shift+F10, the menu key) `screen` is empty. A right click
    // on the title bar keeps its system menu.
    std::function<void(HWND source, std::optional<POINT> screen)> onContextMenu;

    // Creates the window hidden, at the screen origin, with the given client size.
    void Create(const wchar_t* className, const std::wstring& caption, int clientWidth,
                int clientHeight);
    void Show();

    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    Border border() const noexcept { return border_; }
    // Switches the frame in place: the outer rectangle stays, the client area changes.
    void SetBorder(Border border);

    // A system-wide hotkey on this window, released when the window is destroyed. False when
    // the combination is taken: another program (or this one) holds it, or the system keeps it.
    bool RegisterHotKey(int id, UINT modifiers, UINT virtualKey);
    void UnregisterHotKeys() noexcept;

    // Push buttons take part in the focus-change rule.
    void RegisterPushButton(PushButtonBase& button);
    void UnregisterPushButton(PushButtonBase& button);
    ~Form() override;
    void ChildFocused(Window& focused) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT OuterRect() const;
    void MoveOuter(int left, int top, int width, int height);

    Border border_ = Border::Sizeable;
    HFONT font_ = nullptr;
    std::vector<PushButtonBase*> pushButtons_;
    std::vector<UniqueHotKey> hotKeys_;
};

} // namespace toolkit

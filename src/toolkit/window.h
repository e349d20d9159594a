// Window objects: one C++ object per HWND, neither copyable nor movable (the HWND stores
// `this`). Our own classes and subclassed native controls share one dispatch path, which
// reflects parent notifications back to the control they are about and reports focus
// changes to the top-level form.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace toolkit {

enum class MouseButton { Left, Right, Middle };

using MouseDownHandler = std::function<void(MouseButton, int x, int y)>;

// A button-down or double-click message of any mouse button.
bool IsMouseDown(UINT message);
// The mouse button that a button-down or double-click message reports.
MouseButton PressedButton(UINT message);
// The button-down message of the mouse button that a double-click message reports.
UINT SingleClickOf(UINT message);

// Routes a press or a double click to event handlers (each guarded). A left double click is
// a double-click event followed by a fresh press; the second click of another button's pair
// is a fresh press. Returns false for any other message.
bool RouteMouseDown(UINT message, LPARAM position, const MouseDownHandler& onMouseDown,
                    const std::function<void()>& onDblClick);

// The error box's text for a window that could not be created: the class and the system's
// description of `error`.
std::u16string WindowCreationErrorText(const wchar_t* className, unsigned long error);

// Where a window goes: in its parent's client area, or on the screen for a top-level one.
struct Bounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What CreateWindowExW is given; filled with designated initialisers.
struct CreateParams {
    DWORD exStyle = 0;
    const wchar_t* className = nullptr; // not owned: a literal or a registered class's name
    std::wstring text{};
    DWORD style = 0;
    Bounds bounds{};
    HWND parent = nullptr; // not owned; the owner window for a top-level one
    int id = 0;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const noexcept { return hwnd_; }
    static Window* FromHandle(HWND window) noexcept;

    // The name in the form designer's style, such as "Btn_01".
    const std::wstring& name() const noexcept { return name_; }
    void set_name(std::wstring name) { name_ = std::move(name); }

    std::wstring Text() const;
    void SetText(const std::wstring& text);
    void SetFont(HFONT font);
    HFONT Font() const;
    bool Enabled() const;
    void SetEnabled(bool enabled);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Invalidate();
    void Repaint(); // invalidate and paint at once

    // Double buffering follows the parent's until it is set on the control itself.
    bool DoubleBuffered() const;
    void SetDoubleBuffered(bool doubleBuffered);
    bool ParentDoubleBuffered() const noexcept { return parentDoubleBuffered_; }

    // A request that the parent received about this control (WM_COMMAND, WM_NOTIFY,
    // WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*). Return true when handled, with `result`
    // as the parent's answer.
    virtual bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Called on the top-level window when the keyboard focus has moved to one of its controls.
    virtual void ChildFocused(Window& focused);

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The platform's handling: DefWindowProc for our classes, the native control's procedure
    // for subclassed ones.
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    static void RegisterOwnClass(const wchar_t* className, UINT classStyle, HBRUSH background,
                                 HICON icon);
    // Create the window (ours, or a native control then subclassed). A window that cannot be
    // created throws UserError with WindowCreationErrorText: the caller's handler ends there.
    void CreateOwn(const CreateParams& params);
    void CreateNative(const CreateParams& params);

private:
    static LRESULT CALLBACK OwnWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    static LRESULT CALLBACK NativeWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    HWND CreateFrom(const CreateParams& params, void* creationData);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT GuardedDispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Attach(HWND window);
    void Detach();

    HWND hwnd_ = nullptr;
    WNDPROC nativeProc_ = nullptr; // the native control's own procedure, once subclassed
    bool doubleBuffered_ = false;
    bool parentDoubleBuffered_ = true;
    std::wstring name_;
};

} // namespace toolkit

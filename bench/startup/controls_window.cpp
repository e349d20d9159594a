// The second baseline of the start-up benchmark: a bare window with the panel's controls.
// The same 21 child windows at the panel's places (16 owner-drawn push buttons, three radio
// buttons, a check box, a drop-down list and five static labels, in the panel's fonts), and
// each push button painted with the platform calls that the panel's glass button makes
// (a buffered paint, the parent's background, the theme's push button, the caption), but
// none of the panel's own code. What Quarnel takes beyond this is its own.
#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

namespace {

enum class Kind { Push, Radio, Check, DropDown, Label };
struct Child {
    Kind kind;
    const wchar_t* caption;
    int x, y, width, height, fontHeight;
};

// clang-format off
constexpr Child kChildren[] = {
    {Kind::Push, L"Back Left", 0, 85, 60, 40, 12},   {Kind::Push, L"Left", 0, 131, 60, 40, 12},
    {Kind::Push, L"Stop", 65, 131, 60, 40, 12},      {Kind::Push, L"Right", 130, 131, 60, 40, 12},
    {Kind::Push, L"Back Left", 0, 177, 60, 40, 12},  {Kind::Push, L"Back", 65, 177, 60, 40, 12},
    {Kind::Push, L"Back Right", 130, 177, 60, 40, 12},
    {Kind::Radio, L"High", 5, 65, 45, 17, 13},        {Kind::Radio, L"Slow", 65, 65, 50, 17, 13},
    {Kind::Radio, L"One", 130, 65, 49, 17, 13},
    {Kind::Push, L"Lt.90", 0, 24, 60, 40, 12},       {Kind::Push, L"180", 65, 24, 60, 40, 12},
    {Kind::Push, L"Rt.90", 130, 24, 60, 40, 12},
    {Kind::Check, L"For w/o border", 1, 340, 104, 17, 11},
    {Kind::DropDown, L"", 0, 227, 190, 27, 15},
    {Kind::Push, L"Start Tracking", 0, 260, 190, 25, 12}, {Kind::Push, L"Start", 0, 284, 95, 25, 12},
    {Kind::Push, L"Continue", 95, 284, 95, 25, 12},  {Kind::Push, L"Doracron / Sueacron", 0, 315, 190, 25, 12},
    {Kind::Push, L"Forward Left", 65, 85, 60, 40, 12}, {Kind::Push, L"Forward", 130, 85, 60, 40, 12},
    {Kind::Label, L"----", 0, 0, 190, 17, 13},
    {Kind::Label, L"Check or Double click on space", 17, 356, 170, 14, 11},
    {Kind::Label, L"Ctrl+Left click, Slow, Ctrl+Right", 1, 384, 178, 14, 11},
    {Kind::Label, L"click, One, when 'High' is selected.", 1, 397, 191, 14, 11},
    {Kind::Label, L"  ", 1, 410, 8, 14, 11},
};
// clang-format on

HTHEME g_buttonTheme = nullptr;

void DrawPushButton(const DRAWITEMSTRUCT& item) {
    RECT bounds = item.rcItem;
    HDC target = nullptr;
    HPAINTBUFFER buffer =
        ::BeginBufferedPaint(item.hDC, &bounds, BPBF_TOPDOWNDIB, nullptr, &target);
    if (buffer == nullptr)
        target = item.hDC;
    if (g_buttonTheme == nullptr)
        g_buttonTheme = ::OpenThemeData(item.hwndItem, L"BUTTON");
    if (::IsThemeBackgroundPartiallyTransparent(g_buttonTheme, BP_PUSHBUTTON, PBS_NORMAL))
        ::DrawThemeParentBackground(item.hwndItem, target, nullptr);
    ::DrawThemeBackground(g_buttonTheme, target, BP_PUSHBUTTON, PBS_NORMAL, &bounds, nullptr);
    RECT content = bounds;
    ::GetThemeBackgroundContentRect(g_buttonTheme, target, BP_PUSHBUTTON, PBS_NORMAL, &bounds,
                                    &content);
    wchar_t caption[64] = {};
    ::GetWindowTextW(item.hwndItem, caption, 64);
    ::SetBkMode(target, TRANSPARENT);
    ::DrawTextW(target, caption, -1, &content, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    if (buffer != nullptr)
        ::EndBufferedPaint(buffer, TRUE);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM:
        DrawPushButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

HFONT FontOfHeight(int height) {
    static HFONT fonts[20] = {};
    if (fonts[height] == nullptr) {
        LOGFONTW font{};
        font.lfHeight = -height;
        font.lfCharSet = DEFAULT_CHARSET;
        lstrcpyW(font.lfFaceName, L"Meiryo UI");
        fonts[height] = ::CreateFontIndirectW(&font);
    }
    return fonts[height];
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    ::BufferedPaintInit();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"ControlsWindow";
    ::RegisterClassExW(&windowClass);
    HWND window = ::CreateWindowExW(WS_EX_TOPMOST, L"ControlsWindow", L"Controls",
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100, 198, 463,
                                    nullptr, nullptr, instance, nullptr);
    for (const Child& child : kChildren) {
        const wchar_t* className = child.kind == Kind::DropDown ? L"COMBOBOX"
                                   : child.kind == Kind::Label  ? L"STATIC"
                                                                : L"BUTTON";
        const DWORD style = child.kind == Kind::Push       ? BS_OWNERDRAW
                            : child.kind == Kind::Radio    ? BS_RADIOBUTTON
                            : child.kind == Kind::Check    ? BS_AUTOCHECKBOX
                            : child.kind == Kind::DropDown ? CBS_DROPDOWNLIST
                                                           : SS_LEFT;
        HWND control = ::CreateWindowExW(0, className, child.caption, WS_CHILD | WS_VISIBLE | style,
                                         child.x, child.y, child.width, child.height, window,
                                         nullptr, instance, nullptr);
        ::SendMessageW(control, WM_SETFONT,
                       reinterpret_cast<WPARAM>(FontOfHeight(child.fontHeight)), FALSE);
    }
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::BufferedPaintUnInit();
    return 0;
}

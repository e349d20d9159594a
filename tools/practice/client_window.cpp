#include "client_window.h"

#include <string>

#include "chat_classicuo.h"
#include "chat_edit.h"
#include "chat_own_line.h"
#include "clipboard.h"
#include "sea.h"

namespace practice {

namespace {

constexpr UINT_PTR kSailTimer = 1;

LRESULT CALLBACK ClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Client* found = ClientOf(window);
    if (found == nullptr)
        return ::DefWindowProcW(window, message, wParam, lParam);
    Client& client = *found;
    const Mode mode = client.options.mode;
    const bool isChatHolder = (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
    if (window == client.top && mode == Mode::ClassicUo && ClassicUoInput(client, message, wParam))
        return 0;
    if (window == client.top && (mode == Mode::Orion || mode == Mode::Decoy) &&
        OwnLineInput(client, message, wParam))
        return 0;
    if (IsKeyMessage(message)) {
        if (mode == Mode::Fallback && message == WM_KEYDOWN && wParam == VK_RETURN)
            QueueClipboardAction(client, ChatAction::Kind::SubmitClipboard);
        return 0;
    }
    switch (message) {
    case WM_SETFOCUS:
        if (isChatHolder) {
            // As the game does: the chat holder hands the focus on to the chat line.
            client.log.Write("focus");
            ::SetFocus(client.chat);
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (!isChatHolder && LOWORD(wParam) != WA_INACTIVE)
            client.log.Write("activated");
        break;
    case kClipboardRead:
        ClipboardReadDone(client, static_cast<unsigned>(wParam),
                          reinterpret_cast<std::wstring*>(lParam));
        return 0;
    case WM_TIMER:
        Sail(client);
        return 0;
    case WM_PAINT:
        if (!isChatHolder) {
            PaintClient(client, window);
            return 0;
        }
        break;
    case WM_DESTROY:
        if (window == client.top)
            ::PostQuitMessage(0);
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void CreateWindows(Client& client, HINSTANCE instance) {
    const Mode mode = client.options.mode;
    const wchar_t* className = ClassName(mode);
    const std::wstring caption = Caption(client.options);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &ClientProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    ::RegisterClassExW(&windowClass);

    RECT frame{0, 0, kSeaWidth, kChatTop + kChatHeight + 4};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    ::AdjustWindowRectEx(&frame, style, FALSE, 0);
    // The decoy sits over the client's window, so that it is in front of it.
    const int left = mode == Mode::Decoy ? 140 : 40;
    const int top = mode == Mode::Decoy ? 160 : 60;
    client.top =
        ::CreateWindowExW(0, className, caption.c_str(), style, left, top, frame.right - frame.left,
                          frame.bottom - frame.top, nullptr, nullptr, instance, &client);
    if (mode == Mode::ClassicUo) {
        // Never shown, above the main window in the Z-order: it must never get the keys.
        client.hiddenTwin = ::CreateWindowExW(0, className, caption.c_str(), style, 0, 0, 100, 100,
                                              nullptr, nullptr, instance, &client);
    }
    if (mode == Mode::Primary) {
        client.chatHolder =
            ::CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE, 0, kChatTop, kSeaWidth,
                              kChatHeight + 4, client.top, nullptr, instance, &client);
        CreateEditChat(client, instance);
    }
    ::SetTimer(client.top, kSailTimer, 50, nullptr);
    ::ShowWindow(client.top, SW_SHOWNOACTIVATE);
    ::UpdateWindow(client.top);
}

} // namespace practice

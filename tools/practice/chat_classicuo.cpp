#include "chat_classicuo.h"

#include <optional>
#include <string>

#include "chat_own_line.h"
#include "clipboard.h"
#include "sea.h"
#include "shared/utf8.h"

namespace practice {

namespace {

std::wstring WideOf(const std::u16string& text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}
std::u16string U16Of(const std::wstring& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

} // namespace

bool ClassicUoInput(Client& client, UINT message, WPARAM wParam) {
    ClassicUoChat& chat = client.classicChat;
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        const bool wasOpen = chat.open();
        const std::optional<std::u16string> said = chat.Enter(::GetKeyState(VK_SHIFT) < 0);
        if (said)
            Receive(client, WideOf(*said));
        if (chat.open() != wasOpen)
            client.log.Write(chat.open() ? "chat opened" : "chat closed");
        RedrawOwnChatLine(client);
        return true;
    }
    if (message == WM_KEYDOWN && wParam == 'V' && ::GetKeyState(VK_CONTROL) < 0) {
        // Only the open line's text box takes the paste; it reads the clipboard on this
        // thread (SDL_GetClipboardText on the main thread).
        if (chat.open()) {
            const std::wstring text = ReadClipboardText(client.log);
            client.log.Write("paste " + shared::Utf8(text));
            chat.Type(U16Of(text));
            RedrawOwnChatLine(client);
        }
        return true;
    }
    if (message == WM_CHAR) {
        if (wParam >= 0x20) {
            chat.Type(std::u16string(1, static_cast<char16_t>(wParam)));
            RedrawOwnChatLine(client);
        }
        return true;
    }
    return IsKeyMessage(message);
}

} // namespace practice

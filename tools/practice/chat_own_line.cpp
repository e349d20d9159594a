#include "chat_own_line.h"

#include "clipboard.h"
#include "sea.h"
#include "shared/utf8.h"

namespace practice {

bool OwnLineInput(Client& client, UINT message, WPARAM wParam) {
    if (message != WM_CHAR)
        return IsKeyMessage(message);
    if (wParam == 0x16) {
        const std::wstring text = ReadClipboardText(client.log);
        client.log.Write("paste " + shared::Utf8(text));
        client.ownLine += text;
    } else if (wParam == L'\r') {
        const std::wstring line = client.ownLine;
        client.ownLine.clear();
        if (!line.empty())
            Receive(client, line);
    } else if (wParam == 0x08) {
        if (!client.ownLine.empty())
            client.ownLine.pop_back();
    } else if (wParam >= 0x20) {
        client.ownLine.push_back(static_cast<wchar_t>(wParam));
    }
    RedrawOwnChatLine(client);
    return true;
}

void RedrawOwnChatLine(const Client& client) {
    RECT strip{0, kChatTop, kSeaWidth, kChatTop + kChatHeight + 4};
    ::InvalidateRect(client.top, &strip, FALSE);
}

void PaintOwnChatLine(const Client& client, HDC dc) {
    RECT strip{2, kChatTop + 2, kSeaWidth - 2, kChatTop + kChatHeight + 2};
    ::FillRect(dc, &strip, ::GetSysColorBrush(COLOR_WINDOW));
    ::FrameRect(dc, &strip, ::GetSysColorBrush(COLOR_BTNSHADOW));
    std::wstring text;
    const bool classicUo = client.options.mode == Mode::ClassicUo;
    if (classicUo && !client.classicChat.open()) {
        text = L"(chat closed: Enter opens it)";
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    } else {
        const std::u16string& line = client.classicChat.line();
        text = L"Say: " +
               (classicUo ? std::wstring(reinterpret_cast<const wchar_t*>(line.data()), line.size())
                          : client.ownLine) +
               L"_";
    }
    RECT inner{strip.left + 4, strip.top, strip.right - 4, strip.bottom};
    ::DrawTextW(dc, text.c_str(), -1, &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

} // namespace practice

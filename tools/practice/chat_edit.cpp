#include "chat_edit.h"

#include "clipboard.h"
#include "sea.h"
#include "shared/utf8.h"

namespace practice {

namespace {

using shared::Utf8;

void SubmitChatLine(Client& client) {
    const int length = ::GetWindowTextLengthW(client.chat);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::GetWindowTextW(client.chat, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    ::SetWindowTextW(client.chat, L"");
    if (!text.empty())
        Receive(client, text);
}

void RunReadyActions(Client& client) {
    while (!client.actions.empty() && client.actions.front().ready) {
        const ChatAction action = std::move(client.actions.front());
        client.actions.pop_front();
        switch (action.kind) {
        case ChatAction::Kind::Paste:
            client.log.Write("paste " + Utf8(action.text));
            ::SendMessageW(client.chat, EM_REPLACESEL, TRUE,
                           reinterpret_cast<LPARAM>(action.text.c_str()));
            break;
        case ChatAction::Kind::Submit:
            SubmitChatLine(client);
            break;
        case ChatAction::Kind::SubmitClipboard:
            if (!action.text.empty())
                Receive(client, action.text);
            break;
        }
    }
}

LRESULT CALLBACK ChatProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Client& client = *ClientOf(window);
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        client.actions.push_back({ChatAction::Kind::Submit, 0, true, {}});
        RunReadyActions(client);
        return 0;
    }
    if (client.options.workerPaste) {
        // Ctrl+V from the key itself: Wine may leave a stale Alt in this thread's key state
        // (an Alt released over another window), which would turn the character into nothing.
        if (message == WM_KEYDOWN && wParam == 'V' && ::GetKeyState(VK_CONTROL) < 0) {
            QueueClipboardAction(client, ChatAction::Kind::Paste);
            return 0;
        }
        if (message == WM_CHAR && wParam == 0x16)
            return 0;
    } else if (message == WM_PASTE) {
        // The control pastes by itself, reading the clipboard on this thread; the log
        // records what it read.
        client.log.Write("paste " + Utf8(ReadClipboardText(client.log)));
    }
    if (message == WM_CHAR && (wParam == L'\r' || wParam == L'\n'))
        return 0; // no beep for Enter
    return ::CallWindowProcW(client.chatProc, window, message, wParam, lParam);
}

} // namespace

void CreateEditChat(Client& client, HINSTANCE instance) {
    client.chat = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                    WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 2, 2, kSeaWidth - 4,
                                    kChatHeight, client.chatHolder, nullptr, instance, nullptr);
    ::SendMessageW(client.chat, WM_SETFONT,
                   reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ::SetWindowLongPtrW(client.chat, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&client));
    client.chatProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(client.chat, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChatProc)));
}

void QueueClipboardAction(Client& client, ChatAction::Kind kind) {
    if (!client.options.workerPaste) {
        // Read at once, on this thread: the chat's actions stay in key order by themselves.
        client.actions.push_back({kind, 0, true, ReadClipboardText(client.log)});
        RunReadyActions(client);
        return;
    }
    const unsigned id = client.nextReadId++;
    client.actions.push_back({kind, id, false, {}});
    ReadClipboardOnWorker(client.log, client.top, id);
}

void ClipboardReadDone(Client& client, unsigned id, std::wstring* text) {
    for (ChatAction& action : client.actions) {
        if (action.id == id) {
            action.text = std::move(*text);
            action.ready = true;
        }
    }
    delete text;
    RunReadyActions(client);
}

} // namespace practice

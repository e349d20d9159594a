// The practice client: a small stand-in for the game client, so the panel can be tried and
// tested without the game.
//
//   PracticeClient [--fallback | --classicuo [--enter-opens-chat] [--chat-closed]
//                   [--caption TEXT] | --orion | --decoy] [--worker-paste] [--log FILE]
//
// Primary mode: a top-level window of class "Ultima Online" with a child of the same class
// that holds the chat line. A focus message to the child moves the keyboard focus to the
// chat line; Ctrl+V pastes the clipboard's Unicode text there and Enter submits the line.
// Fallback mode: one visible, unowned window of class "UOWIN" whose caption carries the
// "UOSA " marker; Enter submits the clipboard's Unicode text (no paste is typed for it).
// ClassicUO mode: SDL's window class "SDL_app" with ClassicUO's in-game caption (or
// --caption), keys straight to the top-level window, and ClassicUO's chat line
// (classicuo_chat.h): "Enter opens the chat" off unless --enter-opens-chat, the line open at
// start unless --chat-closed. Ctrl+V reads the clipboard on the window thread, as SDL does,
// and only while the line is open; control characters never reach the line. A second,
// hidden SDL window stands for ClassicUO's hidden ones.
// Orion mode: class "Orion UO Client", caption "Ultima Online - Sailor (Practice)"; the
// character 0x16 pastes (read on the window thread) and '\r' submits the line.
// Decoy mode: another program's SDL window ("SDL_app", another caption) that types into a
// line of its own and logs everything it gets; nothing should ever reach it.
//
// The chat line is a plain EDIT control: Ctrl+V becomes the character 0x16, on which the
// control reads the clipboard on this window thread, as a real client does. --worker-paste
// reads it on a worker thread instead, and keeps Wine's view of the clipboard fresh from
// another; that hides a stall of the real clients under Wine and is kept only to compare.
//
// Submitted lines are listed, and the ship on the sea obeys the phrases it knows: the eight
// directions at High, "Slow " and "One " speed, "Turn Left", "Turn Right", "Turn Around" and
// "Stop". With --log every submitted line, every focus message to the chat holder and every
// key event (virtual key and scan code, hex) is appended to FILE as UTF-8, one flushed line
// each:  line TEXT | paste TEXT | focus | activated | key down VK SCAN | key up VK SCAN
// | chat opened | chat closed (ClassicUO's line)
// (and "clipboard busy" when the clipboard stayed closed to it for two seconds)
#include <windows.h>

#include "client.h"
#include "client_window.h"
#include "clipboard.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace practice;
    Client client;
    client.options = ParseCommandLine();
    if (!client.options.logPath.empty())
        client.log.Open(client.options.logPath);
    client.classicChat = ClassicUoChat(client.options.enterOpensChat, client.options.chatClosed);

    CreateWindows(client, instance);
    if (client.options.workerPaste)
        KeepClipboardViewFresh();
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Every key event the client receives, whichever of its windows has the focus.
        if (IsKeyMessage(message.message))
            client.log.Key(message.message, message.wParam, message.lParam);
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}

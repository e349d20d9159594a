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

#include <shellapi.h>

#include <cmath>
#include <cstdio>
#include <deque>
#include <optional>
#include <string>
#include <thread>

#include "classicuo_chat.h"

namespace {

constexpr wchar_t kPrimaryClass[] = L"Ultima Online";
constexpr wchar_t kFallbackClass[] = L"UOWIN";
constexpr wchar_t kSdlClass[] = L"SDL_app";
constexpr wchar_t kOrionClass[] = L"Orion UO Client";
constexpr int kSeaWidth = 400;
constexpr int kSeaHeight = 220;
constexpr int kChatHeight = 26;
constexpr UINT_PTR kSailTimer = 1;
constexpr int kMaxShownLines = 8;
constexpr size_t kWakeLength = 90; // positions, one per tick under way
constexpr size_t kShownObeyed = 4; // phrases listed on the sea
constexpr double kPi = 3.14159265358979;

enum class Mode { Primary, Fallback, ClassicUo, Orion, Decoy };

struct Ship {
    double x = kSeaWidth / 2.0;
    double y = kSeaHeight / 2.0;
    int bow = 0;        // screen direction 0..7, 0 up, clockwise
    int course = 0;     // direction of travel relative to the bow, 0..7
    int speed = 0;      // pixels per tick; 0 stopped
    int stepsLeft = -1; // ticks of a "One " move, -1 for steady sailing
};

struct Position {
    double x, y;
};

struct Client {
    Mode mode = Mode::Primary;
    bool fallback = false; // Mode::Fallback
    bool workerPaste = false;
    bool enterOpensChat = false;
    bool chatClosed = false;
    std::wstring caption;
    FILE* log = nullptr;
    HWND top = nullptr;
    HWND chatHolder = nullptr;
    HWND chat = nullptr;
    WNDPROC chatProc = nullptr;
    HWND hiddenTwin = nullptr;
    Ship ship;
    std::deque<Position> wake;       // the ship's recent positions, oldest first
    std::deque<std::wstring> obeyed; // the last phrases the crew acted on, oldest first
    std::deque<std::wstring> lines;
    std::wstring understood = L"waiting for commands";
    // The line the client draws itself (ClassicUO, Orion, decoy), and ClassicUO's rules.
    std::wstring ownLine;
    practice::ClassicUoChat classicChat{false, false};
} g;

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                          nullptr, nullptr);
    return out;
}

void Log(const std::string& line) {
    if (g.log == nullptr)
        return;
    std::fprintf(g.log, "%s\n", line.c_str());
    std::fflush(g.log);
}

void LogKey(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    char text[64];
    std::snprintf(text, sizeof text, "key %s %02x %02x", down ? "down" : "up",
                  static_cast<unsigned>(wParam & 0xFF),
                  static_cast<unsigned>((lParam >> 16) & 0xFF));
    Log(text);
}

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

// Relative direction words, clockwise from ahead.
constexpr const wchar_t* kDirections[8] = {L"Forward", L"Forward Right", L"Right", L"Back Right",
                                           L"Back",    L"Back Left",     L"Left",  L"Forward Left"};

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Applies one phrase to the ship; returns what the crew made of it.
std::wstring Obey(const std::wstring& phrase) {
    Ship& ship = g.ship;
    if (phrase == L"Stop") {
        ship.speed = 0;
        return L"stopping";
    }
    if (phrase == L"Turn Left" || phrase == L"Turn Right" || phrase == L"Turn Around") {
        const int by = phrase == L"Turn Left" ? 6 : phrase == L"Turn Right" ? 2 : 4;
        ship.bow = (ship.bow + by) % 8;
        return L"turning";
    }
    std::wstring word = phrase;
    int speed = 4;
    int steps = -1;
    if (StartsWith(word, L"Slow ")) {
        word.erase(0, 5);
        speed = 1;
    } else if (StartsWith(word, L"One ")) {
        word.erase(0, 4);
        speed = 2;
        steps = 6;
    }
    for (int course = 0; course < 8; ++course) {
        if (word == kDirections[course]) {
            ship.course = course;
            ship.speed = speed;
            ship.stepsLeft = steps;
            return speed == 4 ? L"full sail" : steps > 0 ? L"one step" : L"slowly";
        }
    }
    return L"not understood";
}

void Receive(const std::wstring& line) {
    Log("line " + Utf8(line));
    g.lines.push_back(line);
    while (g.lines.size() > kMaxShownLines)
        g.lines.pop_front();
    const std::wstring result = Obey(line);
    if (result != L"not understood") {
        g.obeyed.push_back(line);
        while (g.obeyed.size() > kShownObeyed)
            g.obeyed.pop_front();
    }
    g.understood = line + L": " + result;
    ::InvalidateRect(g.top, nullptr, TRUE);
}

// Under Wine every OpenClipboard first asks the clipboard's owner (the panel) to bring the X
// selection up to date, and the panel sleeps during a delivery. Reading on a worker thread
// keeps this thread taking the keys that follow, which Wine would otherwise hand to the
// window in front by the time they were read. The chat's actions run in key order.
constexpr UINT kClipboardRead = WM_APP + 1;

struct ChatAction {
    enum class Kind { Paste, Submit, SubmitClipboard } kind;
    unsigned id = 0;
    bool ready = false;
    std::wstring text;
};
std::deque<ChatAction> g_actions;
unsigned g_nextReadId = 1;

void RunReadyActions();

std::wstring ReadClipboardText() {
    std::wstring text;
    // Another program may hold the clipboard open for a moment.
    bool open = false;
    for (int attempt = 0; attempt < 100 && !(open = ::OpenClipboard(nullptr)); ++attempt)
        ::Sleep(20);
    if (!open) {
        Log("clipboard busy");
        return text;
    }
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = units;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

// Wine skips that question for two seconds after an answer, and CountClipboardFormats asks it
// without opening the clipboard: asking twice a second from a thread of its own lets the
// paste read the clipboard at once, before the panel puts the next text there.
void KeepClipboardViewFresh() {
    std::thread([] {
        for (;;) {
            ::CountClipboardFormats();
            ::Sleep(500);
        }
    }).detach();
}

void QueueClipboardAction(ChatAction::Kind kind) {
    if (!g.workerPaste) {
        // Read at once, on this thread: the chat's actions stay in key order by themselves.
        g_actions.push_back({kind, 0, true, ReadClipboardText()});
        RunReadyActions();
        return;
    }
    const unsigned id = g_nextReadId++;
    g_actions.push_back({kind, id, false, {}});
    HWND target = g.top;
    std::thread([target, id] {
        auto* text = new std::wstring(ReadClipboardText());
        if (!::PostMessageW(target, kClipboardRead, id, reinterpret_cast<LPARAM>(text)))
            delete text;
    }).detach();
}

void SubmitChatLine() {
    const int length = ::GetWindowTextLengthW(g.chat);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::GetWindowTextW(g.chat, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    ::SetWindowTextW(g.chat, L"");
    if (!text.empty())
        Receive(text);
}

void RunReadyActions() {
    while (!g_actions.empty() && g_actions.front().ready) {
        const ChatAction action = std::move(g_actions.front());
        g_actions.pop_front();
        switch (action.kind) {
        case ChatAction::Kind::Paste:
            Log("paste " + Utf8(action.text));
            ::SendMessageW(g.chat, EM_REPLACESEL, TRUE,
                           reinterpret_cast<LPARAM>(action.text.c_str()));
            break;
        case ChatAction::Kind::Submit:
            SubmitChatLine();
            break;
        case ChatAction::Kind::SubmitClipboard:
            if (!action.text.empty())
                Receive(action.text);
            break;
        }
    }
}

void ClipboardReadDone(unsigned id, std::wstring* text) {
    for (ChatAction& action : g_actions) {
        if (action.id == id) {
            action.text = std::move(*text);
            action.ready = true;
        }
    }
    delete text;
    RunReadyActions();
}

void Sail() {
    Ship& ship = g.ship;
    if (ship.speed == 0)
        return;
    g.wake.push_back({ship.x, ship.y});
    while (g.wake.size() > kWakeLength)
        g.wake.pop_front();
    const double angle = (ship.bow + ship.course) % 8 * kPi / 4;
    ship.x = std::fmod(ship.x + ship.speed * std::sin(angle) + kSeaWidth, kSeaWidth);
    ship.y = std::fmod(ship.y - ship.speed * std::cos(angle) + kSeaHeight, kSeaHeight);
    if (ship.stepsLeft > 0 && --ship.stepsLeft == 0)
        ship.speed = 0;
    RECT sea{0, 0, kSeaWidth, kSeaHeight};
    ::InvalidateRect(g.top, &sea, FALSE);
}

// The wake: the ship's recent track, fading with age; a jump across the sea's edge (the sea
// wraps around) starts a new stretch.
void PaintWake(HDC dc) {
    if (g.wake.empty())
        return;
    const size_t count = g.wake.size();
    for (size_t i = 1; i <= count; ++i) {
        const Position from = g.wake[i - 1];
        const Position to = i < count ? g.wake[i] : Position{g.ship.x, g.ship.y};
        if (std::fabs(to.x - from.x) > kSeaWidth / 2.0 ||
            std::fabs(to.y - from.y) > kSeaHeight / 2.0)
            continue;
        const double age = static_cast<double>(count - i) / kWakeLength; // 0 newest .. 1 oldest
        const int shade = static_cast<int>(235 - age * 120);
        HPEN pen = ::CreatePen(PS_SOLID,
                               age < 0.3    ? 3
                               : age < 0.65 ? 2
                                            : 1,
                               RGB(shade - 20, shade, 255));
        HGDIOBJ oldPen = ::SelectObject(dc, pen);
        ::MoveToEx(dc, static_cast<int>(from.x), static_cast<int>(from.y), nullptr);
        ::LineTo(dc, static_cast<int>(to.x), static_cast<int>(to.y));
        ::SelectObject(dc, oldPen);
        ::DeleteObject(pen);
    }
}

std::wstring SpeedText(const Ship& ship) {
    if (ship.speed == 0)
        return L"stopped";
    if (ship.stepsLeft > 0)
        return L"one step";
    return ship.speed == 4 ? L"full sail" : L"slow";
}

// The ship's logbook on the sea: heading, course and speed, and the last phrases obeyed.
void PaintLogbook(HDC dc) {
    constexpr const wchar_t* kCompass[8] = {L"N", L"NE", L"E", L"SE", L"S", L"SW", L"W", L"NW"};
    const Ship& ship = g.ship;
    ::SetTextColor(dc, RGB(255, 255, 255));
    std::wstring heading =
        L"Heading " + std::wstring(kCompass[ship.bow]) + L"  \u00B7  " + SpeedText(ship);
    if (ship.speed != 0)
        heading += L"  \u00B7  " + std::wstring(kDirections[ship.course]);
    RECT row{6, 4, kSeaWidth - 6, 20};
    ::DrawTextW(dc, heading.c_str(), -1, &row, DT_SINGLELINE | DT_NOPREFIX);
    if (g.obeyed.empty())
        return;
    ::SetTextColor(dc, RGB(200, 225, 255));
    RECT title{6, 22, kSeaWidth - 6, 38};
    ::DrawTextW(dc, L"Obeyed:", -1, &title, DT_SINGLELINE | DT_NOPREFIX);
    int y = 22;
    for (auto phrase = g.obeyed.rbegin(); phrase != g.obeyed.rend(); ++phrase) {
        RECT line{52, y, kSeaWidth - 6, y + 16};
        ::DrawTextW(dc, phrase->c_str(), -1, &line, DT_SINGLELINE | DT_NOPREFIX);
        y += 15;
        ::SetTextColor(dc, RGB(150, 185, 225)); // older ones fainter
    }
}

// The chat line of the clients that draw their own (no EDIT control in them).
void PaintOwnChatLine(HDC dc) {
    const int top = kSeaHeight + 24 + 16 * kMaxShownLines;
    RECT strip{2, top + 2, kSeaWidth - 2, top + kChatHeight + 2};
    ::FillRect(dc, &strip, ::GetSysColorBrush(COLOR_WINDOW));
    ::FrameRect(dc, &strip, ::GetSysColorBrush(COLOR_BTNSHADOW));
    std::wstring text;
    if (g.mode == Mode::ClassicUo && !g.classicChat.open()) {
        text = L"(chat closed: Enter opens it)";
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    } else {
        const std::u16string& line = g.classicChat.line();
        text = L"Say: " +
               (g.mode == Mode::ClassicUo
                    ? std::wstring(reinterpret_cast<const wchar_t*>(line.data()), line.size())
                    : g.ownLine) +
               L"_";
    }
    RECT inner{strip.left + 4, strip.top, strip.right - 4, strip.bottom};
    ::DrawTextW(dc, text.c_str(), -1, &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    RECT sea{0, 0, kSeaWidth, kSeaHeight};
    HBRUSH water = ::CreateSolidBrush(RGB(40, 90, 160));
    ::FillRect(dc, &sea, water);
    ::DeleteObject(water);

    PaintWake(dc);

    // The ship: a hull pointing at its bow.
    const double angle = g.ship.bow * kPi / 4;
    const double s = std::sin(angle), c = -std::cos(angle);
    auto at = [&](double along, double across) {
        return POINT{static_cast<LONG>(g.ship.x + along * s - across * c),
                     static_cast<LONG>(g.ship.y + along * c + across * s)};
    };
    const POINT hull[] = {at(14, 0), at(-10, 7), at(-10, -7)};
    HBRUSH wood = ::CreateSolidBrush(RGB(150, 100, 50));
    HGDIOBJ oldBrush = ::SelectObject(dc, wood);
    ::Polygon(dc, hull, 3);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(wood);

    ::SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    PaintLogbook(dc);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    RECT status{4, kSeaHeight + 4, kSeaWidth, kSeaHeight + 22};
    ::DrawTextW(dc, g.understood.c_str(), -1, &status, DT_SINGLELINE | DT_NOPREFIX);
    int y = kSeaHeight + 24;
    for (const std::wstring& line : g.lines) {
        RECT row{4, y, kSeaWidth, y + 16};
        ::DrawTextW(dc, (L"> " + line).c_str(), -1, &row, DT_SINGLELINE | DT_NOPREFIX);
        y += 16;
    }
    if (g.mode != Mode::Primary && g.mode != Mode::Fallback)
        PaintOwnChatLine(dc);
    ::SelectObject(dc, oldFont);
    ::EndPaint(window, &paint);
}

LRESULT CALLBACK ChatProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        g_actions.push_back({ChatAction::Kind::Submit, 0, true, {}});
        RunReadyActions();
        return 0;
    }
    if (g.workerPaste) {
        // Ctrl+V from the key itself: Wine may leave a stale Alt in this thread's key state
        // (an Alt released over another window), which would turn the character into nothing.
        if (message == WM_KEYDOWN && wParam == 'V' && ::GetKeyState(VK_CONTROL) < 0) {
            QueueClipboardAction(ChatAction::Kind::Paste);
            return 0;
        }
        if (message == WM_CHAR && wParam == 0x16)
            return 0;
    } else if (message == WM_PASTE) {
        // The control pastes by itself, reading the clipboard on this thread; the log
        // records what it read.
        Log("paste " + Utf8(ReadClipboardText()));
    }
    if (message == WM_CHAR && (wParam == L'\r' || wParam == L'\n'))
        return 0; // no beep for Enter
    return ::CallWindowProcW(g.chatProc, window, message, wParam, lParam);
}

void RedrawOwnChatLine() {
    const int top = kSeaHeight + 24 + 16 * kMaxShownLines;
    RECT strip{0, top, kSeaWidth, top + kChatHeight + 4};
    ::InvalidateRect(g.top, &strip, FALSE);
}

std::wstring WideOf(const std::u16string& text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}
std::u16string U16Of(const std::wstring& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// ClassicUO: SDL hands its window the key events (Enter, Ctrl+V) and the text input, from
// which control characters are dropped. Answers true for the messages it takes.
bool ClassicUoInput(UINT message, WPARAM wParam) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        const bool wasOpen = g.classicChat.open();
        const std::optional<std::u16string> said = g.classicChat.Enter(::GetKeyState(VK_SHIFT) < 0);
        if (said)
            Receive(WideOf(*said));
        if (g.classicChat.open() != wasOpen)
            Log(g.classicChat.open() ? "chat opened" : "chat closed");
        RedrawOwnChatLine();
        return true;
    }
    if (message == WM_KEYDOWN && wParam == 'V' && ::GetKeyState(VK_CONTROL) < 0) {
        // Only the open line's text box takes the paste; it reads the clipboard on this
        // thread (SDL_GetClipboardText on the main thread).
        if (g.classicChat.open()) {
            const std::wstring text = ReadClipboardText();
            Log("paste " + Utf8(text));
            g.classicChat.Type(U16Of(text));
            RedrawOwnChatLine();
        }
        return true;
    }
    if (message == WM_CHAR) {
        if (wParam >= 0x20) {
            g.classicChat.Type(std::u16string(1, static_cast<char16_t>(wParam)));
            RedrawOwnChatLine();
        }
        return true;
    }
    return IsKeyMessage(message);
}

// Orion and the decoy: a line of their own, on characters. 0x16 pastes the clipboard (read on
// this thread), '\r' submits, Backspace erases.
bool OwnLineInput(UINT message, WPARAM wParam) {
    if (message != WM_CHAR)
        return IsKeyMessage(message);
    if (wParam == 0x16) {
        const std::wstring text = ReadClipboardText();
        Log("paste " + Utf8(text));
        g.ownLine += text;
    } else if (wParam == L'\r') {
        const std::wstring line = g.ownLine;
        g.ownLine.clear();
        if (!line.empty())
            Receive(line);
    } else if (wParam == 0x08) {
        if (!g.ownLine.empty())
            g.ownLine.pop_back();
    } else if (wParam >= 0x20) {
        g.ownLine.push_back(static_cast<wchar_t>(wParam));
    }
    RedrawOwnChatLine();
    return true;
}

LRESULT CALLBACK ClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool isChatHolder = (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
    if (window == g.top && g.mode == Mode::ClassicUo && ClassicUoInput(message, wParam))
        return 0;
    if (window == g.top && (g.mode == Mode::Orion || g.mode == Mode::Decoy) &&
        OwnLineInput(message, wParam))
        return 0;
    if (IsKeyMessage(message)) {
        if (g.fallback && message == WM_KEYDOWN && wParam == VK_RETURN)
            QueueClipboardAction(ChatAction::Kind::SubmitClipboard);
        return 0;
    }
    switch (message) {
    case WM_SETFOCUS:
        if (isChatHolder) {
            // As the game does: the chat holder hands the focus on to the chat line.
            Log("focus");
            ::SetFocus(g.chat);
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (!isChatHolder && LOWORD(wParam) != WA_INACTIVE)
            Log("activated");
        break;
    case kClipboardRead:
        ClipboardReadDone(static_cast<unsigned>(wParam), reinterpret_cast<std::wstring*>(lParam));
        return 0;
    case WM_TIMER:
        Sail();
        return 0;
    case WM_PAINT:
        if (!isChatHolder) {
            Paint(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        if (window == g.top)
            ::PostQuitMessage(0);
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* ClassName() {
    switch (g.mode) {
    case Mode::Fallback:
        return kFallbackClass;
    case Mode::ClassicUo:
    case Mode::Decoy:
        return kSdlClass;
    case Mode::Orion:
        return kOrionClass;
    case Mode::Primary:
        break;
    }
    return kPrimaryClass;
}

std::wstring Caption() {
    switch (g.mode) {
    case Mode::Fallback:
        return L"UOSA - Practice Client (fallback)";
    case Mode::ClassicUo:
        return g.caption.empty() ? L"Sailor - ClassicUO - 1.0.0" : g.caption;
    case Mode::Orion:
        return L"Ultima Online - Sailor (Practice)";
    case Mode::Decoy:
        return L"Practice Decoy (another SDL program)";
    case Mode::Primary:
        break;
    }
    return L"Ultima Online - Practice Client";
}

void CreateWindows(HINSTANCE instance) {
    const wchar_t* className = ClassName();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &ClientProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    ::RegisterClassExW(&windowClass);

    RECT frame{0, 0, kSeaWidth, kSeaHeight + 24 + 16 * kMaxShownLines + kChatHeight + 4};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    ::AdjustWindowRectEx(&frame, style, FALSE, 0);
    // The decoy sits over the client's window, so that it is in front of it.
    const int left = g.mode == Mode::Decoy ? 140 : 40;
    const int top = g.mode == Mode::Decoy ? 160 : 60;
    g.top = ::CreateWindowExW(0, className, Caption().c_str(), style, left, top,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              instance, nullptr);
    if (g.mode == Mode::ClassicUo) {
        // Never shown, above the main window in the Z-order: it must never get the keys.
        g.hiddenTwin = ::CreateWindowExW(0, className, Caption().c_str(), style, 0, 0, 100, 100,
                                         nullptr, nullptr, instance, nullptr);
    }
    if (g.mode == Mode::Primary) {
        const int chatTop = kSeaHeight + 24 + 16 * kMaxShownLines;
        g.chatHolder =
            ::CreateWindowExW(0, kPrimaryClass, L"", WS_CHILD | WS_VISIBLE, 0, chatTop, kSeaWidth,
                              kChatHeight + 4, g.top, nullptr, instance, nullptr);
        g.chat = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                   WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 2, 2, kSeaWidth - 4,
                                   kChatHeight, g.chatHolder, nullptr, instance, nullptr);
        ::SendMessageW(g.chat, WM_SETFONT,
                       reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        g.chatProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(g.chat, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChatProc)));
    }
    ::SetTimer(g.top, kSailTimer, 50, nullptr);
    ::ShowWindow(g.top, SW_SHOWNOACTIVATE);
    ::UpdateWindow(g.top);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    for (int i = 1; argv != nullptr && i < argc; ++i) {
        const std::wstring argument = argv[i];
        if (argument == L"--fallback")
            g.mode = Mode::Fallback;
        else if (argument == L"--classicuo")
            g.mode = Mode::ClassicUo;
        else if (argument == L"--orion")
            g.mode = Mode::Orion;
        else if (argument == L"--decoy")
            g.mode = Mode::Decoy;
        else if (argument == L"--enter-opens-chat")
            g.enterOpensChat = true;
        else if (argument == L"--chat-closed")
            g.chatClosed = true;
        else if (argument == L"--caption" && i + 1 < argc)
            g.caption = argv[++i];
        else if (argument == L"--worker-paste")
            g.workerPaste = true;
        else if (argument == L"--log" && i + 1 < argc)
            g.log = _wfopen(argv[++i], L"ab");
    }
    ::LocalFree(argv);
    g.fallback = g.mode == Mode::Fallback;
    g.classicChat = practice::ClassicUoChat(g.enterOpensChat, g.chatClosed);

    CreateWindows(instance);
    if (g.workerPaste)
        KeepClipboardViewFresh();
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Every key event the client receives, whichever of its windows has the focus.
        if (IsKeyMessage(message.message))
            LogKey(message.message, message.wParam, message.lParam);
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    if (g.log != nullptr)
        std::fclose(g.log);
    return 0;
}

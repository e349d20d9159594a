#include "sea.h"

#include <cmath>

#include "chat_own_line.h"
#include "shared/utf8.h"

namespace practice {

namespace {

constexpr size_t kShownObeyed = 4; // phrases listed on the sea

// The wake: the ship's recent track, fading with age; a jump across the sea's edge (the sea
// wraps around) starts a new stretch.
void PaintWake(const Client& client, HDC dc) {
    const std::deque<Position>& wake = client.wake;
    if (wake.empty())
        return;
    const size_t count = wake.size();
    for (size_t i = 1; i <= count; ++i) {
        const Position from = wake[i - 1];
        const Position to = i < count ? wake[i] : Position{client.ship.x, client.ship.y};
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

// The ship: a hull pointing at its bow.
void PaintShip(const Ship& ship, HDC dc) {
    const double angle = ship.bow * kPi / 4;
    const double s = std::sin(angle), c = -std::cos(angle);
    auto at = [&](double along, double across) {
        return POINT{static_cast<LONG>(ship.x + along * s - across * c),
                     static_cast<LONG>(ship.y + along * c + across * s)};
    };
    const POINT hull[] = {at(14, 0), at(-10, 7), at(-10, -7)};
    HBRUSH wood = ::CreateSolidBrush(RGB(150, 100, 50));
    HGDIOBJ oldBrush = ::SelectObject(dc, wood);
    ::Polygon(dc, hull, 3);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(wood);
}

// The ship's logbook on the sea: heading, course and speed, and the last phrases obeyed.
void PaintLogbook(const Client& client, HDC dc) {
    constexpr const wchar_t* kCompass[8] = {L"N", L"NE", L"E", L"SE", L"S", L"SW", L"W", L"NW"};
    const Ship& ship = client.ship;
    ::SetTextColor(dc, RGB(255, 255, 255));
    std::wstring heading =
        L"Heading " + std::wstring(kCompass[ship.bow]) + L"  \u00B7  " + SpeedText(ship);
    if (ship.speed != 0)
        heading += L"  \u00B7  " + std::wstring(kDirections[ship.course]);
    RECT row{6, 4, kSeaWidth - 6, 20};
    ::DrawTextW(dc, heading.c_str(), -1, &row, DT_SINGLELINE | DT_NOPREFIX);
    if (client.obeyed.empty())
        return;
    ::SetTextColor(dc, RGB(200, 225, 255));
    RECT title{6, 22, kSeaWidth - 6, 38};
    ::DrawTextW(dc, L"Obeyed:", -1, &title, DT_SINGLELINE | DT_NOPREFIX);
    int y = 22;
    for (auto phrase = client.obeyed.rbegin(); phrase != client.obeyed.rend(); ++phrase) {
        RECT line{52, y, kSeaWidth - 6, y + 16};
        ::DrawTextW(dc, phrase->c_str(), -1, &line, DT_SINGLELINE | DT_NOPREFIX);
        y += 15;
        ::SetTextColor(dc, RGB(150, 185, 225)); // older ones fainter
    }
}

} // namespace

void Receive(Client& client, const std::wstring& line) {
    client.log.Write("line " + shared::Utf8(line));
    client.lines.push_back(line);
    while (client.lines.size() > kMaxShownLines)
        client.lines.pop_front();
    const std::wstring result = Obey(client.ship, line);
    if (result != L"not understood") {
        client.obeyed.push_back(line);
        while (client.obeyed.size() > kShownObeyed)
            client.obeyed.pop_front();
    }
    client.understood = line + L": " + result;
    ::InvalidateRect(client.top, nullptr, TRUE);
}

void Sail(Client& client) {
    if (!SailOneTick(client.ship, client.wake))
        return;
    RECT sea{0, 0, kSeaWidth, kSeaHeight};
    ::InvalidateRect(client.top, &sea, FALSE);
}

void PaintClient(const Client& client, HWND window) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    RECT sea{0, 0, kSeaWidth, kSeaHeight};
    HBRUSH water = ::CreateSolidBrush(RGB(40, 90, 160));
    ::FillRect(dc, &sea, water);
    ::DeleteObject(water);

    PaintWake(client, dc);
    PaintShip(client.ship, dc);

    ::SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    PaintLogbook(client, dc);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    RECT status{4, kSeaHeight + 4, kSeaWidth, kSeaHeight + 22};
    ::DrawTextW(dc, client.understood.c_str(), -1, &status, DT_SINGLELINE | DT_NOPREFIX);
    int y = kSeaHeight + 24;
    for (const std::wstring& line : client.lines) {
        RECT row{4, y, kSeaWidth, y + 16};
        ::DrawTextW(dc, (L"> " + line).c_str(), -1, &row, DT_SINGLELINE | DT_NOPREFIX);
        y += 16;
    }
    if (client.options.mode != Mode::Primary && client.options.mode != Mode::Fallback)
        PaintOwnChatLine(client, dc);
    ::SelectObject(dc, oldFont);
    ::EndPaint(window, &paint);
}

} // namespace practice

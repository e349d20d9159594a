#include "ship.h"

#include <cmath>

namespace practice {

namespace {

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

std::wstring Obey(Ship& ship, const std::wstring& phrase) {
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

bool SailOneTick(Ship& ship, std::deque<Position>& wake) {
    if (ship.speed == 0)
        return false;
    wake.push_back({ship.x, ship.y});
    while (wake.size() > kWakeLength)
        wake.pop_front();
    const double angle = (ship.bow + ship.course) % 8 * kPi / 4;
    ship.x = std::fmod(ship.x + ship.speed * std::sin(angle) + kSeaWidth, kSeaWidth);
    ship.y = std::fmod(ship.y - ship.speed * std::cos(angle) + kSeaHeight, kSeaHeight);
    if (ship.stepsLeft > 0 && --ship.stepsLeft == 0)
        ship.speed = 0;
    return true;
}

std::wstring SpeedText(const Ship& ship) {
    if (ship.speed == 0)
        return L"stopped";
    if (ship.stepsLeft > 0)
        return L"one step";
    return ship.speed == 4 ? L"full sail" : L"slow";
}

} // namespace practice

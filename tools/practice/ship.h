// The practice ship: the phrases it obeys and how it sails its sea, which wraps around.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace practice {

constexpr int kSeaWidth = 400;
constexpr int kSeaHeight = 220;
constexpr size_t kWakeLength = 90; // positions, one per tick under way
constexpr double kPi = 3.14159265358979;

// Relative direction words, clockwise from ahead.
constexpr const wchar_t* kDirections[8] = {L"Forward", L"Forward Right", L"Right", L"Back Right",
                                           L"Back",    L"Back Left",     L"Left",  L"Forward Left"};

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

// Applies one phrase to the ship; returns what the crew made of it ("not understood" if
// nothing).
std::wstring Obey(Ship& ship, const std::wstring& phrase);
// One tick: moves a ship under way and records where it was in the wake. False when it lies
// still.
bool SailOneTick(Ship& ship, std::deque<Position>& wake);
std::wstring SpeedText(const Ship& ship);

} // namespace practice

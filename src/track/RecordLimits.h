#pragma once
// What a value read from a saved board record may be. Every limit lies far
// beyond anything the game itself produces, so a record the game wrote always
// passes; a value outside comes from a damaged or forged record and fails the
// load. Taken as it is, such a value would run into infinity within a few
// ticks, and the board's next save would write a record that no load accepts.

#include <cstdint>
#include <span>

namespace RecordLimits {

template <class T>
struct Bounds {
    T low, high;
};

// -limit .. limit.
constexpr Bounds<float> Either(float limit) { return {-limit, limit}; }

// False for a value that is not a number, too.
template <class T>
bool InBounds(T value, Bounds<T> range) {
    return value >= range.low && value <= range.high;
}

// values[i] within ranges[i], for every i; false when the counts differ.
template <class T>
bool AllInBounds(std::span<const T> values, std::span<const Bounds<T>> ranges) {
    if (values.size() != ranges.size()) return false;
    for (size_t i = 0; i < values.size(); ++i)
        if (!InBounds(values[i], ranges[i])) return false;
    return true;
}

// Screen points, pixels either way: the field is 800 x 600 and nothing the
// game moves strays more than a screen beyond it.
constexpr float kCoordinate = 100000;
// Pixels before the start and beyond the end of a path a distance along it
// may lie: a wave of 300 of the largest balls waits about 16 000 pixels
// before the start.
constexpr float kPathMargin = 100000;
// Pixels per tick a chain rolls: the game's fastest is an Apocalypse rush at
// about 35. A piece rolling back freely from this speed comes to rest within
// 70 000 pixels, inside the path margin.
constexpr float kChainSpeed = 100;
// Pixels per tick a bonus item or a fuse moves: about 30 at most in the game.
constexpr float kFallSpeed = 1000;
// Pixels per tick per tick: chains, fuses and bonus items change speed by
// at most 0.85.
constexpr float kSpeedChange = 100;
// Degrees either way: angles turn a few degrees a tick for a few seconds;
// a float still holds a tenth of a degree there.
constexpr float kAngle = 1000000;
// Drawing scales: balls are drawn at 0.6 .. 1, bonus items grow slowly from 1.
constexpr Bounds<float> kScale{0, 100};
// Opacities, colour channels and other shares of a whole.
constexpr Bounds<float> kUnit{0, 1};
// Ticks a timer, countdown or delay may hold: the game's longest is 1500
// (the aim bonus); this is almost three hours.
constexpr Bounds<int32_t> kTicks{0, 1000000};
// Things counted during one level (combos, losses, repeats).
constexpr Bounds<int32_t> kCount{0, 1000000};
// Ball colours: an index into the eight ball images; -1 for none.
constexpr int32_t kBallColours = 8;
constexpr Bounds<int32_t> kBallColour{0, kBallColours - 1};
constexpr Bounds<int32_t> kBallColourOrNone{-1, kBallColours - 1};
// Robots take falling colours from -100 on, one per wave; a track never
// releases a hundred million.
constexpr Bounds<int32_t> kRobotColour{-100000000, -1};

}  // namespace RecordLimits

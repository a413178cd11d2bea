#pragma once

#include <cstdint>
#include <optional>

// The saved game's spare word is 0 in every journey written without it. A
// level of the half-mirrored world draws its mirroring by chance when it
// begins, so a restored level would otherwise come back flipped half the
// time: the word carries the drawn choice, and a word without the mark (an
// older file) lets the level draw again as before.
namespace SavedGameWord {

constexpr int32_t kMirrorRecorded = 1 << 0;
constexpr int32_t kMirrorOn = 1 << 1;

constexpr int32_t WithMirror(int32_t word, bool mirror) {
    int32_t cleared = word & ~(kMirrorRecorded | kMirrorOn);
    return cleared | kMirrorRecorded | (mirror ? kMirrorOn : 0);
}

constexpr std::optional<bool> RecordedMirror(int32_t word) {
    if ((word & kMirrorRecorded) == 0) return std::nullopt;
    return (word & kMirrorOn) != 0;
}

}  // namespace SavedGameWord

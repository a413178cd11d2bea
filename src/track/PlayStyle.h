#pragma once
// The journey's play style, chosen before a journey starts.

#include <cstdint>

enum class PlayStyle : int32_t { Normal = 0, Child = 1, Apocalypse = 2 };

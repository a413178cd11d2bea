#pragma once
#include "common/Pixmap.h"

constexpr int kCoinFrames = 6;  // one frame per coin kind
constexpr int kCoinFrameSize = 40;

// A gold coin and five gems, one per frame.
Pixmap CoinStrip();

#include "game/journey/DoorBurst.h"

#include <algorithm>
#include <cmath>

#include "core/Random.h"
#include "media/Image.h"

namespace {
constexpr int32_t kFirstDelay = 25, kDelayRange = 50;  // ticks: a piece flies after 25 ... 74
constexpr float kPushPerPixel = 0.01f;                 // pixels per tick per pixel from the centre
constexpr float kPushJitter = 0.25f;                   // pixels per tick, either way
constexpr float kPushUp = 0.35f;                       // pixels per tick
constexpr float kGravity = 0.1f;                       // pixels per tick per tick
constexpr float kSpinRange = 4;                        // degrees per tick, either way
constexpr float kMapBottom = 1700;                     // map pixels: well below the temple's foot

uint32_t AlphaOf(uint32_t pixel) { return pixel >> 24; }
}  // namespace

DoorBurst DoorBurst::FromImage(const Image& picture, const Image* mask, const Rect& rect) {
    DoorBurst burst;
    if (picture.IsEmpty()) return burst;
    Image cracked = picture;
    if (mask && mask->Width() == picture.Width() && mask->Height() == picture.Height()) {
        for (int32_t y = 0; y < cracked.Height(); ++y) {
            for (int32_t x = 0; x < cracked.Width(); ++x) {
                uint32_t* pixel = cracked.PixelAt(x, y);
                uint32_t alpha = AlphaOf(*pixel) * AlphaOf(*mask->PixelAt(x, y)) / 255;
                *pixel = (alpha << 24) | (*pixel & 0xFFFFFF);
            }
        }
    }
    float width = static_cast<float>(cracked.Width()) / kGrid, height = static_cast<float>(cracked.Height()) / kGrid;
    for (int32_t row = 0; row < kGrid; ++row)
        for (int32_t column = 0; column < kGrid; ++column) {
            Piece piece;
            piece.picture.Load(cracked, Rect{column * width, row * height, width, height});
            burst.pieces.push_back(std::move(piece));
        }
    burst.Launch(rect);
    return burst;
}

DoorBurst DoorBurst::FromSprite(const Sprite& picture, const Rect& rect) {
    DoorBurst burst;
    if (!picture.IsLoaded()) return burst;
    float width = picture.Width() / kGrid, height = picture.Height() / kGrid;
    for (int32_t row = 0; row < kGrid; ++row)
        for (int32_t column = 0; column < kGrid; ++column) {
            Piece piece;
            piece.picture = picture.Part(Rect{column * width, row * height, width, height});
            burst.pieces.push_back(std::move(piece));
        }
    burst.Launch(rect);
    return burst;
}

void DoorBurst::Launch(const Rect& rect) {
    Random& random = GetRandom();
    float centreX = rect.x + rect.width / 2, centreY = rect.y + rect.height / 2;
    float width = rect.width / kGrid, height = rect.height / kGrid;
    for (size_t i = 0; i < pieces.size(); ++i) {
        Piece& piece = pieces[i];
        int32_t row = static_cast<int32_t>(i) / kGrid, column = static_cast<int32_t>(i) % kGrid;
        piece.x = rect.x + (static_cast<float>(column) + 0.5f) * width;
        piece.y = rect.y + (static_cast<float>(row) + 0.5f) * height;
        piece.delay = kFirstDelay + random.Next(kDelayRange);
        piece.vx = (piece.x - centreX) * kPushPerPixel + random.NextFloatRange(kPushJitter, true);
        piece.vy = (piece.y - centreY) * kPushPerPixel + random.NextFloatRange(kPushJitter, true) - kPushUp;
        piece.spin = random.NextFloatRange(kSpinRange, true);
    }
}

void DoorBurst::Update() {
    for (Piece& piece : pieces) {
        if (piece.delay > 0) {
            --piece.delay;
            continue;
        }
        if (piece.y > kMapBottom) continue;
        piece.vy += kGravity;
        piece.x += piece.vx;
        piece.y += piece.vy;
        piece.angle = std::fmod(piece.angle + piece.spin, 360.0f);
    }
}

void DoorBurst::Draw(float scroll) const {
    for (const Piece& piece : pieces) {
        if (piece.y > kMapBottom) continue;
        piece.picture.DrawRotatedScaled(piece.x, piece.y + scroll, piece.angle, 1);
    }
}

bool DoorBurst::IsDone() const {
    return std::all_of(pieces.begin(), pieces.end(), [](const Piece& piece) { return piece.y > kMapBottom; });
}
